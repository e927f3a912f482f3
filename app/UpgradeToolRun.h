#pragma once
// Runs the external firmware upgrade tool and waits until it ends. Meanwhile a small modal window
// says that the tool is running: the program takes no input (the tool owns the tester's port) but
// keeps repainting. The window cannot be closed; it goes when the tool ends.

#include <QString>
#include <QStringList>

class QWidget;

// Starts program with arguments (no shell), owned by owner, and returns once it has ended. False,
// without any message, when it could not be started (missing, not executable).
bool RunUpgradeTool(QWidget* owner, const QString& program, const QStringList& arguments);
