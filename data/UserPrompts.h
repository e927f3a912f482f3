#pragma once
// The one seam through which the program asks the user something: message boxes and file
// dialogs. The desktop program installs a widget implementation at start-up; tests install a
// scripted one; without an installation every question is answered as if cancelled, so code
// without windows (the command-line tool) never blocks on a question.

#include <QString>

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    // Filter in the "Name (*.ext)|*.ext|...||" form the program's resources use.
    QString filter;
    QString initialName;     // e.g. "*.hkp"
    QString defaultExtension; // appended when the typed name has none, e.g. "hkp"
    bool save = false;        // save form (asks before overwriting) or open form
    QString title;
};

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    virtual PromptAnswer Message(const QString& text, PromptButtons buttons, PromptIcon icon) = 0;
    // Returns the chosen path, or an empty text when the dialog was cancelled.
    virtual QString FileName(const FileDialogRequest& request) = 0;
};

// The installed implementation (never null).
IUserPrompts& Prompts();
// Installs prompts (not owned); nullptr restores the answer-cancel default.
void SetPrompts(IUserPrompts* prompts);

// Converts a "Name (*.ext)|*.ext|...||" filter to Qt's "Name (*.ext);;..." form.
QString ToQtFileFilter(const QString& filter);
// Appends ".ext" when the last path component has no extension and ext is not empty.
QString WithDefaultExtension(const QString& path, const QString& ext);
