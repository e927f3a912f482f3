// The mirror drawn into an image: for each display case, every segment of every cell is looked at
// in the picture, at a pixel only that segment covers, and must be dark exactly when it is lit.
#include "data/MeasurementStore.h"
#include "mirror/DeviceMirror.h"
#include "mirror/MirrorGeometry.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstring>
#include <map>

using namespace Display;

namespace {

constexpr int kW = 440; // the picture exactly fills the image

const std::uint16_t kSegments[] = {SegA, SegB, SegC, SegD, SegE, SegF, SegG, SegR, SegU, SegL, SegX};

int Gray(QRgb c)
{
    return qGray(c);
}

class MirrorDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        mirror = std::make_unique<CDeviceMirror>(store);
        FindProbes();
    }

    // For each segment image of each cell: a fully covered pixel no other segment of the cell
    // touches, nearest to the middle of the segment.
    void FindProbes()
    {
        for (int cell = 1; cell <= kCells; ++cell) {
            for (std::uint16_t seg : kSegments) {
                if (!(CellSegments(cell) & seg))
                    continue;
                const QImage& image = mirror->SegmentImage(cell, static_cast<Segment>(seg)).Image();
                ASSERT_FALSE(image.isNull()) << cell << " " << SegmentLetters(seg).toStdString();
                probes[{cell, seg}] = Probe(cell, image, [&](int x, int y) {
                    for (std::uint16_t other : kSegments)
                        if (other != seg && (CellSegments(cell) & other)
                            && qAlpha(mirror->SegmentImage(cell, static_cast<Segment>(other)).Image().pixel(x, y)) != 0)
                            return false;
                    return true;
                });
            }
        }
        probes[{3, 0}] = Probe(3, mirror->DecimalPointImage().Image(), [](int, int) { return true; });
    }

    template <class Alone>
    QPoint Probe(int cell, const QImage& image, Alone alone)
    {
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) == 255) {
                    sx += x;
                    sy += y;
                    ++n;
                }
        EXPECT_GT(n, 0);
        QPoint best(-1, -1);
        double bestDistance = 1e9;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 255 || !alone(x, y))
                    continue;
                const double d = (x - sx / n) * (x - sx / n) + (y - sy / n) * (y - sy / n);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = QPoint(x, y);
                }
            }
        EXPECT_NE(best, QPoint(-1, -1)) << "cell " << cell;
        return MirrorGeometry::CellRect(cell, kW).topLeft() + best;
    }

    QImage Render(const char codes[4], std::uint8_t mode)
    {
        std::memcpy(store.displayCodes, codes, 4);
        store.displayMode = mode;
        QImage image(kW, 150, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        mirror->Draw(painter, kW);
        return image;
    }

    // Every segment's probe pixel: dark when lit, the display's light glass when not.
    void ExpectShown(const QImage& image, const SLitDisplay& lit, const std::string& what)
    {
        for (const auto& [key, at] : probes) {
            const auto [cell, seg] = key;
            const bool on = seg == 0 ? lit.point : (lit.cells[cell - 1] & seg) != 0;
            const int gray = Gray(image.pixel(at));
            if (on)
                EXPECT_LT(gray, 80) << what << ": cell " << cell << " segment " << SegmentLetters(seg).toStdString();
            else
                EXPECT_GT(gray, 150) << what << ": cell " << cell << " segment " << SegmentLetters(seg).toStdString();
        }
    }

    CMeasurementStore store;
    std::unique_ptr<CDeviceMirror> mirror;
    std::map<std::pair<int, std::uint16_t>, QPoint> probes; // segment 0: the decimal point
};

TEST_F(MirrorDraw, ArtworkHasThePictureAndSegmentSizes)
{
    EXPECT_EQ(mirror->Picture().Size(), QSize(440, 150));
    int images = 0;
    for (int cell = 1; cell <= kCells; ++cell)
        for (std::uint16_t seg : kSegments) {
            const int resource = CDeviceMirror::SegmentResource(cell, static_cast<Segment>(seg));
            EXPECT_EQ(resource != 0, (CellSegments(cell) & seg) != 0) << cell << " " << seg;
            if (resource != 0) {
                EXPECT_EQ(mirror->SegmentImage(cell, static_cast<Segment>(seg)).Size(), MirrorGeometry::CellRect(cell, kW).size());
                // Each cell's corner stays clear: it is the transparent colour.
                EXPECT_EQ(qAlpha(mirror->SegmentImage(cell, static_cast<Segment>(seg)).Image().pixel(0, 0)), 0);
                images += cell == 4 ? 0 : 1;
            }
        }
    EXPECT_EQ(images + 1, 24); // with the decimal point
    EXPECT_EQ(CDeviceMirror::SegmentResource(1, SegA), 203);
    EXPECT_EQ(CDeviceMirror::SegmentResource(4, SegD), 226);
    EXPECT_EQ(CDeviceMirror::SegmentResource(3, SegX), 224);
}

TEST_F(MirrorDraw, EveryCharacterInEveryCellLightsItsSegmentsOnTheGlass)
{
    for (int code = 0; code < 256; ++code) {
        const char codes[4] = {char(code), char(code), char(code), char(code)};
        const QImage image = Render(codes, 0);
        ExpectShown(image, LightDisplay(store.displayCodes, 0), "code " + std::to_string(code));
        if (HasFailure())
            return;
    }
}

TEST_F(MirrorDraw, PointFixedScreensSymbolsAndTheEmptyDisplay)
{
    const struct {
        const char* what;
        char codes[4];
        std::uint8_t mode;
    } cases[] = {
        {"1 2 5 blank with the point", {'1', '2', '5', ' '}, 0x04},
        {"display test", {0, 0, 0, 0}, 0x02},
        {"fixed screen 1", {1, 0, 0, 0}, 0x02},
        {"fixed screen 2", {2, 0, 0, 0}, 0x02},
        {"symbol 41 and 4 5 6", {41, '4', '5', '6'}, 0x01},
        {"symbol 5", {5, 'A', 'b', 'C'}, 0x05},
        {"empty", {' ', ' ', ' ', ' '}, 0},
    };
    for (const auto& c : cases) {
        const QImage image = Render(c.codes, c.mode);
        ExpectShown(image, LightDisplay(store.displayCodes, c.mode), c.what);
        EXPECT_EQ(mirror->Lit(), LightDisplay(store.displayCodes, c.mode));
    }
    // The picture is opaque: nothing of the background shows through.
    const QImage image = Render("    ", 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            ASSERT_NE(image.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
}

TEST_F(MirrorDraw, NarrowViewsDrawThePictureCutOffAtTheLeft)
{
    for (int W : {0, 1, 100, 439}) {
        QImage image(qMax(W, 1), 150, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        std::memcpy(store.displayCodes, "8888", 4);
        store.displayMode = 0x04;
        QPainter painter(&image);
        mirror->Draw(painter, W);
        painter.end();
        // The right edge of the picture is at the right edge of the view.
        if (W > 0) {
            EXPECT_EQ(image.pixel(W - 1, 5), mirror->Picture().Image().pixel(439, 5)) << W;
        }
    }
}

} // namespace
