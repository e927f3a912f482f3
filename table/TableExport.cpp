#include "table/TableExport.h"

#include "data/FileWriter.h"
#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/TableHost.h"
#include "table/TableSheet.h"
#include "table/TableStrings.h"
#include "table/TableTexts.h"

#include <QBuffer>

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
    // The text is put together first and then handed to the file writer, which replaces an
    // existing file only once the new one is complete (FileWriter.h).
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    store.grid->WriteText(buffer, ExportHeaderText(store), QLatin1Char('\t'));
    QString reason;
    switch (FileWriter::WriteFile(path, text, &reason)) {
    case FileWriter::Result::Written:
        return true;
    case FileWriter::Result::NotCreated:
        if (error)
            *error = ResString(TableStrings::CannotCreateFile).arg(path, reason);
        return false;
    case FileWriter::Result::NotWritten:
        if (error)
            *error = ResString(TableStrings::SaveGridFailed) + QLatin1Char('\n') + reason;
        return false;
    }
    return false;
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
        if (!written) {
            Prompts().Message(error, PromptButtons::Ok, PromptIcon::Error);
        } else {
            ShowConnectionStatus(path);
            return;
        }
    }
    ShowConnectionStatus();
}

bool WriteTableExport(const CMeasurementStore& store, const CTableSheet& sheet, QIODevice& out)
{
    return sheet.WriteText(out, ExportHeaderText(store), QLatin1Char('\t'));
}
