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

// The identity texts: labels at x = 10, values at x = 150, one line every 17 pixels from y = 40.
constexpr int kLabelX = 10;
constexpr int kValueX = 150;
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

void CChildView::PlaceTable(int W, int H)
{
    if (!m_table)
        return;
    // The notice line, while it tells something, sits between the device area and the table.
    const int notice = m_notice ? m_notice->Room(W) : 0;
    if (m_notice && notice > 0)
        m_notice->setGeometry(0, kDeviceAreaHeight, W, notice);
    const QRect place(0, kDeviceAreaHeight + notice, W, qMax(0, H - kDeviceAreaHeight - notice));
    if (m_table->geometry() != place)
        m_table->setGeometry(place);
    CGridCtrl& grid = *store.grid;
    const auto widths = TableColumnWidths(W, grid.verticalScrollBar()->isVisible());
    for (int column = 0; column < static_cast<int>(widths.size()) && column < grid.GetColumnCount(); ++column)
        if (grid.GetColumnWidth(column) != widths[static_cast<std::size_t>(column)])
            grid.SetColumnWidth(column, widths[static_cast<std::size_t>(column)]);
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

void CChildView::paintEvent(QPaintEvent* event)
{
    (void)event;
    const int W = width();
    PlaceTable(W, height());
    QPainter painter(this);
    store.screen->Draw(painter, W);
    const CDIBSectionLiteNP& lock = store.device.keysLocked == 1 ? m_lockedImage : m_unlockedImage;
    lock.Draw(painter, MirrorGeometry::LockRect(W).topLeft());
    m_bandImage.Stretch(painter, QRect(0, 0, W - MirrorGeometry::kPictureWidth, kDeviceAreaHeight));
    DrawIdentityTexts(painter);
    if (m_keyHighlight == 1)
        DrawHighlightFrame(painter, W);
}

void CChildView::DrawIdentityTexts(QPainter& painter)
{
    QFont textFont = font();
    textFont.setPixelSize(kTextPixelHeight);
    textFont.setWeight(QFont::Normal);
    painter.setFont(textFont);
    painter.setPen(palette().color(QPalette::WindowText));
    const DEVICE& device = store.device;
    const std::pair<int, QString> lines[] = {
        {AppText::ProductNameLabel, device.name},
        {AppText::SerialNumberLabel, device.serialNumber},
        {AppText::FirmwareLabel, device.firmwareVersion},
        {AppText::BootloaderLabel, device.bootloaderVersion},
        {AppText::HardwareRevisionLabel, device.hardwareRevision},
        {AppText::MeasurementsLabel, MeasurementsText()},
    };
    const int lineHeight = painter.fontMetrics().height();
    int y = kFirstLineY;
    for (const auto& [label, value] : lines) {
        // Texts are drawn from the top of their line, as far as the view reaches.
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        painter.drawText(QRect(kLabelX, y, qMax(0, width() - kLabelX), lineHeight), flags, ResString(label));
        painter.drawText(QRect(kValueX, y, qMax(0, width() - kValueX), lineHeight), flags, value);
        y += kLineStep;
    }
}

void CChildView::DrawHighlightFrame(QPainter& painter, int W)
{
    Draw3dRect(painter, MirrorGeometry::HighlightFrame(m_highlightArea, W), MirrorGeometry::FrameUpperLeft(m_highlightArea),
        MirrorGeometry::FrameLowerRight(m_highlightArea));
}

void CChildView::RedrawKeyLock()
{
    update(MirrorGeometry::LockRect(width()));
}
