#pragma once
// The text export of the table: a tab-separated UTF-8 text of the table as it is shown, with CR LF
// line ends: the header line (device name, serial number, " V: ", firmware version, and
// " Custom J" for the conversion standard 1), the title line, and one line per row with the texts
// of columns 1..8 (seven tabs per line). Column 0 (row keys, tree images) is never written.

#include <QByteArray>
#include <QString>

class CMeasurementStore;
class CTableSheet;
class QIODevice;

// The menu command: asks for a file name (save dialog through the prompt seam) and writes the
// export of store.grid there. A file that cannot be created or written is reported in a message
// box; the file already there is then left as it was.
void ExportTable(CMeasurementStore& store);

// Writes the export of store.grid to `path`. On failure returns false with the message the user
// is shown.
bool ExportTableTo(CMeasurementStore& store, const QString& path, QString* error);

// Writes the export of a window-less sheet built by RefreshTable(store, sheet) to out.
bool WriteTableExport(const CMeasurementStore& store, const CTableSheet& sheet, QIODevice& out);
