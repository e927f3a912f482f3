#pragma once
// Answers message boxes and file dialogs from a script, and records what was asked.

#include "data/UserPrompts.h"

#include <QStringList>

#include <deque>

class ScriptedPrompts final : public IUserPrompts {
public:
    ScriptedPrompts() { SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(nullptr); }

    PromptAnswer Message(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    QString FileName(const FileDialogRequest& request) override;

    std::deque<PromptAnswer> answers;   // next answers to message boxes (default: Cancel / Ok)
    std::deque<QString> fileNames;      // next answers to file dialogs (default: cancelled)
    QStringList messages;               // texts of the message boxes shown
    QList<FileDialogRequest> dialogs;   // file dialogs shown
    QList<PromptIcon> icons;
};
