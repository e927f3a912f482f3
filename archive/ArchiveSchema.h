#pragma once
// The archive's tables and their migrations. The schema carries its version in the table
// archive_schema; opening an archive runs every migration above that version, each in its own
// transaction, one process at a time.

#include "archive/Archive.h"

namespace ArchiveSchema {
// The version this program writes.
constexpr int kCurrentVersion = 2;

// Brings the database up to `target` (default: the current version). A database written by a
// newer program (a higher version) is refused: this program would not know its rules.
bool Migrate(QSqlDatabase& db, SqlDialect dialect, QString* error, int target = kCurrentVersion);
// The version recorded in the database; 0 for an empty database.
int Version(QSqlDatabase& db, QString* error);
} // namespace ArchiveSchema
