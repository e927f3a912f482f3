#include "app/App.h"

#include "app/ArchiveDesk.h"

#include "app/AboutDialog.h"
#include "app/Artwork.h"
#include "app/CommandIds.h"
#include "app/Language.h"
#include "app/LanguageCommands.h"
#include "app/MainFrame.h"
#include "app/WidgetPrompts.h"
#include "streams/IoStream.h"
#include "updatewizard/AutoUpdate.h"

#include <QApplication>
#include <QTranslator>

namespace {
// The framework's profile key below "Software"; the program keeps nothing there itself.
constexpr const char* kProfileKey = "Local AppWizard-Generated Applications";
} // namespace

CSCLERONApp::CSCLERONApp()
{
    m_commands.Add(Cmd::About, [this] { ShowAboutBox(m_frame.get()); });
    AddLanguageCommands(m_commands);
}

CSCLERONApp::~CSCLERONApp()
{
    ExitInstance();
}

bool CSCLERONApp::InitInstance(const Options& options)
{
    // 1. The stream layer.
    StreamIO::StartupStreamLayer();
    m_streamsStarted = true;
    // 2. The language of the user interface.
    Language::EnsureProgramKey(QCoreApplication::applicationDirPath());
    LoadLanguage(options.languageFolders.isEmpty() ? Language::SearchFolders() : options.languageFolders);
    // 3. Common controls: nothing to initialise; Qt's widgets are ready with the application.
    // 4. OLE: no counterpart here.
    // 5. Control containers: no counterpart here.
    // 6. The framework's profile key.
    QCoreApplication::setOrganizationName(QLatin1String(kProfileKey));
    if (options.useWidgetPrompts) {
        m_prompts = std::make_unique<CWidgetPrompts>();
        SetPrompts(m_prompts.get());
    }
    // 7. The main frame with its view, toolbar and status bar.
    CMainFrame::Options frameOptions;
    frameOptions.commandLine = options.arguments;
    frameOptions.appCommands = &m_commands;
    if (options.openUrl)
        frameOptions.openUrl = options.openUrl;
    if (options.updateService) {
        // The program's own folder and version block, and the update server (or its mirror).
        m_updateSetup = std::make_unique<SUpdateSetup>(RunningProgramSetup());
        frameOptions.update = m_updateSetup.get();
    }
    m_frame = std::make_unique<CMainFrame>(frameOptions);
    // The measurement archive, filled by itself from the frame's table, and its two commands.
    m_archive = std::make_unique<CArchiveDesk>(*m_frame);
    m_archive->AddCommands(m_commands);
    // Serial devices coming and going refresh the list of testers; ports this user may not open
    // are told in the status bar.
    if (options.followSerialPorts) {
        m_portFollower = std::make_unique<CPortFollower>(m_frame->View(), *m_frame, options.serialPorts);
        m_portFollower->Start();
    }
    // 8. Icon 128.
    m_frame->setWindowIcon(ProgramIcon());
    // 9. Files dropped from the desktop: the frame accepts them.
    // 10. Show the frame and paint it at once.
    if (options.showFrame) {
        m_frame->show();
        m_frame->repaint();
    }
    return true;
}

void CSCLERONApp::ExitInstance()
{
    m_portFollower.reset();
    if (m_frame) {
        m_frame->hide();
        m_archive.reset();
        m_frame.reset();
    }
    if (m_prompts) {
        SetPrompts(nullptr);
        m_prompts.reset();
    }
    if (m_qtTexts) {
        QCoreApplication::removeTranslator(m_qtTexts.get());
        m_qtTexts.reset();
    }
    if (m_language) {
        QCoreApplication::removeTranslator(m_language.get());
        m_language.reset();
    }
    // Every stream still open is closed.
    if (m_streamsStarted) {
        StreamIO::ShutdownStreamLayer();
        m_streamsStarted = false;
    }
}

void CSCLERONApp::LoadLanguage(const QStringList& folders)
{
    // A language without a loadable file means the built-in English, without a message.
    const std::uint32_t language = Language::Stored();
    m_language = Language::Load(language, folders);
    if (!m_language)
        return;
    QCoreApplication::installTranslator(m_language.get());
    m_qtTexts = Language::LoadQtTexts(language);
    if (m_qtTexts)
        QCoreApplication::installTranslator(m_qtTexts.get());
}
