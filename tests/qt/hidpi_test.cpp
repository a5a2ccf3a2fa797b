// On scaled screens the panel fills the client: whole ratios show each
// surface pixel as a block of device pixels, fractional ones stay sharp, and
// the pointer lands on the panel pixel under it.
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "qt/qt_console.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// Qt reads the scale factor when the application starts.
template <int Hundredths>
struct ScaleFactor {
    ScaleFactor() { qputenv("QT_SCALE_FACTOR", QByteArray::number(Hundredths / 100.0)); }
    ~ScaleFactor() { qunsetenv("QT_SCALE_FACTOR"); }
};

template <int Hundredths>
class QtScaled : ScaleFactor<Hundredths>, public QtConsole {
protected:
    static constexpr qreal kRatio = Hundredths / 100.0;

    // Device pixels whose surface pixel and its eight neighbours share one
    // colour must show that colour exactly; returns how many differ, and in
    // `checked` how many were looked at.
    static int DifferingInteriorPixels(const QImage& shown, int& checked) {
        int differing = 0;
        checked = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const int sx = static_cast<int>(x / kRatio), sy = static_cast<int>(y / kRatio);
                if (sx < 1 || sy < 1 || sx + 1 >= kClientWidth || sy + 1 >= kClientHeight) continue;
                const std::uint32_t colour = SurfacePixel(sx, sy);
                bool uniform = true;
                for (int dy = -1; dy <= 1 && uniform; ++dy)
                    for (int dx = -1; dx <= 1 && uniform; ++dx) uniform = SurfacePixel(sx + dx, sy + dy) == colour;
                if (!uniform) continue;
                ++checked;
                differing += (shown.pixel(x, y) & 0xFFFFFF) != colour;
            }
        }
        return differing;
    }

    // Guards against reducing the panel smoothly from less than the next whole
    // ratio (the surface itself, say), which blurs every edge: a device pixel
    // that lies wholly inside one surface pixel, however close to an edge,
    // must show that pixel's colour exactly. Returns how many differ, and in
    // `atEdges` how many of those looked at border a pixel of another colour.
    static int DifferingWholePixels(const QImage& shown, int& atEdges) {
        // Device pixel d covers surface pixels d * 100 / Hundredths up to (d + 1) * 100 / Hundredths.
        const auto within = [](int d) {
            const int first = d * 100 / Hundredths;
            return first == ((d + 1) * 100 - 1) / Hundredths ? first : -1;
        };
        int differing = 0;
        atEdges = 0;
        for (int y = 0; y < shown.height(); ++y) {
            const int sy = within(y);
            if (sy < 1 || sy + 1 >= kClientHeight) continue;
            for (int x = 0; x < shown.width(); ++x) {
                const int sx = within(x);
                if (sx < 1 || sx + 1 >= kClientWidth) continue;
                const std::uint32_t colour = SurfacePixel(sx, sy);
                atEdges += SurfacePixel(sx - 1, sy) != colour || SurfacePixel(sx + 1, sy) != colour ||
                           SurfacePixel(sx, sy - 1) != colour || SurfacePixel(sx, sy + 1) != colour;
                differing += (shown.pixel(x, y) & 0xFFFFFF) != colour;
            }
        }
        return differing;
    }

    void ExpectFilledSharpAndClickable() {
        ASSERT_EQ(Panel()->devicePixelRatioF(), kRatio);
        const QImage shown = Panel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.width(), qRound(kClientWidth * kRatio));
        EXPECT_EQ(shown.height(), qRound(kClientHeight * kRatio));
        int checked = 0;
        EXPECT_EQ(DifferingInteriorPixels(shown, checked), 0);
        EXPECT_GT(checked, shown.width() * shown.height() * 7 / 10);  // most of the panel is plain
        int atEdges = 0;
        EXPECT_EQ(DifferingWholePixels(shown, atEdges), 0);
        EXPECT_GT(atEdges, 1000);  // the panel's lines, lamps and digits
        // The last surface row and column reach the widget's far corner.
        EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() / 2) & 0xFFFFFF,
                  SurfacePixel(kClientWidth - 1, static_cast<int>(shown.height() / 2 / kRatio)));

        // Logical (110, 42) is the panel pixel (110, 42), on PLAY.
        QTest::mousePress(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
        QTest::mouseRelease(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
        Pump();
        EXPECT_EQ(g_cdState, CD_PLAYING);
    }
};

using QtScaled125 = QtScaled<125>;
using QtScaled150 = QtScaled<150>;
using QtScaled200 = QtScaled<200>;

TEST_F(QtScaled125, PanelFillsTheClientSharply) { ExpectFilledSharpAndClickable(); }
TEST_F(QtScaled150, PanelFillsTheClientSharply) { ExpectFilledSharpAndClickable(); }

TEST_F(QtScaled200, EachPixelIsATwoByTwoBlock) {
    ExpectFilledSharpAndClickable();
    const QImage shown = Panel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) differing += (shown.pixel(x, y) & 0xFFFFFF) != SurfacePixel(x / 2, y / 2);
    EXPECT_EQ(differing, 0);
}

}  // namespace
