#include "AppTestEnvironment.h"

#include "app/AboutDialog.h"
#include "app/App.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "grid/GridCtrl.h"
#include "resources/Registry.h"
#include "resources/StringTable.h"
#include "streams/FileStream.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

CSCLERONApp::Options TestOptions(QStringList arguments = {})
{
    CSCLERONApp::Options options;
    options.arguments = std::move(arguments);
    options.useWidgetPrompts = false;
    // No serial ports: whatever this machine has, start-up tells nothing about them.
    options.serialPorts.portMap = [] { return std::vector<std::string> {}; };
    return options;
}

QString MenuTitle(const CMainFrame& frame, int index)
{
    return frame.menuBar()->actions().at(index)->text();
}

TEST(Startup, CommandLineFileIsOpenedIntoTheStore)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    CMeasurementStore source;
    for (int i = 0; i < 3; ++i) {
        auto* serie = new MSERIE;
        serie->AddMeasurement(new MEAS);
        source.AddSeries(serie);
    }
    const QString path = dir.filePath(QStringLiteral("three series.hkp"));
    WriteWholeFile(path, MeasurementFile::Serialize(source));

    ScriptedPrompts prompts;
    CSCLERONApp app;
    ASSERT_TRUE(app.InitInstance(TestOptions({QStringLiteral("-style=fusion"), path})));
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Scleron"));
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(frame->View().store.series.GetSize(), 3);
    // The table shows them: the title row and one row per (collapsed) series.
    const auto* table = qobject_cast<const CGridCtrl*>(frame->View().TableWindow());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRowCount(), 4);
    EXPECT_EQ(table->GetItemText(3, 0), QStringLiteral("2"));
    EXPECT_EQ(frame->ShownStatusText(), QStringLiteral("Offline"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(Startup, UnreadableCommandLineFileStartsEmpty)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    CSCLERONApp app;
    ASSERT_TRUE(app.InitInstance(TestOptions({QStringLiteral("/nonexistent/file.hkp")})));
    EXPECT_EQ(app.MainFrame()->View().store.series.GetSize(), 0);
    EXPECT_EQ(app.MainFrame()->ShownStatusText(), QStringLiteral("Offline"));
}

TEST(Startup, MeasurementFileArgument)
{
    struct Case {
        QStringList arguments;
        const char* want;
    } cases[] = {
        {{}, ""},
        {{"a.hkp"}, "a.hkp"},
        {{"--verbose", "b.hkp", "c.hkp"}, "b.hkp"},
        {{"--", "-dash.hkp"}, "-dash.hkp"},
        {{"--"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MeasurementFileArgument(c.arguments), QLatin1String(c.want)) << c.arguments.join(' ').toStdString();
}

TEST(Startup, LanguageFromRegistryChoosesTranslationOrEnglish)
{
    // The test program's folder holds SCLERON_ITA.qm (Italian, number 3) and no other language.
    struct Case {
        const char* value;
        const char* fileMenu;
        const char* status;
        bool loaded;
    } cases[] = {
        {"dword:00000003", "&Archivio", "Non in linea", true},
        {"dword-be:00000003", "&Archivio", "Non in linea", true},
        {"dword:00000002", "&File", "Offline", false}, // French: no file
        {"dword:00000009", "&File", "Offline", false},
        {"dword:00000000", "&File", "Offline", false},
        {"\"3\"", "&File", "Offline", false},          // a text is not a language number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SetTestRegistry(QByteArray("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=") + c.value + "\n");
        ScriptedPrompts prompts;
        {
            CSCLERONApp app;
            ASSERT_TRUE(app.InitInstance(TestOptions()));
            EXPECT_EQ(app.LanguageModule() != nullptr, c.loaded);
            EXPECT_EQ(MenuTitle(*app.MainFrame(), 0), QString::fromUtf8(c.fileMenu));
            EXPECT_EQ(app.MainFrame()->ShownStatusText(), QString::fromUtf8(c.status));
            // Texts the translation lacks stay English.
            EXPECT_EQ(MenuTitle(*app.MainFrame(), 5), QStringLiteral("&Help"));
        }
        // Once the program has ended, nothing of the language is left behind.
        EXPECT_EQ(ResString(58153), QStringLiteral("Offline"));
    }
}

TEST(Startup, FirstStartCreatesProgramKeyWithItsFolder)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    {
        CSCLERONApp app;
        ASSERT_TRUE(app.InitInstance(TestOptions()));
    }
    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, QStringLiteral("Software\\Halvex\\Kestrel\\Settings"),
        RegistryAccess::Read));
    EXPECT_EQ(key.ReadText(QStringLiteral("Path"), {}), QCoreApplication::applicationDirPath());

    // A later start leaves a key that exists alone.
    SetTestRegistry("[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"/opt/elsewhere\"\n");
    {
        CSCLERONApp app;
        ASSERT_TRUE(app.InitInstance(TestOptions()));
    }
    EXPECT_EQ(ReadWholeFile(TestRegistryPath()),
        QByteArray("[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"/opt/elsewhere\"\n"));
}

TEST(Startup, ProgramEndClosesStreamsStillOpen)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    StreamIO::CFileStream stream;
    {
        CSCLERONApp app;
        ASSERT_TRUE(app.InitInstance(TestOptions()));
        ASSERT_TRUE(stream.Open(dir.filePath(QStringLiteral("port")).toStdString(),
            StreamIO::modeRead | StreamIO::modeWrite | StreamIO::modeCreateAlways));
        app.ExitInstance();
        EXPECT_FALSE(stream.IsOpen());
    }
}

TEST(Startup, AboutBoxShowsVersionAndArtwork)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    CSCLERONApp app;
    ASSERT_TRUE(app.InitInstance(TestOptions()));
    CMainFrame* frame = app.MainFrame();
    frame->UpdateCommandUI();
    QAction* about = frame->Actions().Find(Cmd::About);
    ASSERT_TRUE(about->isEnabled());

    QString version;
    bool artworkAtItsPlace = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        version = dialog->findChild<QLabel*>(QStringLiteral("versionText"))->text();
        // Every opaque pixel of the artwork appears at (10, 10) in its natural size.
        const QImage artwork = dialog->Artwork().convertToFormat(QImage::Format_ARGB32);
        const QImage shown = dialog->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        artworkAtItsPlace = !artwork.isNull();
        for (int y = 0; y < artwork.height() && artworkAtItsPlace; ++y)
            for (int x = 0; x < artwork.width(); ++x)
                if (qAlpha(artwork.pixel(x, y)) == 255 && shown.pixel(10 + x, 10 + y) != artwork.pixel(x, y)) {
                    artworkAtItsPlace = false;
                    break;
                }
        dialog->accept();
    });
    about->trigger();
    EXPECT_EQ(version, QStringLiteral("Scleron Version 3.1.0"));
    EXPECT_TRUE(artworkAtItsPlace);
}

} // namespace
