#pragma once
// The one way the program writes a file the user named: measurement files, the text export and
// the command-line tool's output all come through here.
//
// - A regular file (or a new name) is written beside the target under a temporary name and
//   renamed over it only when everything was written and synced, so a failed write never leaves
//   a truncated file where the user had one. An existing file keeps its permission bits (and, for
//   root, its owner); a file without any write permission is not replaced. A symbolic link stays
//   a link: the file it points to is replaced.
// - An existing target that is not a regular file (a character or block device, a FIFO, a
//   socket) is written into directly and never renamed over: "/dev/null" stays a device.
//   The open never waits (a FIFO nobody reads is an error, not a hang).
// - A directory is refused.
// Every failure carries the operating system's own text ("No space left on device").

#include <QByteArray>
#include <QString>

namespace FileWriter {

enum class Result {
    Written,
    NotCreated, // the target could not be opened or created (reason says why)
    NotWritten, // it was opened, but writing failed; an existing file is unchanged
};

// Writes bytes to path as described above; on failure *reason (when given) is the system's text.
Result WriteFile(const QString& path, const QByteArray& bytes, QString* reason);
// Writes all bytes to an open descriptor, resuming after short writes and interruptions.
Result WriteAll(int fd, const QByteArray& bytes, QString* reason);

} // namespace FileWriter
