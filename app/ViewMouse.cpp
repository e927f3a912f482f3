// The mouse on the tester's picture: its three keys press the tester's keys, the lock symbol
// locks and unlocks them, and whatever lies under the mouse is framed with its name in the
// status bar. Nothing is sent and nothing redrawn while the port is closed. Positions are taken
// in the picture's own coordinates, wherever the view's layout put the picture.
#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"

#include <QMouseEvent>

using MirrorGeometry::Area;

void CChildView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int W = width();
        if (ActOnPress(MirrorGeometry::PressArea(PicturePoint(event->position().toPoint()), W))) {
            update(InView(MirrorGeometry::KeysRect(W)));
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

bool CChildView::ActOnPress(Area area)
{
    if (area == Area::None || !Link().IsOpen())
        return false;
    if (area == Area::KeyLock)
        ToggleKeyLock();
    else
        Link().PressKey(MirrorGeometry::KeyOf(area));
    return true;
}

void CChildView::ToggleKeyLock()
{
    DEVICE& device = store.device;
    // The picture follows the tester: a lock request the tester did not confirm changes nothing
    // until the lock is read back.
    if (Link().ChangeKeyLock(device.keysLocked == 1 ? 0 : 1) != LinkResult::Ok) {
        ShowStatus(ResString(LinkStrings::KeyLockNotConfirmed));
        return;
    }
    if (m_followUps.IsSettingsDialogVisible())
        m_followUps.RefreshSettingsDialog();
    ShowStatus(ResString(device.keysLocked == 1 ? AppText::KeysLocked : AppText::KeysUnlocked));
}

void CChildView::ShowKeyLockChange()
{
    // The operator locked or unlocked the keys on the tester: the symbol follows, and so does its
    // text in the status bar while the mouse rests on it.
    RedrawKeyLock();
    if (m_keyHighlight == 1 && m_highlightArea == Area::KeyLock)
        ShowStatus(AreaText(Area::KeyLock));
}

void CChildView::mouseMoveEvent(QMouseEvent* event)
{
    const Area area = MirrorGeometry::MoveArea(PicturePoint(event->position().toPoint()), width());
    if (area == Area::None) {
        if (m_keyHighlight == 1)
            EndHighlight();
    } else if (m_keyHighlight == 0 || area != m_highlightArea) {
        // Straight from one key to another (a fast move) frames the new one.
        if (m_keyHighlight == 1)
            update(InView(MirrorGeometry::HighlightFrame(m_highlightArea, width())));
        ShowHighlight(area);
        ShowStatus(AreaText(area));
    }
    QWidget::mouseMoveEvent(event);
}

void CChildView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const Area area = MirrorGeometry::ReleaseArea(PicturePoint(event->position().toPoint()), width());
        if (area != Area::None)
            ShowHighlight(area);
    }
    QWidget::mouseReleaseEvent(event);
}

void CChildView::leaveEvent(QEvent* event)
{
    // The mouse may leave the window straight from a key: the frame and its text go with it.
    if (m_keyHighlight == 1)
        EndHighlight();
    QWidget::leaveEvent(event);
}

void CChildView::ShowHighlight(Area area)
{
    m_highlightArea = area;
    m_keyHighlight = 1;
    update(InView(MirrorGeometry::HighlightFrame(area, width())));
}

void CChildView::EndHighlight()
{
    update(InView(MirrorGeometry::KeysRect(width())));
    m_keyHighlight = 0;
    m_highlightArea = Area::None;
    ShowStatus(ResString(Link().IsOpen() ? AppText::Online : AppText::Offline));
}

QString CChildView::AreaText(Area area) const
{
    switch (area) {
    case Area::LeftKey:
        return ResString(AppText::KeyLeft);
    case Area::RightKey:
        return ResString(AppText::KeyRight);
    case Area::DownKey:
        return ResString(AppText::KeyDown);
    case Area::KeyLock:
        return ResString(store.device.keysLocked == 1 ? AppText::KeysLocked : AppText::KeysUnlocked);
    default:
        return {};
    }
}
