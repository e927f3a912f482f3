#pragma once
// CSCLERONApp: the application object. InitInstance runs the program's start-up in order (the
// stream layer, the language, the main frame with its view, the icon, showing the window);
// ExitInstance undoes it. It also carries the commands that belong to the application itself
// ("About").

#include "app/CommandHandlers.h"
#include "app/PortFollower.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class CArchiveDesk;
class CMainFrame;
class IUserPrompts;
class QTranslator;
class QUrl;
struct SUpdateSetup;

class CSCLERONApp {
public:
    struct Options {
        QStringList arguments;        // the command line without the program name
        bool useWidgetPrompts = true; // tests answer prompts themselves
        bool showFrame = true;
        QStringList languageFolders;  // empty: the program's folder, then the installed data folder
        // Opens documents and web addresses; empty: the desktop's handler.
        std::function<bool(const QUrl&)> openUrl;
        bool updateService = true;    // the update service with its background search at start
        // Serial devices plugged in and pulled are followed, and missing permissions told.
        bool followSerialPorts = true;
        CPortFollower::Setup serialPorts; // empty members: the machine's ports and permissions
    };

    CSCLERONApp();
    ~CSCLERONApp();
    CSCLERONApp(const CSCLERONApp&) = delete;
    CSCLERONApp& operator=(const CSCLERONApp&) = delete;

    // False when start-up failed; no window is shown then.
    bool InitInstance(const Options& options);
    // Closes and destroys the frame if it still exists, then releases what start-up acquired.
    void ExitInstance();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    // The loaded language's translation; nullptr while the built-in English is used.
    const QTranslator* LanguageModule() const { return m_language.get(); }
    const CommandHandlers& Commands() const { return m_commands; }
    CArchiveDesk* Archive() const { return m_archive.get(); }

private:
    void LoadLanguage(const QStringList& folders);

    bool m_streamsStarted = false;
    std::unique_ptr<QTranslator> m_language;
    // Qt's own texts in the same language, loaded with it.
    std::unique_ptr<QTranslator> m_qtTexts;
    std::unique_ptr<IUserPrompts> m_prompts;
    std::unique_ptr<SUpdateSetup> m_updateSetup;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CArchiveDesk> m_archive; // goes before the frame it watches
    std::unique_ptr<CPortFollower> m_portFollower;
    CommandHandlers m_commands;
};
