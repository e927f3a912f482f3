#include "updatewizard/PageSearch.h"

#include "resources/StringTable.h"
#include "update/InstallerChoice.h"
#include "update/UpdateTexts.h"
#include "updatewizard/AutoUpdate.h"

#include <QLabel>
#include <QVBoxLayout>

#include <memory>
#include <optional>

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
    setTitle(ResString(UpdateText::SearchPage));
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
    return CUpdatePage::event(event);
}

void CPageSearch::OnConnect()
{
    // Connect and list on the worker thread; the page only shows the outcome.
    struct Result {
        bool connected = false;
        std::optional<QList<SRemoteEntry>> listing;
        QString error;
    };
    auto result = std::make_shared<Result>();
    CAutoUpdate* sheet = m_sheet;
    m_sheet->Worker().Run(
        this,
        [sheet, result] {
            result->connected = sheet->EnsureConnected(&result->error);
            if (!result->connected)
                return;
            result->listing = sheet->Server().List(QStringLiteral("*"));
            if (!result->listing)
                result->error = sheet->Server().GetErrorText();
        },
        [this, result] {
            if (result->listing)
                OnListed(*result->listing);
            else
                OnFailed(result->error);
        });
}

void CPageSearch::OnFailed(const QString& error)
{
    m_sheet->installerName.clear();
    setTitle(ResString(UpdateText::HeaderSearchFailed));
    m_title->hide();
    m_status->setText(error);
    SetWizardButtons(CAutoUpdate::kButtonFinish);
}

void CPageSearch::OnListed(const QList<SRemoteEntry>& listing)
{
    const CVersion own = m_sheet->OwnVersion();
    const SInstallerChoice choice = ChooseInstaller(listing, own);
    m_sheet->installerName = choice.name;
    m_sheet->installerSize = choice.size;
    m_title->hide();
    m_status->hide();
    const QString product = m_sheet->Setup().productName;
    if (!choice.name.isEmpty()) {
        setTitle(ResString(UpdateText::HeaderFound));
        m_message->setText(ForLabel(FillResString(UpdateText::NewerFound, {product, choice.version.Format(3), own.Format(3)})));
        SetWizardButtons(CAutoUpdate::kButtonNext);
    } else {
        setTitle(ResString(UpdateText::HeaderNoUpdate));
        m_message->setText(ForLabel(FillResString(UpdateText::NoUpdate, {product})));
        SetWizardButtons(CAutoUpdate::kButtonFinish);
    }
    m_message->show();
}
