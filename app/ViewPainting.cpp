// The device area above the table: the tester's picture with its mirrored display, the key-lock
// symbol, the background with the identity texts of the attached tester, and the frame round a
// key under the mouse. Painting also places the table below and shares its width among the
// columns.
#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "app/Artwork.h"
#include "app/NoticeBar.h"
#include "conversion/NumberText.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/TesterModels.h"
#include "grid/GridCtrl.h"
#include "mirror/DeviceMirror.h"
#include "resources/StringTable.h"

#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kBandImage = 228;
constexpr int kLockedImage = 231;
constexpr int kUnlockedImage = 232;

// The identity texts: labels at x = 10, values at x = 150 or, after a longer label, 8 pixels after
// it; one line every 17 pixels from y = 40.
constexpr int kLabelX = 10;
constexpr int kValueX = 150;
constexpr int kLabelGap = 8;
constexpr int kFirstLineY = 40;
constexpr int kLineStep = 17;
constexpr int kTextPixelHeight = 14;

// The table's columns up to this view width keep their natural widths.
constexpr int kNaturalWidthLimit = 960;
constexpr std::array<int, 9> kNaturalWidths = {30, 100, 100, 100, 100, 110, 150, 150, 150};

// A rectangle in the three-dimensional style: upper and left edges in one colour, lower and right
// edges in the other.
void Draw3dRect(QPainter& painter, const QRect& r, const QColor& upperLeft, const QColor& lowerRight)
{
    const int x = r.x();
    const int y = r.y();
    const int cx = r.width();
    const int cy = r.height();
    painter.fillRect(x, y, cx - 1, 1, upperLeft);
    painter.fillRect(x, y, 1, cy - 1, upperLeft);
    painter.fillRect(x + cx - 1, y, 1, cy, lowerRight);
    painter.fillRect(x, y + cy - 1, cx, 1, lowerRight);
}

} // namespace

void CChildView::LoadViewImages()
{
    m_bandImage = CDIBSectionLiteNP(ViewImage(kBandImage));
    m_lockedImage = CDIBSectionLiteNP(ViewImage(kLockedImage));
    m_unlockedImage = CDIBSectionLiteNP(ViewImage(kUnlockedImage));
}

std::array<int, 9> CChildView::TableColumnWidths(int W, bool verticalScrollBar)
{
    if (W <= kNaturalWidthLimit)
        return kNaturalWidths;
    // The room beyond the two narrow columns (30 + 100 + the last column's 150) is shared in the
    // proportions of the natural widths (710 pixels at 960), less the scroll bar's share.
    const double X = (W - 280) / 710.0;
    const int d = verticalScrollBar ? 4 : 1;
    const int wide = static_cast<int>(X * 100) - d;
    return {30, 100, wide, wide, wide, static_cast<int>(X * 110) - d, static_cast<int>(X * 150) - d,
        static_cast<int>(X * 150) - d, 150};
}

void CChildView::FitColumnsToContent()
{
    if (!store.grid)
        return;
    for (int column = 0; column < static_cast<int>(m_contentWidths.size()); ++column)
        m_contentWidths[static_cast<std::size_t>(column)] = store.grid->GetContentWidth(column);
    PlaceTable(width(), height());
}

void CChildView::PlaceTable(int W, int H)
{
    if (!m_table)
        return;
    // The notice line, while it tells something, sits between the device area and the table.
    const int top = BandLayout(W).height;
    const int notice = m_notice ? m_notice->Room(W) : 0;
    if (m_notice && notice > 0)
        m_notice->setGeometry(0, top, W, notice);
    const QRect place(0, top + notice, W, qMax(0, H - top - notice));
    if (m_table->geometry() != place)
        m_table->setGeometry(place);
    CGridCtrl& grid = *store.grid;
    // The width rule is the least a column gets; a wider text widens it (the table then scrolls).
    const auto widths = TableColumnWidths(W, grid.verticalScrollBar()->isVisible());
    for (int column = 0; column < static_cast<int>(widths.size()) && column < grid.GetColumnCount(); ++column) {
        const std::size_t i = static_cast<std::size_t>(column);
        const int width = qMax(widths[i], m_contentWidths[i]);
        if (grid.GetColumnWidth(column) != width)
            grid.SetColumnWidth(column, width);
    }
}

QString CChildView::MeasurementsText() const
{
    if (store.device.name.isEmpty() && store.series.GetSize() == 0)
        return {};
    // Until the connect's download is complete the store holds a part of the tester's memory at
    // most (nothing, once a failed transfer was taken back): no count is shown rather than a
    // wrong one.
    if (m_initialTransfer && (Link().jobs & CDeviceLink::jobReadMeasurements) != 0)
        return {};
    const int count = store.CountMeasurements();
    const double used = static_cast<double>(count) / TesterModels::MemoryCapacity(store.device.name) * 100;
    return ResString(AppText::MeasurementsValue).arg(count).arg(FixedText(used, 0));
}

QFont CChildView::IdentityFont() const
{
    QFont textFont = font();
    textFont.setPixelSize(kTextPixelHeight);
    textFont.setWeight(QFont::Normal);
    return textFont;
}

std::array<std::pair<int, QString>, 6> CChildView::IdentityLines() const
{
    const DEVICE& device = store.device;
    return {{
        {AppText::ProductNameLabel, device.name},
        {AppText::SerialNumberLabel, device.serialNumber},
        {AppText::FirmwareLabel, device.firmwareVersion},
        {AppText::BootloaderLabel, device.bootloaderVersion},
        {AppText::HardwareRevisionLabel, device.hardwareRevision},
        {AppText::MeasurementsLabel, MeasurementsText()},
    }};
}

CChildView::DeviceBand CChildView::BandLayout(int W) const
{
    const QFontMetrics metrics(IdentityFont());
    int labels = 0;
    int values = 0;
    for (const auto& [label, value] : IdentityLines()) {
        labels = qMax(labels, metrics.horizontalAdvance(ResString(label)));
        values = qMax(values, metrics.horizontalAdvance(value));
    }
    DeviceBand band;
    band.valueX = qMax(kValueX, kLabelX + labels + kLabelGap);
    band.textRight = qMax(kDeviceListRight, band.valueX + values) + kLabelGap;
    const double room = static_cast<double>(W - band.textRight) / MirrorGeometry::kPictureWidth;
    if (room >= 1.0)
        return band;
    if (room >= kSmallestPicture) {
        // Shrunk about the top right corner, which stays where it was.
        band.picture.translate(W, 0).scale(room, room).translate(-W, 0);
        return band;
    }
    band.picture.translate(0, kDeviceAreaHeight);
    band.height = 2 * kDeviceAreaHeight;
    return band;
}

QPoint CChildView::PicturePoint(QPoint viewPoint) const
{
    return BandLayout(width()).picture.inverted().map(QPointF(viewPoint)).toPoint();
}

void CChildView::paintEvent(QPaintEvent* event)
{
    (void)event;
    const int W = width();
    PlaceTable(W, height());
    const DeviceBand band = BandLayout(W);
    QPainter painter(this);
    // The background under the texts, and round a picture that shrank or moved.
    m_bandImage.Stretch(painter, QRect(0, 0, W, band.height));
    painter.save();
    painter.setTransform(band.picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !band.picture.isIdentity());
    store.screen->Draw(painter, W);
    const CDIBSectionLiteNP& lock = store.device.keysLocked == 1 ? m_lockedImage : m_unlockedImage;
    lock.Draw(painter, MirrorGeometry::LockRect(W).topLeft());
    if (m_keyHighlight == 1)
        DrawHighlightFrame(painter, W);
    painter.restore();
    DrawIdentityTexts(painter, band);
}

void CChildView::DrawIdentityTexts(QPainter& painter, const DeviceBand& band)
{
    painter.setFont(IdentityFont());
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = painter.fontMetrics().height();
    int y = kFirstLineY;
    for (const auto& [label, value] : IdentityLines()) {
        // Texts are drawn from the top of their line; the layout leaves them the room they need.
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        painter.drawText(QRect(kLabelX, y, qMax(0, band.valueX - kLabelX), lineHeight), flags, ResString(label));
        painter.drawText(QRect(band.valueX, y, qMax(0, width() - band.valueX), lineHeight), flags, value);
        y += kLineStep;
    }
}

void CChildView::DrawHighlightFrame(QPainter& painter, int W)
{
    Draw3dRect(painter, MirrorGeometry::HighlightFrame(m_highlightArea, W), MirrorGeometry::FrameUpperLeft(m_highlightArea),
        MirrorGeometry::FrameLowerRight(m_highlightArea));
}

QRect CChildView::InView(const QRect& pictureRect) const
{
    return BandLayout(width()).picture.mapRect(pictureRect).adjusted(-1, -1, 1, 1);
}

void CChildView::RedrawKeyLock()
{
    update(InView(MirrorGeometry::LockRect(width())));
}
