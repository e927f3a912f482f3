#pragma once
// The subcommands of scleron-cli. Each takes the arguments after its name and returns the
// process exit code.

#include <QStringList>

struct Subcommand {
    const char* name;
    const char* usage;   // one line for --help
    int (*run)(const QStringList& args);
};
