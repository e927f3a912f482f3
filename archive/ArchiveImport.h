#pragma once
// Importing measurement files into the archive: a file goes in whole or not at all.

#include "archive/Archive.h"

#include <QByteArray>

struct FileImport {
    enum class Status {
        Imported,       // recorded (possibly nothing new)
        Unreadable,     // the file could not be read
        UnknownVersion, // not a measurement file of a known version
        TooLarge,       // over the measurement file's size limit
        Malformed,      // a count not met or a field that does not convert: nothing imported
        NotRecorded,    // the archive refused the transaction: nothing imported
    };
    Status status = Status::Imported;
    CArchive::RecordResult counts;
    QString error; // NotRecorded: the database's reason
};

// The SHA-256 of the bytes, lower-case hexadecimal.
QString Sha256Text(const QByteArray& bytes);

// Reads the measurement file and records its series in one transaction, with the file's name and
// SHA-256 as their origin.
FileImport ImportFile(CArchive& archive, const QString& path);
