#include "mirror/DeviceMirror.h"

#include "data/MeasurementStore.h"
#include "mirror/MirrorGeometry.h"

#include <QPainter>
#include <QSvgRenderer>

using namespace Display;

// The resource file lives in this static library; nothing else references it, so it is
// registered explicitly before its first use (outside any namespace, as the registration needs).
static void RegisterArtwork()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(MirrorArtwork);
        return true;
    }();
    (void)registered;
}

namespace {

// The segment images: resource number, the cells that use it, the segment, and where its
// artwork is (each cell drawing holds one shape per segment, named "seg-<letter>").
struct SegmentImageRow {
    int resource;
    int cell;       // 1, 2 (also used for cell 4) or 3
    Segment segment;
    const char* id;
};

constexpr SegmentImageRow kSegmentImages[] = {
    // cell 1
    {203, 1, SegA, "seg-a"}, {204, 1, SegU, "seg-u"}, {205, 1, SegL, "seg-l"}, {206, 1, SegD, "seg-d"},
    {207, 1, SegE, "seg-e"}, {208, 1, SegF, "seg-f"}, {209, 1, SegG, "seg-g"}, {210, 1, SegR, "seg-r"},
    // cells 2 and 4
    {211, 2, SegA, "seg-a"}, {212, 2, SegB, "seg-b"}, {213, 2, SegC, "seg-c"}, {226, 2, SegD, "seg-d"},
    {214, 2, SegE, "seg-e"}, {215, 2, SegF, "seg-f"}, {216, 2, SegG, "seg-g"},
    // cell 3
    {217, 3, SegA, "seg-a"}, {218, 3, SegB, "seg-b"}, {219, 3, SegC, "seg-c"}, {220, 3, SegD, "seg-d"},
    {221, 3, SegE, "seg-e"}, {222, 3, SegF, "seg-f"}, {223, 3, SegG, "seg-g"}, {224, 3, SegX, "seg-x"},
};

int ArtworkCell(int cell)
{
    return cell == 4 ? 2 : cell;
}

QString CellArtwork(int artworkCell)
{
    return QStringLiteral(":/device/cell%1.svg").arg(artworkCell);
}

// One shape of a cell drawing, at its own place, in an image the size of the cell.
QImage RenderSegment(QSvgRenderer& renderer, const char* id)
{
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QString element = QString::fromLatin1(id);
    if (!renderer.elementExists(element))
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing's units are pixels, so the shape's own bounds put it where it belongs.
    renderer.render(&painter, element, renderer.boundsOnElement(element));
    return image;
}

QImage RenderPicture(const QString& path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

const CDIBSectionLiteNP& NullImage()
{
    static const CDIBSectionLiteNP none;
    return none;
}

} // namespace

CDeviceMirror::CDeviceMirror(const CMeasurementStore& store)
    : m_store(store)
{
    RegisterArtwork();
    m_picture = CDIBSectionLiteNP(RenderPicture(QStringLiteral(":/device/tester.svg")));
    for (int artworkCell = 1; artworkCell <= 3; ++artworkCell) {
        QSvgRenderer renderer(CellArtwork(artworkCell));
        for (const SegmentImageRow& row : kSegmentImages)
            if (row.cell == artworkCell)
                m_segments[row.resource] = CDIBSectionLiteNP(RenderSegment(renderer, row.id));
        if (artworkCell == 3)
            m_segments[kDecimalPointResource] = CDIBSectionLiteNP(RenderSegment(renderer, "seg-p"));
    }
}

int CDeviceMirror::SegmentResource(int cell, Segment segment)
{
    const int artworkCell = ArtworkCell(cell);
    for (const SegmentImageRow& row : kSegmentImages)
        if (row.cell == artworkCell && row.segment == segment)
            return row.resource;
    return 0;
}

const CDIBSectionLiteNP& CDeviceMirror::SegmentImage(int cell, Segment segment) const
{
    const auto it = m_segments.find(SegmentResource(cell, segment));
    return it == m_segments.end() ? NullImage() : it->second;
}

const CDIBSectionLiteNP& CDeviceMirror::DecimalPointImage() const
{
    return m_segments.at(kDecimalPointResource);
}

SLitDisplay CDeviceMirror::Lit() const
{
    return LightDisplay(m_store.displayCodes, m_store.displayMode);
}

void CDeviceMirror::Draw(QPainter& painter, int W) const
{
    m_picture.Draw(painter, MirrorGeometry::PictureOrigin(W));
    const SLitDisplay lit = Lit();
    if (lit.point)
        DecimalPointImage().DrawTransparent(painter, MirrorGeometry::CellRect(3, W).topLeft());
    for (int cell = 1; cell <= kCells; ++cell) {
        const QPoint at = MirrorGeometry::CellRect(cell, W).topLeft();
        for (std::uint16_t bit = 1; bit != 0 && bit <= SegX; bit = static_cast<std::uint16_t>(bit << 1))
            if (lit.cells[cell - 1] & bit)
                SegmentImage(cell, static_cast<Segment>(bit)).DrawTransparent(painter, at);
    }
}
