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
