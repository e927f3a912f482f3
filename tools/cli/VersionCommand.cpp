// scleron-cli version [FILE]: the version block of one of our executables (this one by default).
#include "tools/cli/Subcommands.h"

#include "update/FileVersionInfo.h"

#include <cstdio>

int RunVersionCommand(const QStringList& args)
{
    if (args.size() > 1) {
        std::fprintf(stderr, "scleron-cli version: takes at most one file\n");
        return 2;
    }
    const QString path = args.isEmpty() ? CFileVersionInfo::OwnExecutablePath() : args.first();
    CFileVersionInfo info;
    if (!info.LoadFile(path)) {
        std::fprintf(stderr, "scleron-cli version: %s has no version block of this program\n", qPrintable(path));
        return 1;
    }
    // The two the update service uses first, then every string in the block's order.
    std::printf("ProductName: %s\n", qPrintable(info.GetProductName()));
    std::printf("ProductVersion: %s\n", qPrintable(info.GetProductVersion()));
    for (int f = 0; f < CFileVersionInfo::FieldCount; ++f) {
        const auto field = static_cast<CFileVersionInfo::Field>(f);
        if (field != CFileVersionInfo::ProductName && field != CFileVersionInfo::ProductVersion)
            std::printf("%s: %s\n", CFileVersionInfo::FieldName(field), qPrintable(info.Get(field)));
    }
    return 0;
}
