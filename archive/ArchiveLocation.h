#pragma once
// Where the archive lives: an SQLite file (by default in the user's data folder), a PostgreSQL
// server shared by several PCs, or nowhere (switched off).
//
// Written as one text, in the environment variable SCLERON_ARCHIVE_URL or the user's settings:
//   empty                                  the default SQLite file
//   "off"                                  no archive
//   "sqlite:PATH"                          an SQLite file of one's own choosing
//   "postgresql://user@host:port/database" a PostgreSQL server (port optional, default 5432)
// A password is never part of it: the server's client library reads it from ~/.pgpass or
// PGPASSWORD, so it is not kept in the settings file. A text with a password is refused.

#include <QString>

#include <optional>

struct ArchiveLocation {
    enum class Kind { Off, Sqlite, Postgres };
    Kind kind = Kind::Sqlite;
    QString path;     // Sqlite
    QString user;     // Postgres
    QString host;
    int port = 5432;
    QString database;

    // Reads the text form; nullopt with a reason for a text that names no archive.
    static std::optional<ArchiveLocation> Parse(const QString& text, QString* error);
    // The SQLite file used when nothing else is set: "scleron/archive.sqlite" in the user's data
    // folder ($XDG_DATA_HOME, default ~/.local/share).
    static QString DefaultSqlitePath();
    // The location for messages: the file's path or "user@host:port/database".
    QString Describe() const;
};

namespace ArchiveSettings {
inline constexpr const char* kEnvironment = "SCLERON_ARCHIVE_URL";
inline constexpr const char* kKey = "Software\\Halvex\\Kestrel\\Archive";
inline constexpr const char* kValue = "URL";

// The text kept in the user's settings (empty when none).
QString StoredText();
// Keeps the text in the user's settings; false when it could not be written.
bool Store(const QString& text);
// The text in effect: the environment variable when it is set, else the settings.
QString EffectiveText();
// The location in effect, nullopt with a reason when its text is not valid.
std::optional<ArchiveLocation> Current(QString* error);
} // namespace ArchiveSettings
