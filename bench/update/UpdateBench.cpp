// The update service against a local pyftpdlib server.
//
// Download: a 50 MB installer, signed with a key made by the minisign tool for the run, through the
// wizard's download (worker thread, signature checked as the bytes arrive), the wizard shown and
// its progress bar moving; prints MB/s and the longest pause of the event loop during the transfer
// (how long the window could not repaint or react).
// Search: the time from the main frame's creation (which starts the background search) to the
// arrival of its result as the "New version available!" menu.
#include "app/MainFrame.h"
#include "update/TrustedKeys.h"
#include "updatewizard/AutoUpdate.h"
#include "updatewizard/PageDownload.h"
#include "updatewizard/PageSearch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr qint64 kInstallerBytes = 50LL * 1024 * 1024;
constexpr int kSearchRounds = 5;

class FtpServer {
public:
    bool Start(const QString& root)
    {
        process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(SCLERON_FTP_SERVER_SCRIPT), QStringLiteral("--root"), root,
                                                          QStringLiteral("--user"), QStringLiteral("bench"),
                                                          QStringLiteral("--password"), QStringLiteral("bench")});
        if (!process.waitForReadyRead(15000))
            return false;
        const QByteArray line = process.readLine();
        port = line.startsWith("PORT ") ? line.mid(5).trimmed().toInt() : 0;
        return port > 0;
    }
    ~FtpServer()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }
    QProcess process;
    int port = 0;
};

QList<SPublicKey> g_keys;

// A key pair without password and the installer's signature, made with the minisign tool.
bool SignInstaller(const QString& keyFolder, const QString& installerPath)
{
    const QString pub = keyFolder + QStringLiteral("/bench.pub");
    const QString sec = keyFolder + QStringLiteral("/bench.key");
    QProcess make;
    make.start(QStringLiteral("minisign"), {QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"), pub, QStringLiteral("-s"), sec});
    if (!make.waitForFinished(30000) || make.exitCode() != 0)
        return false;
    QProcess sign;
    sign.start(QStringLiteral("minisign"), {QStringLiteral("-S"), QStringLiteral("-s"), sec, QStringLiteral("-m"), installerPath});
    if (!sign.waitForFinished(120000) || sign.exitCode() != 0)
        return false;
    QFile key(pub);
    if (!key.open(QIODevice::ReadOnly))
        return false;
    g_keys = ParseKeyList(key.readAll());
    return !g_keys.isEmpty();
}

SUpdateSetup Setup(const QString& programFolder, int port)
{
    SUpdateSetup setup;
    setup.programFolder = programFolder + QLatin1Char('/');
    setup.productName = QStringLiteral("Scleron");
    setup.productVersion = QStringLiteral("3.0.5");
    setup.server = {QStringLiteral("127.0.0.1"), port, QStringLiteral("bench"), QStringLiteral("bench")};
    setup.trustedKeys = g_keys;
    setup.startInstaller = [](const QString&, QString*) { return true; }; // measured up to the start
    return setup;
}

void BenchDownload(const QString& programFolder, int port)
{
    CAutoUpdate wizard(nullptr, Setup(programFolder, port));
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    QTimer ticker; // stands for the window's own work: runs whenever the event loop gets a turn
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (clock.isValid() && wizard.DownloadPage()->Transferred() > 0)
            longestPause = std::max(longestPause, now - lastTick);
        lastTick = now;
    });
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!clock.isValid() && wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext) {
            clock.start();
            wizard.button(QWizard::NextButton)->click();
        }
    });
    ticker.start(0);
    driver.start(5);
    const bool started = wizard.RunWizard();
    const double seconds = clock.elapsed() / 1000.0;
    if (!started) {
        std::printf("download: FAILED (the installer was not started)\n");
        return;
    }
    const double megabytes = kInstallerBytes / 1048576.0;
    std::printf("download: %.0f MB in %.2f s = %.1f MB/s (signature checked, progress bar live; longest event-loop pause %lld ms)\n",
                megabytes, seconds, megabytes / seconds, static_cast<long long>(longestPause));
}

void BenchSearch(const QString& programFolder, int port)
{
    const SUpdateSetup setup = Setup(programFolder, port);
    double total = 0;
    double worst = 0;
    for (int round = 0; round < kSearchRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        CMainFrame::Options options;
        options.update = &setup;
        CMainFrame frame(options);
        frame.show();
        while (!frame.UpdateMenu() && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const double ms = clock.nsecsElapsed() / 1e6;
        if (!frame.UpdateMenu()) {
            std::printf("search: FAILED (no result within 30 s)\n");
            return;
        }
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("search: start-up to \"New version available!\" %.1f ms on average, %.1f ms at most (%d rounds)\n",
                total / kSearchRounds, worst, kSearchRounds);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    QTemporaryDir program;
    QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron"));
    QFile installer(root.filePath(QStringLiteral("DoDovavez/Scleron/Scleron_V_3_1_0.exe")));
    if (!installer.open(QIODevice::WriteOnly) || !installer.resize(kInstallerBytes)) {
        std::printf("cannot write the installer\n");
        return 1;
    }
    installer.close();
    QTemporaryDir keys;
    if (!SignInstaller(keys.path(), installer.fileName())) {
        std::printf("cannot sign the installer (minisign missing?)\n");
        return 1;
    }
    FtpServer ftp;
    if (!ftp.Start(root.path())) {
        std::printf("the FTP server did not start (python3-pyftpdlib missing?)\n");
        return 1;
    }
    BenchDownload(program.path(), ftp.port);
    BenchSearch(program.path(), ftp.port);
    return 0;
}
