#include "app/ArchiveDesk.h"

#include "app/ArchiveSettingsDialog.h"
#include "app/ArchiveWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/TableArea.h"
#include "archive/ArchiveStrings.h"
#include "archive/StoreSeries.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

CArchiveDesk::CArchiveDesk(CMainFrame& frame) : frame(frame), feeder(frame) {}

CArchiveDesk::~CArchiveDesk()
{
    feeder.Flush(kCloseFlushMs);
}

void CArchiveDesk::AddCommands(CommandHandlers& commands)
{
    commands.Add(Cmd::Archive, [this] { ShowArchiveWindow(); });
    commands.Add(Cmd::ArchiveSettings, [this] { EditSettings(); });
}

void CArchiveDesk::ShowArchiveWindow()
{
    QString error;
    const std::optional<ArchiveLocation> location = ArchiveSettings::Current(&error);
    if (!location || location->kind == ArchiveLocation::Kind::Off) {
        Prompts().Message(location ? ResString(ArchiveStrings::SwitchedOff) : ResString(ArchiveStrings::BadSetting).arg(error),
                          PromptButtons::Ok, PromptIcon::Information);
        return;
    }
    CArchiveWindow window(*location, frame.View().Limits(),
                          [this](const std::vector<ArchivedSeries>& series) { OpenSeries(series); }, &frame);
    window.exec();
}

void CArchiveDesk::EditSettings()
{
    CArchiveSettingsDialog dialog(&frame);
    if (dialog.exec() == QDialog::Accepted)
        feeder.UseCurrentLocation();
}

void CArchiveDesk::OpenSeries(const std::vector<ArchivedSeries>& series)
{
    CChildView& view = frame.View();
    if (series.empty() || !view.ResetData(true))
        return;
    CMeasurementStore& store = view.store;
    for (std::size_t i = 0; i < series.size(); ++i)
        AppendToStore(store, series[i], i == 0);
    // Read like a file: nothing unsaved yet; Save writes a measurement file as always.
    store.ClearChanges();
    feeder.LoadedFromArchive();
    RefreshTableArea(store);
    view.update();
}
