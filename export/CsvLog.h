#pragma once
// CCsvLog: a CSV file of measurements that only ever grows, for the live logger. A new (or empty)
// file gets the byte-order mark of its dialect and the header line; an existing log is never
// truncated and keeps its own dialect (read from its header), whatever dialect was asked for.
// A line is written whole or not at all: a write that fails part-way is cut off again, so the
// file always ends with a complete line.

#include "export/CsvDialect.h"

#include <QByteArray>
#include <QString>

class CCsvLog {
public:
    CCsvLog() = default;
    ~CCsvLog();
    CCsvLog(const CCsvLog&) = delete;
    CCsvLog& operator=(const CCsvLog&) = delete;

    // Opens path for appending, creating it when missing. False with the reason when it cannot be
    // opened, or when an existing file does not start with the measurements header of either
    // dialect (it is then left untouched).
    // A FIFO is written into (its open fails rather than waits when nobody reads it).
    bool Open(const QString& path, const CsvDialect& wanted, QString* error);
    // The same on standard output.
    bool OpenStandardOutput(const CsvDialect& wanted, QString* error);
    // The dialect the rows must be written in (the existing file's, or the one asked for).
    const CsvDialect& Dialect() const { return dialect; }
    // Appends one complete line (ended by CR LF). False with the reason when it could not be
    // written whole; the file is then as it was before.
    bool Append(const QByteArray& line, QString* error);
    // Flushes the file to the disk and closes it.
    void Close();
    bool IsOpen() const { return fd >= 0; }

private:
    // Writes the header to a new or empty file, or adopts an existing log's dialect.
    bool Begin(const QString& path, const CsvDialect& wanted, QString* error);
    // Reads the first line of a regular file; false when the file is not one of our logs.
    bool AdoptExistingHeader(const QString& path, QString* error);
    bool WriteWhole(const QByteArray& bytes, QString* error);

    int fd = -1;
    CsvDialect dialect;
    bool needsLineEnd = false; // the existing file's last line has no line end yet
};
