// On scaled screens every surface pixel covers whole device pixels and the
// pointer still lands on the client pixel under it.
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "qt/qt_console.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// Qt reads the scale factor when the application starts.
template <int Tenths>
struct ScaleFactor {
    ScaleFactor() { qputenv("QT_SCALE_FACTOR", QByteArray::number(Tenths / 10.0)); }
    ~ScaleFactor() { qunsetenv("QT_SCALE_FACTOR"); }
};

// How many device pixels of the panel differ from `scale` x `scale` blocks
// of the surface (blocks from the top-left corner).
int DifferingPixels(int scale) {
    const QImage shown = Panel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < kClientHeight * scale && y < shown.height(); ++y) {
        for (int x = 0; x < kClientWidth * scale && x < shown.width(); ++x)
            differing += (shown.pixel(x, y) & 0xFFFFFF) != SurfacePixel(x / scale, y / scale);
    }
    return differing;
}

void ClickPlay(QPoint logical) {
    QTest::mousePress(Panel(), Qt::LeftButton, {}, logical);
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, logical);
    Pump();
}

class QtDoubleScale : ScaleFactor<20>, public QtConsole {};
class QtFractionalScale : ScaleFactor<15>, public QtConsole {};

TEST_F(QtDoubleScale, EachPixelIsATwoByTwoBlock) {
    ASSERT_EQ(Panel()->devicePixelRatioF(), 2.0);
    EXPECT_EQ(Panel()->grab().toImage().size(), QSize(2 * kClientWidth, 2 * kClientHeight));
    EXPECT_EQ(DifferingPixels(2), 0);
    ClickPlay(QPoint(110, 42));
    EXPECT_EQ(g_cdState, 0);
}

TEST_F(QtFractionalScale, OneAndAHalfIsRoundedDownToWholePixels) {
    ASSERT_EQ(Panel()->devicePixelRatioF(), 1.5);
    EXPECT_EQ(DifferingPixels(1), 0);
    // Logical (73, 28) is device (109.5, 42): client pixel (109, 42), on PLAY.
    ClickPlay(QPoint(73, 28));
    EXPECT_EQ(g_cdState, 0);
}

}  // namespace
