// The view's commands on the measurements as a whole: save, open, copy, export (text and CSV) and
// print.
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/TableArea.h"
#include "data/UserPrompts.h"
#include "devicelink/DeviceLink.h"
#include "export/CsvExport.h"
#include "export/ExportStrings.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/TableExport.h"
#include "table/TableHost.h"
#include "table/TablePrint.h"

void CChildView::AddFileCommands()
{
    const auto hasSeries = [this](CommandState& state) { state.enabled = store.series.GetSize() > 0; };
    // Save is offered only while there is something not yet saved: a changed measurement or
    // series, or a change the records do not carry (the conversion standard, new data from the
    // tester).
    m_commands.Add(Cmd::Save, [this] { SaveFile(); }, [this](CommandState& state) {
        state.enabled = store.series.GetSize() > 0 && (store.HasChanges() || store.unsavedData == 1);
    });
    m_commands.Add(Cmd::Open, [this] { OpenFile(QString()); });
    m_commands.Add(Cmd::Copy, [this] {
        CWaitCursor wait;
        store.grid->Copy();
    }, hasSeries);
    m_commands.Add(Cmd::Export, [this] { ExportTable(store); }, hasSeries);
    m_commands.Add(Cmd::ExportCsv, [this] { ExportCsv(false); }, hasSeries);
    m_commands.Add(Cmd::ExportCsvStatistics, [this] { ExportCsv(true); }, hasSeries);
    m_commands.Add(Cmd::Print, [this] { PrintTable(store); }, hasSeries);
}

QString CChildView::ConnectionText()
{
    if (!Link().IsOpen())
        return ResString(AppText::Offline);
    QString text = ResString(AppText::Online);
    if (store.bootloaderMode == 1)
        text += ResString(AppText::BootloaderSuffix);
    return text;
}

void CChildView::SaveFile()
{
    // No wait cursor: the file dialog is the user's to answer, and writing takes a moment only.
    ShowStatus(ResString(AppText::Saving));
    if (store.SaveMeasurements() == 1 && m_recent)
        m_recent->Add(store.LastFilePath());
    ShowStatus(ResString(Link().IsOpen() ? AppText::Online : AppText::Offline));
}

void CChildView::OpenFile(const QString& path)
{
    if (ResetData(true)) {
        ShowStatus(ResString(AppText::Opening));
        store.OpenMeasurements(path);
        RefreshTableArea(store);
        if (m_recent && !store.LastFilePath().isEmpty())
            m_recent->Add(store.LastFilePath());
    }
    ShowStatus(ConnectionText());
    update();
}

void CChildView::ExportCsv(bool statistics)
{
    ShowStatus(ResString(AppText::Exporting));
    FileDialogRequest request;
    request.filter = ResString(ExportStrings::ExportCsvFilter);
    request.initialName = QStringLiteral("*.csv");
    request.defaultExtension = QStringLiteral("csv");
    request.save = true;
    const QString path = WithDefaultExtension(Prompts().FileName(request), QStringLiteral("csv"));
    // The table has put the store's scales and materials right: the file shows what it shows.
    QString reason;
    bool written = true;
    if (!path.isEmpty()) {
        // The wait cursor only while the file is written, not over the dialog or the error box.
        CWaitCursor wait;
        written = WriteCsvFile(store, statistics, CsvDialect::Locale(), path, &reason, &Limits());
    }
    if (!written)
        Prompts().Message(ResString(ExportStrings::ExportFailed).arg(path, reason), PromptButtons::Ok, PromptIcon::Error);
    ShowStatus(written && !path.isEmpty() ? WithWrittenNote(ConnectionText(), path) : ConnectionText());
}
