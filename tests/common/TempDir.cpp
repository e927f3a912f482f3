#include "common/TempDir.h"

#include <QFile>

#include <stdexcept>

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString FixturePath(const QString& relative)
{
    return qEnvironmentVariable("SCLERON_SOURCE_DIR", QStringLiteral(".")) + QStringLiteral("/tests/")
        + relative;
}

QByteArray PatternBytes(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : name_(name)
    , wasSet_(qEnvironmentVariableIsSet(name))
    , old_(qgetenv(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (wasSet_)
        qputenv(name_, old_);
    else
        qunsetenv(name_);
}
