#include "common/ScriptedPrompts.h"

PromptAnswer ScriptedPrompts::Message(const QString& text, PromptButtons buttons, PromptIcon icon)
{
    messages << text;
    icons << icon;
    if (answers.empty())
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    const PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedPrompts::FileName(const FileDialogRequest& request)
{
    dialogs << request;
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}
