// The Settings menu's languages, the registry values they write, the language a start-up loads, and
// Help opening the operating instructions of the chosen language.

#include "AppTestEnvironment.h"

#include "app/App.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "resources/Registry.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QProcess>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QByteArray kKeys = "[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"/opt/tool\"\n"
                         "[Software\\Halvex\\DoDovavez\\Settings]\n";

struct RunningApp {
    explicit RunningApp(QStringList languageFolders = {})
    {
        CSCLERONApp::Options options;
        options.useWidgetPrompts = false;
        options.languageFolders = std::move(languageFolders);
        options.openUrl = [this](const QUrl& url) {
            opened << url.toLocalFile();
            return true;
        };
        EXPECT_TRUE(app.InitInstance(options));
    }
    CMainFrame& Frame() { return *app.MainFrame(); }
    QString MenuTitle(int index) { return Frame().menuBar()->actions().at(index)->text(); }
    // The language item that carries the check mark; -1 for none.
    int CheckedLanguage()
    {
        const int commands[] = {Cmd::LanguageEnglish, Cmd::LanguageGerman, Cmd::LanguageFrench,
            Cmd::LanguageItalian, Cmd::LanguageSpanish, Cmd::LanguagePortuguese, Cmd::LanguageRussian,
            Cmd::LanguageChinese};
        int checked = -1;
        for (int i = 0; i < 8; ++i) {
            const CommandState state = Frame().StateOf(commands[i]);
            EXPECT_TRUE(state.enabled);
            if (state.checked) {
                EXPECT_EQ(checked, -1) << "two languages checked";
                checked = i;
            }
        }
        return checked;
    }

    CSCLERONApp app;
    QStringList opened;
};

QString Value(const char* key, const char* name)
{
    CRegistryKey k;
    if (!k.Open(RegistryRoot::CurrentUser, QString::fromLatin1(key), RegistryAccess::Read))
        return QStringLiteral("<no key>");
    return k.ReadText(QString::fromLatin1(name), QStringLiteral("<none>"));
}

// The folder where the build puts the program's translations.
QStringList ProgramTranslations()
{
    return {qEnvironmentVariable("SCLERON_BINARY_DIR") + QStringLiteral("/app")};
}

TEST(Languages, ChoosingGermanTakesEffectAtTheNextStart)
{
    SetTestRegistry(kKeys);
    ScriptedPrompts prompts;
    {
        RunningApp running(ProgramTranslations());
        EXPECT_EQ(running.CheckedLanguage(), 0);
        ASSERT_TRUE(running.Frame().RunCommand(Cmd::LanguageGerman));
        EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Restart application to change language.")});
        // The running program keeps its language.
        EXPECT_EQ(running.MenuTitle(0), QStringLiteral("&File"));
        EXPECT_EQ(running.CheckedLanguage(), 1);
    }
    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, QStringLiteral("Software\\Halvex\\Kestrel\\Settings"), RegistryAccess::Read));
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 99), 1u);
    EXPECT_EQ(Value("Software\\Halvex\\DoDovavez\\Settings", "LanguageFile"), QStringLiteral("/opt/tool/DoDovavez_DEU.dll"));

    // Started again: German menus, the German item checked, German help.
    RunningApp restarted(ProgramTranslations());
    EXPECT_EQ(restarted.MenuTitle(0), QStringLiteral("&Datei"));
    // Qt's own texts (the buttons of message boxes) follow.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(restarted.CheckedLanguage(), 1);
    // The German instructions are looked for (beside the test program they are not: the German
    // message names the file).
    ASSERT_TRUE(restarted.Frame().RunCommand(Cmd::Help));
    EXPECT_TRUE(restarted.opened.isEmpty());
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.last().startsWith(QStringLiteral("Die Bedienungsanleitung")));
    EXPECT_TRUE(prompts.messages.last().contains(QStringLiteral("/kestrel2tamarin2_OI_DEU.pdf"))) << prompts.messages.last().toStdString();
}

TEST(Languages, RegistryCasesOfTheLanguageItems)
{
    ScriptedPrompts prompts;
    struct Case {
        const char* registry;
        int checked;
        const char* help;
    } cases[] = {
        {"\"Language\"=dword:00000009\n", -1, "ENG"},  // out of range: English, nothing checked
        {"\"Language\"=\"1\"\n", 0, "ENG"},            // a text is no number: English
        {"\"Language\"=dword-be:00000006\n", 6, "RUS"}, // a big-endian number is read as its value
        {"", 0, "ENG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.registry);
        SetTestRegistry(QByteArray("[Software\\Halvex\\Kestrel\\Settings]\n") + c.registry);
        RunningApp running;
        EXPECT_EQ(running.CheckedLanguage(), c.checked);
        EXPECT_EQ(running.MenuTitle(0), QStringLiteral("&File"));
        // The test program's folder holds no operating instructions: Help says which file is missing.
        const qsizetype before = prompts.messages.size();
        ASSERT_TRUE(running.Frame().RunCommand(Cmd::Help));
        EXPECT_TRUE(running.opened.isEmpty());
        ASSERT_EQ(prompts.messages.size(), before + 1);
        EXPECT_EQ(prompts.messages.last(), QStringLiteral("The operating instructions \"%1/kestrel2tamarin2_OI_%2.pdf\" are not installed.")
                                               .arg(QCoreApplication::applicationDirPath(), QLatin1String(c.help)));
        // Help ends with the connection text.
        EXPECT_EQ(running.Frame().StatusText(), QStringLiteral("Offline"));
    }
}

TEST(Languages, MissingPathAndMissingKeys)
{
    ScriptedPrompts prompts;
    // No "Path": the tool's language file is the bare name.
    SetTestRegistry("[Software\\Halvex\\Kestrel\\Settings]\n[Software\\Halvex\\DoDovavez\\Settings]\n");
    {
        RunningApp running;
        running.Frame().RunCommand(Cmd::LanguageFrench);
    }
    EXPECT_EQ(Value("Software\\Halvex\\DoDovavez\\Settings", "LanguageFile"), QStringLiteral("/DoDovavez_FRA.dll"));

    // A long installation folder is read whole (not dropped for its length).
    const QString folder = QStringLiteral("/opt/") + QString(100, QLatin1Char('x'));
    SetTestRegistry("[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"" + folder.toUtf8()
        + "\"\n[Software\\Halvex\\DoDovavez\\Settings]\n");
    {
        RunningApp running;
        running.Frame().RunCommand(Cmd::LanguageSpanish);
    }
    EXPECT_EQ(Value("Software\\Halvex\\DoDovavez\\Settings", "LanguageFile"), folder + QStringLiteral("/DoDovavez_ESP.dll"));

    // Without the tool's key nothing creates it; the program's own key is written as before.
    SetTestRegistry("[Software\\Halvex\\Kestrel\\Settings]\n");
    {
        RunningApp running;
        running.Frame().RunCommand(Cmd::LanguageEnglish);
        EXPECT_EQ(prompts.messages.size(), 3);
    }
    EXPECT_EQ(Value("Software\\Halvex\\DoDovavez\\Settings", "LanguageFile"), QStringLiteral("<no key>"));
    EXPECT_EQ(ReadWholeFile(TestRegistryPath()),
        QByteArray("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:00000000\n"));
}

// Run by the next test in a second program: reports the checked language item through its exit
// code, so no cache inside one process can hide what the registry file holds.
TEST(LanguagesChild, ReportCheckedItem)
{
    if (qEnvironmentVariableIsEmpty("SCLERON_LANGUAGE_CHILD"))
        GTEST_SKIP() << "only run as the second program of SecondProgramSeesTheChoice";
    ScriptedPrompts prompts;
    RunningApp running;
    std::exit(10 + running.CheckedLanguage());
}

TEST(Languages, SecondProgramSeesTheChoice)
{
    SetTestRegistry(kKeys);
    ScriptedPrompts prompts;
    {
        RunningApp running;
        running.Frame().RunCommand(Cmd::LanguageItalian);
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SCLERON_LANGUAGE_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("SCLERON_TEST_REGISTRY"), TestRegistryPath());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=LanguagesChild.*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 13) << child.readAllStandardOutput().toStdString();
}

} // namespace
