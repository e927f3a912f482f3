#pragma once
// The desktop program's answers to the prompt seam: message boxes and file dialogs on screen.

#include "data/UserPrompts.h"

class CWidgetPrompts final : public IUserPrompts {
public:
    // A box closed without a button counts as Cancel, or as No when there is no Cancel.
    PromptAnswer Message(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    // The save form asks before replacing an existing file; a name typed without an extension
    // gets the default extension.
    QString FileName(const FileDialogRequest& request) override;
};
