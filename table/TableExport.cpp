#include "table/TableExport.h"

#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/TableHost.h"
#include "table/TableSheet.h"
#include "table/TableStrings.h"
#include "table/TableTexts.h"

#include <QSaveFile>

#include <stdexcept>

namespace {
FileDialogRequest ExportDialog()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Text (*.txt)|*.txt|All Files (*.*)|*.*||");
    request.initialName = QStringLiteral("*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.save = true;
    return request;
}
} // namespace

bool ExportTableTo(CMeasurementStore& store, const QString& path, QString* error)
{
    if (!store.grid)
        throw std::invalid_argument("the measurement table has no grid");
    // Written beside the target and renamed over it only when complete, so a failed export never
    // leaves a truncated file where the user had one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = ResString(TableStrings::CannotCreateFile).arg(path, file.errorString());
        return false;
    }
    const bool written = store.grid->WriteText(file, ExportHeaderText(store), QLatin1Char('\t'));
    if (!written)
        file.cancelWriting();
    if (!written || !file.commit()) {
        if (error)
            *error = ResString(TableStrings::SaveGridFailed);
        return false;
    }
    return true;
}

void ExportTable(CMeasurementStore& store)
{
    TableHost().SetStatusText(ResString(TableStrings::Exporting));
    const QString path = WithDefaultExtension(Prompts().FileName(ExportDialog()), QStringLiteral("txt"));
    if (!path.isEmpty()) {
        // The wait cursor is application-wide, so it is shown only while the file is written:
        // the file dialog and the error box keep the ordinary pointer.
        QString error;
        bool written = false;
        {
            CWaitCursor wait;
            written = ExportTableTo(store, path, &error);
        }
        if (!written)
            Prompts().Message(error, PromptButtons::Ok, PromptIcon::Error);
    }
    ShowConnectionStatus();
}

bool WriteTableExport(const CMeasurementStore& store, const CTableSheet& sheet, QIODevice& out)
{
    return sheet.WriteText(out, ExportHeaderText(store), QLatin1Char('\t'));
}
