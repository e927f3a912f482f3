#include "updatewizard/PageSearch.h"

#include "resources/StringTable.h"
#include "update/InstallerChoice.h"
#include "update/UpdateTexts.h"
#include "updatewizard/AutoUpdate.h"

#include <QLabel>
#include <QVBoxLayout>

CPageSearch::CPageSearch(CAutoUpdate* sheet)
    : CUpdatePage(sheet, kDialogId, UpdateText::SearchPage)
{
    m_title = AddLine(kTitleLine);
    m_status = AddLine(kStatusLine);
    m_message = AddLine(kMessage);
    static_cast<QVBoxLayout*>(layout())->addStretch(1);
}

void CPageSearch::initializePage()
{
    SetWizardButtons(CAutoUpdate::kButtonsNone);
    m_title->setText(FillResString(UpdateText::SearchingFor, {m_sheet->Setup().productName}));
    m_title->show();
    m_status->setText(ResString(UpdateText::Connecting));
    m_status->show();
    m_message->hide();
    PostStep(this, CAutoUpdate::UM_SEARCH_CONNECT);
}

bool CPageSearch::event(QEvent* event)
{
    if (IsStep(event, CAutoUpdate::UM_SEARCH_CONNECT)) {
        OnConnect();
        return true;
    }
    if (IsStep(event, CAutoUpdate::UM_SEARCH_LIST)) {
        OnList();
        return true;
    }
    return CUpdatePage::event(event);
}

void CPageSearch::OnConnect()
{
    QString error;
    if (!m_sheet->EnsureConnected(&error)) {
        m_title->hide();
        m_status->setText(error);
        SetWizardButtons(CAutoUpdate::kButtonFinish);
        return;
    }
    PostStep(this, CAutoUpdate::UM_SEARCH_LIST);
}

void CPageSearch::OnList()
{
    m_status->setText(ResString(UpdateText::ReceivingInfo));
    const CVersion own = m_sheet->OwnVersion();
    const auto listing = m_sheet->Server().List(QStringLiteral("*"));
    m_sheet->installerName.clear();
    if (!listing) {
        // The session has shown the failure; only Cancel is left.
        m_status->setText(m_sheet->Server().GetErrorText());
        return;
    }
    const SInstallerChoice choice = ChooseInstaller(*listing, own);
    m_sheet->installerName = choice.name;
    m_sheet->installerSize = choice.size;
    m_title->hide();
    m_status->hide();
    const QString product = m_sheet->Setup().productName;
    if (!choice.name.isEmpty()) {
        m_message->setText(ForLabel(FillResString(UpdateText::NewerFound, {product, choice.version.Format(3), own.Format(3)})));
        SetWizardButtons(CAutoUpdate::kButtonNext);
    } else {
        m_message->setText(ForLabel(FillResString(UpdateText::NoUpdate, {product})));
        SetWizardButtons(CAutoUpdate::kButtonFinish);
    }
    m_message->show();
}
