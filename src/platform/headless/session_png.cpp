#include <QImage>

#include "platform/headless/headless.h"

namespace headless {

bool Session::SavePng(const std::string& path) const {
    const QImage image(reinterpret_cast<const uchar*>(Screen().pixels), win::Surface::kWidth, win::Surface::kHeight,
                       win::Surface::kWidth * 4, QImage::Format_RGB32);
    return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace headless
