// The main frame's "New version available!" menu, the update service end to end against a local
// FTP server, files dropped on the window, the web links and the status text after a menu.
#include "AppTestEnvironment.h"

#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "common/WizardDriver.h"
#include "update/VersionMessage.h"
#include "updatewizard/AutoUpdate.h"
#include "updatewizard/PageSearch.h"

#include <QAbstractButton>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The update popups of the menu bar and their items ("text=command").
QStringList UpdateMenus(const CMainFrame& frame)
{
    QStringList out;
    for (QAction* top : frame.menuBar()->actions()) {
        if (Plain(top->text()) != QStringLiteral("New version available!"))
            continue;
        out << QStringLiteral("popup");
        for (QAction* item : top->menu()->actions())
            out << Plain(item->text()) + QLatin1Char('=') + QString::number(item->data().toInt());
    }
    return out;
}

void Deliver(CMainFrame& frame, int message, std::uint32_t wParam, std::uint32_t lParam)
{
    QCoreApplication::postEvent(&frame, new CVersionMessage(message, {wParam, lParam}));
    QCoreApplication::sendPostedEvents(&frame);
}

QString DemoFile()
{
    return qEnvironmentVariable("SCLERON_SOURCE_DIR") + QStringLiteral("/scripts/demo/demo-memory.hkp");
}

class FrameUpdateTest : public ::testing::Test {
protected:
    void SetUp() override { SetTestRegistry({}); }
    ScriptedPrompts prompts;
};

TEST_F(FrameUpdateTest, VersionMessagesBuildOneUpdateMenu)
{
    CMainFrame frame;
    const int topLevel = frame.menuBar()->actions().size();
    // wParam 131075 (high half 2, low half 3), lParam 1 (high half 0, low half 1): 3.2.1.0.
    Deliver(frame, UM_SOFTWARE_VERSION, 131075, 1);
    EXPECT_EQ(frame.NewestSoftwareVersion(), CVersion(QStringLiteral("3.2.1.0")));
    EXPECT_EQ(UpdateMenus(frame), (QStringList{"popup", "Update Scleron to version 3.2.1=58466"}));
    EXPECT_EQ(frame.menuBar()->actions().size(), topLevel + 1);
    EXPECT_EQ(frame.menuBar()->actions().last()->menu(), frame.UpdateMenu());

    Deliver(frame, UM_FIRMWARE_VERSION, 1 | (0 << 16), 3);
    const QStringList both{"popup", "Update Scleron to version 3.2.1=58466", "Update Kestrel to version 1.0.3=32730"};
    EXPECT_EQ(UpdateMenus(frame), both);
    Deliver(frame, UM_SOFTWARE_VERSION, 131075, 1);
    EXPECT_EQ(UpdateMenus(frame), both);
    EXPECT_EQ(frame.menuBar()->actions().size(), topLevel + 1);

    // A message with both parameters 0 takes its item away; the last one takes the popup.
    Deliver(frame, UM_SOFTWARE_VERSION, 0, 0);
    EXPECT_EQ(UpdateMenus(frame), (QStringList{"popup", "Update Kestrel to version 1.0.3=32730"}));
    frame.ForgetNewestFirmware();
    EXPECT_TRUE(UpdateMenus(frame).isEmpty());
    EXPECT_EQ(frame.UpdateMenu(), nullptr);
    EXPECT_EQ(frame.menuBar()->actions().size(), topLevel);

    // Access keys: the popup's letter is not one the menu bar already uses.
    Deliver(frame, UM_FIRMWARE_VERSION, 1, 3);
    Deliver(frame, UM_SOFTWARE_VERSION, 131075, 1);
    QStringList keys;
    for (QAction* top : frame.menuBar()->actions()) {
        const qsizetype amp = top->text().indexOf(QLatin1Char('&'));
        if (amp >= 0)
            keys << top->text().mid(amp + 1, 1).toLower();
    }
    EXPECT_EQ(keys.removeDuplicates(), 0) << qPrintable(keys.join(' '));
    EXPECT_TRUE(frame.UpdateMenu()->title().contains(QLatin1Char('&')));
}

TEST_F(FrameUpdateTest, DroppedMeasurementFileOpensOnlyWhenItComesFirst)
{
    QTemporaryDir dir;
    const QByteArray demo = ReadWholeFile(DemoFile());
    WriteWholeFile(dir.filePath(QStringLiteral("DATA.HKP")), demo);
    WriteWholeFile(dir.filePath(QStringLiteral("data.hkp.txt")), demo);
    WriteWholeFile(dir.filePath(QStringLiteral("notes.txt")), "notes");
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(dir.filePath(QLatin1String(name))); };
    struct Case {
        const char* what;
        QList<QUrl> urls;
        bool opens;
    };
    const Case cases[] = {
        {"upper-case extension", {url("DATA.HKP")}, true},
        {"another extension after .hkp", {url("data.hkp.txt")}, false},
        {"measurement file second", {url("notes.txt"), url("DATA.HKP")}, false},
        {"measurement file first of two", {url("DATA.HKP"), url("notes.txt")}, true},
    };
    for (const Case& c : cases) {
        CMainFrame frame;
        QMimeData mime;
        mime.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &enter);
        EXPECT_TRUE(enter.isAccepted()) << c.what;
        QDropEvent drop(QPointF(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &drop);
        EXPECT_EQ(frame.View().store.series.GetSize() > 0, c.opens) << c.what;
        EXPECT_TRUE(prompts.messages.isEmpty()) << c.what;
    }
}

TEST_F(FrameUpdateTest, WebLinksOpenTheirPagesWithTheDesktopHandler)
{
    QList<QUrl> opened;
    bool handled = true;
    CMainFrame::Options options;
    options.openUrl = [&](const QUrl& url) {
        opened << url;
        return handled;
    };
    CMainFrame frame(options);
    EXPECT_TRUE(frame.RunCommand(Cmd::ProductRegistration));
    EXPECT_TRUE(frame.RunCommand(Cmd::CustomerFeedback));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.scleron.org/registration")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://www.scleron.org/feedback")));
    EXPECT_TRUE(prompts.messages.isEmpty());
    // Without a browser the user is told which address did not open.
    handled = false;
    EXPECT_TRUE(frame.RunCommand(Cmd::CustomerFeedback));
    EXPECT_EQ(prompts.messages,
              QStringList{QStringLiteral("No program on this computer could open \"https://www.scleron.org/feedback\".")});
}

TEST_F(FrameUpdateTest, StatusTextComesBackWhenARealMenuCloses)
{
    CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    ASSERT_EQ(frame.StatusText(), QStringLiteral("Offline"));
    QMenu* file = frame.menuBar()->findChild<QMenu*>(QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    frame.UpdateCommandUI();
    file->popup(frame.mapToGlobal(QPoint(10, 30)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QAction* open = frame.Actions().Find(Cmd::Open);
    QTest::mouseMove(file, file->actionGeometry(open).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.ShownStatusText() == QStringLiteral("Open measurements"); }, 5000))
        << qPrintable(frame.ShownStatusText());
    QTest::keyClick(file, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !file->isVisible(); }, 5000));
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Offline"));
}

TEST_F(FrameUpdateTest, NewerInstallerIsAnnouncedDownloadedStartedAndTheProgramCloses)
{
    QTemporaryDir root;
    QTemporaryDir program;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron")));
    QByteArray installer = "#!/bin/sh\necho ran > \"$0.ran\"\nexit 0\n";
    installer += QByteArray(200000, '#');
    WriteWholeFile(root.filePath(QStringLiteral("DoDovavez/Scleron/Scleron_V_3_1_0.exe")), installer);
    QTemporaryDir keys;
    const MinisignKey key(keys.path());
    ASSERT_TRUE(key.Sign(root.filePath(QStringLiteral("DoDovavez/Scleron/Scleron_V_3_1_0.exe"))));
    FtpServer ftp;
    QString error;
    ASSERT_TRUE(ftp.Start(root.path(), {}, &error)) << qPrintable(error);

    SUpdateSetup setup;
    setup.programFolder = program.path() + QLatin1Char('/');
    setup.productName = QStringLiteral("Scleron");
    setup.productVersion = QStringLiteral("3.0.5");
    setup.server = {QStringLiteral("127.0.0.1"), ftp.Port(), QString::fromLatin1(FtpServer::kUser),
                    QString::fromLatin1(FtpServer::kPassword)};
    setup.trustedKeys = {key.PublicKey()};
    CMainFrame::Options options;
    options.update = &setup;
    CMainFrame frame(options);
    frame.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.UpdateMenu() != nullptr; }, 20000));
    EXPECT_EQ(UpdateMenus(frame), (QStringList{"popup", "Update Scleron to version 3.1.0=58466"}));

    CAutoUpdate* wizard = frame.UpdateService();
    ASSERT_NE(wizard, nullptr);
    WizardDriver driver(wizard);
    driver.Add("offer", [&] { return wizard->SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] { wizard->button(QWizard::NextButton)->click(); });
    // Chosen with the mouse from the popup, as a user does: the popup goes while its item runs.
    QMenu* menu = frame.UpdateMenu();
    menu->popup(frame.mapToGlobal(QPoint(frame.width() / 2, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().first()).center());
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    const QString local = program.filePath(QStringLiteral("Scleron_V_3_1_0.exe"));
    EXPECT_EQ(ReadWholeFile(local), installer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(local + QStringLiteral(".ran")); }, 10000));
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(frame.UpdateService(), nullptr);
    EXPECT_EQ(frame.UpdateMenu(), nullptr);
    // The operator was told before the program made way for the installer.
    EXPECT_TRUE(prompts.messages.contains(QStringLiteral(
        "The new version has been downloaded and its signature checked.\nScleron will now close so that the installer can run.")))
        << qPrintable(prompts.messages.join(" | "));
}

} // namespace
