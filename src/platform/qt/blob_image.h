// Icons and bitmaps of the resources are BMP files.
#pragma once

#include <QImage>

#include "resources/resources.h"

namespace qthost {

inline QImage BlobImage(const res::Blob& blob) {
    return QImage::fromData(blob.data, static_cast<int>(blob.size), "BMP");
}

}  // namespace qthost
