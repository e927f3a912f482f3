#include "updatewizard/UpdatePage.h"

#include "resources/StringTable.h"
#include "updatewizard/AutoUpdate.h"

#include <QLabel>
#include <QVBoxLayout>

CUpdatePage::CUpdatePage(CAutoUpdate* sheet, int dialogId, int titleTextId)
    : m_sheet(sheet)
{
    setObjectName(QStringLiteral("dialog%1").arg(dialogId));
    setTitle(ResString(titleTextId));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
}

QLabel* CUpdatePage::AddLine(int controlId)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("ctrl%1").arg(controlId));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    static_cast<QVBoxLayout*>(layout())->addWidget(label);
    return label;
}

QString CUpdatePage::ForLabel(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

void CUpdatePage::SetWizardButtons(int buttons)
{
    m_buttons = buttons;
    setFinalPage(buttons == CAutoUpdate::kButtonFinish);
    emit completeChanged();
    m_sheet->UpdateDefaultButton();
}

int CUpdatePage::nextId() const
{
    return m_buttons == CAutoUpdate::kButtonFinish ? -1 : QWizardPage::nextId();
}
