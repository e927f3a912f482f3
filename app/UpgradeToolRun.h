#pragma once
// Runs the external firmware upgrade tool and waits until it ends. Meanwhile a small modal window
// says that the tool is running: the program takes no input (the tool owns the tester's port) but
// keeps repainting. The window cannot be closed; it goes when the tool ends.

#include <QString>
#include <QStringList>

class QWidget;

struct SToolRun {
    bool started = false;
    // How it ended (when it started): a crash counts as failed.
    bool failed = false;
    int exitCode = 0;
    // Why it could not be started.
    QString error;
};

// Starts program with arguments (no shell) in workingFolder (empty: the current one), owned by
// owner, and returns once it has ended.
SToolRun RunUpgradeTool(QWidget* owner, const QString& program, const QStringList& arguments,
                        const QString& workingFolder = {});
