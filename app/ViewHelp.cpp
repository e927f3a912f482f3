// Help: the operating instructions of the language chosen in the Settings menu, opened with the
// desktop's viewer.

#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/Language.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

void CChildView::ShowHelp()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString name = Language::HelpDocumentName(Language::Stored());
    // Beside the program first, then in the installed data folder.
    QString path;
    for (const QString& folder : Language::SearchFolders()) {
        if (QFileInfo::exists(QDir(folder).filePath(name))) {
            path = QDir(folder).filePath(name);
            break;
        }
    }
    const bool opened = !path.isEmpty() && m_frame && m_frame->OpenDocument(path);
    ShowStatus(ConnectionText());
    QGuiApplication::restoreOverrideCursor();
    // A missing document, or one no program opens, is said with its name.
    if (path.isEmpty())
        Prompts().Message(ResString(AppText::HelpMissing).arg(QDir::toNativeSeparators(
                              QDir(Language::SearchFolders().constFirst()).filePath(name))),
                          PromptButtons::Ok, PromptIcon::Warning);
    else if (m_frame && !opened)
        Prompts().Message(ResString(AppText::CannotOpen).arg(QDir::toNativeSeparators(path)), PromptButtons::Ok,
                          PromptIcon::Warning);
}
