// Help: the operating instructions of the language chosen in the Settings menu, opened with the
// desktop's viewer.

#include "app/ChildView.h"
#include "app/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

void CChildView::ShowHelp()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString name = Language::HelpDocumentName(Language::Stored());
    // Beside the program first, then in the installed data folder; when neither has it, the path
    // beside the program goes to the viewer, which tells the user it is missing.
    const QStringList folders = Language::SearchFolders();
    QString path = QDir(folders.first()).filePath(name);
    for (const QString& folder : folders) {
        if (QFileInfo::exists(QDir(folder).filePath(name))) {
            path = QDir(folder).filePath(name);
            break;
        }
    }
    if (m_frame)
        m_frame->OpenDocument(path);
    ShowStatus(ConnectionText());
    QGuiApplication::restoreOverrideCursor();
}
