#pragma once
// Every test of the application shell runs with its own registry file (never the user's) and
// can rewrite it.

#include <QByteArray>
#include <QString>

// The registry file the tests use; starts absent. A test program started with
// SCLERON_TEST_REGISTRY set uses that file instead (a second program reading what the first wrote).
QString TestRegistryPath();
// Replaces the registry file's content (empty: removes the file).
void SetTestRegistry(const QByteArray& text);
