#pragma once
// CAutoUpdate: the software update service of the main frame. At start it looks for a newer
// installer on the update server in the background and posts UM_SOFTWARE_VERSION to the frame;
// "Check for updates" runs it as a two-page wizard: CPageSearch (connect, list, decide) and
// CPageDownload (download beside the program, check its signature, start the installer). The
// exchanges with the server run on a worker thread (UpdateWorker.h); the pages tell every failure
// in their own lines. The wizard ends with OK only after the installer was started.

#include "update/BackgroundSearch.h"
#include "update/TrustedKeys.h"
#include "update/UpdateServer.h"
#include "update/UpdateSession.h"
#include "update/Version.h"
#include "updatewizard/UpdateWorker.h"

#include <QString>
#include <QWizard>

#include <functional>

class CPageSearch;
class CPageDownload;

struct SUpdateSetup {
    // Folder of the running program, ending in '/': where installers are downloaded to.
    QString programFolder;
    // ProductName and ProductVersion of the running program's version block.
    QString productName;
    QString productVersion;
    SUpdateServer server = UpdateServerFromEnvironment();
    // Whose signatures an installer may carry.
    QList<SPublicKey> trustedKeys = TrustedUpdateKeys();
    // Starts a downloaded installer; false with the reason in *error when it could not be started.
    // The default makes the file executable and starts it detached in its folder.
    std::function<bool(const QString& path, QString* error)> startInstaller;
};

// The setup of the program running now: its folder and its own version block.
SUpdateSetup RunningProgramSetup();
// Makes the file executable for its owner and starts it as a process of its own.
bool StartInstallerDetached(const QString& path, QString* error);

class CAutoUpdate : public QWizard {
    Q_OBJECT
public:
    // Window messages of the wizard's steps, posted to its pages.
    static constexpr int UM_SEARCH_CONNECT = 0x8461;
    static constexpr int UM_SEARCH_LIST = 0x8462;
    static constexpr int UM_DOWNLOAD_START = 0x8463;
    static constexpr int UM_DOWNLOAD_CHUNK = 0x8464;
    static constexpr int UM_DOWNLOAD_DONE = 0x8465;
    // Wizard button states.
    static constexpr int kButtonsNone = 0;
    static constexpr int kButtonNext = 2;
    static constexpr int kButtonFinish = 4;

    // mainFrame receives the background search's result and owns the wizard window.
    CAutoUpdate(QWidget* mainFrame, SUpdateSetup setup);
    ~CAutoUpdate() override;

    // Starts the background search; its result is posted to the main frame as resultMessage.
    void StartBackgroundCheck(int resultMessage);
    bool BackgroundCheckRunning() const { return m_search.IsRunning(); }
    // Ends a running background search, then runs the wizard modally. True when it ended with the
    // installer started.
    bool RunWizard();

    // Connected to the product folder, connecting when needed; else the error text. Runs on the
    // worker thread.
    bool EnsureConnected(QString* error);

    CUpdateSession& Server() { return m_server; }
    CUpdateWorker& Worker() { return m_worker; }
    // Sets the button Return presses: the visible, enabled Next or Finish; none otherwise.
    void UpdateDefaultButton();
    const SUpdateSetup& Setup() const { return m_setup; }
    CVersion OwnVersion() const { return CVersion(m_setup.productVersion); }

    QString installerName;
    quint64 installerSize = 0;

    // The download page reports the installer started; the wizard then ends with OK.
    void InstallerStarted();
    CPageSearch* SearchPage() const { return m_searchPage; }
    CPageDownload* DownloadPage() const { return m_downloadPage; }

public slots:
    void done(int result) override;

private:
    SUpdateSetup m_setup;
    CUpdateSession m_server;
    CBackgroundSearch m_search;
    // Declared after the session: it goes first, waiting for its thread.
    CUpdateWorker m_worker;
    QWidget* m_mainFrame;
    CPageSearch* m_searchPage;
    CPageDownload* m_downloadPage;
    bool m_installerStarted = false;
};

// A file name as the pages show it: long names are shortened in the middle.
QString ShownFileName(const QString& name);
// Posts one of the wizard's step messages to a page.
void PostStep(QObject* page, int message);
// Whether event is the step message.
bool IsStep(const QEvent* event, int message);
