#pragma once
// Test helpers for files: a temporary folder, whole-file reads and writes, file contents that show
// a shifted or lost byte, and environment variables set for one scope.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);
// A path below the source tree's tests/ folder (fixtures).
QString FixturePath(const QString& relative);
// size bytes in which every byte depends on its position (not a short repeat).
QByteArray PatternBytes(qsizetype size);

// Sets an environment variable and restores its former value (or its absence) when it goes.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};
