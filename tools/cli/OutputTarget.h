#pragma once
// Where a subcommand's "-o OUT" goes: "-" is standard output, anything else a file written
// through the program's file writer (data/FileWriter.h: a device or FIFO is written into, never
// replaced; a directory is refused; an existing file is replaced only once the new one is whole).
// Every subcommand with "-o" writes through here.

#include <QByteArray>
#include <QString>

namespace OutputTarget {

// The "-o" value that names standard output.
inline constexpr const char* kStandardOutput = "-";

bool IsStandardOutput(const QString& target);
// Writes bytes to target; false with the system's reason in *reason.
bool Write(const QString& target, const QByteArray& bytes, QString* reason);

} // namespace OutputTarget
