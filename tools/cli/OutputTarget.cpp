#include "tools/cli/OutputTarget.h"

#include "data/FileWriter.h"

#include <cstdio>
#include <unistd.h>

namespace OutputTarget {

bool IsStandardOutput(const QString& target)
{
    return target == QLatin1String(kStandardOutput);
}

bool Write(const QString& target, const QByteArray& bytes, QString* reason)
{
    if (!IsStandardOutput(target))
        return FileWriter::WriteFile(target, bytes, reason) == FileWriter::Result::Written;
    // Whatever the program printed through stdio goes out first, so the order stays.
    std::fflush(stdout);
    return FileWriter::WriteAll(STDOUT_FILENO, bytes, reason) == FileWriter::Result::Written;
}

} // namespace OutputTarget
