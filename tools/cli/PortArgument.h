#pragma once
// The "--port N" argument of the subcommands that talk to a tester: COM1..COM30, written as plain
// decimal digits ("7", "07"). Signs, spaces, hexadecimal and larger numbers are refused.

#include <QString>

// The port number, or 0 when text is not one.
int PortArgument(const QString& text);
