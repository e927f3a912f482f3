#pragma once
// Test helpers for files: a temporary folder, whole-file reads and writes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);
// A path below the source tree's tests/ folder (fixtures).
QString FixturePath(const QString& relative);
