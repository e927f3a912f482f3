#include "app/NoticeBar.h"

#include "app/AppStrings.h"
#include "resources/StringTable.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

CNoticeBar::CNoticeBar(QWidget* parent) : QFrame(parent), m_text(new QLabel(this)), m_close(new QToolButton(this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // The tool-tip colours stand out from the window and the table without looking like an error
    // box; they follow the desktop's theme.
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_close->setText(ResString(AppText::NoticeClose));
    m_close->setToolTip(ResString(AppText::NoticeClose));
    m_close->setFocusPolicy(Qt::StrongFocus);
    m_close->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);
    connect(m_close, &QToolButton::clicked, this, &CNoticeBar::Clear);
    hide();
}

void CNoticeBar::Tell(const QString& text)
{
    const bool wasShown = !isHidden();
    m_text->setText(text);
    setHidden(text.isEmpty());
    if (wasShown != !isHidden())
        emit RoomChanged();
}

QString CNoticeBar::Text() const
{
    return isHidden() ? QString() : m_text->text();
}

int CNoticeBar::Room(int width) const
{
    return isHidden() ? 0 : qMax(sizeHint().height(), heightForWidth(width));
}

void CNoticeBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Clear();
        return;
    }
    QFrame::keyPressEvent(event);
}
