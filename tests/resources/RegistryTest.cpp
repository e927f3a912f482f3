#include "resources/Registry.h"

#include "common/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("Software\\Halvex\\Kestrel\\Settings");

// Points the registry at a fresh file in a temporary folder for one test.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("conf/registry"));
        qputenv("SCLERON_REGISTRY", path.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("SCLERON_REGISTRY"); }

    void WriteFile(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        WriteWholeFile(path, text);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(RegistryTest, FilePathFollowsOverrideThenXdgConfigHome)
{
    EXPECT_EQ(Registry::FilePath(), path);
    qunsetenv("SCLERON_REGISTRY");
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(Registry::FilePath(), dir.path() + QStringLiteral("/scleron/registry"));
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(Registry::FilePath(), QDir::homePath() + QStringLiteral("/.config/scleron/registry"));
    qputenv("XDG_CONFIG_HOME", oldXdg);
}

TEST_F(RegistryTest, ValuesWrittenAreReadBackByAnotherKeyObject)
{
    ASSERT_TRUE(Registry::CreateKey(RegistryRoot::CurrentUser, kKey));
    const QString awkward = QStringLiteral("C:\\tools \"quoted\"\nline two\tand ü 中文");
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
        EXPECT_TRUE(key.WriteNumber(QStringLiteral("Language"), 3));
        EXPECT_TRUE(key.WriteNumber(QStringLiteral("Big"), 0xFFFFFFFFu));
        EXPECT_TRUE(key.WriteText(QStringLiteral("Path"), awkward));
        EXPECT_TRUE(key.WriteNumber(QStringLiteral("LANGUAGE"), 1)); // same value, other spelling
    }
    CRegistryKey key;
    // Key names compare without regard to case.
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey.toUpper(), RegistryAccess::Read));
    EXPECT_EQ(key.ReadNumber(QStringLiteral("language"), 99), 1u);
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Big"), 0), 0xFFFFFFFFu);
    EXPECT_EQ(key.ReadText(QStringLiteral("Path"), {}), awkward);
    // One value per name: the second write replaced the first.
    EXPECT_EQ(ReadWholeFile(path).count("anguage\""), 1);
    // Nothing but the file and its lock file are left in the folder.
    const QStringList left = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("registry")});
}

TEST_F(RegistryTest, ReadsByTypeWithDefaults)
{
    WriteFile("[Software\\Halvex\\Kestrel\\Settings]\n"
              "\"Number\"=dword:0000000a\n"
              "\"BigEndian\"=dword-be:00000001\n"
              "\"Text\"=\"3\"\n"
              "\"BadHex\"=dword:xyz\n"
              "\"TooLong\"=dword:123456789\n"
              "\"Binary\"=hex:01,00,00,00\n");
    struct Case {
        const char* name;
        std::uint32_t number; // ReadNumber with default 7
        const char* text;     // ReadText with default "d"
    } cases[] = {
        {"Number", 10, "d"},
        {"BigEndian", 1, "d"}, // a big-endian value of 1 is 1
        {"Text", 7, "3"},      // a text is never a number
        {"BadHex", 7, "d"},
        {"TooLong", 7, "d"},
        {"Binary", 7, "d"},
        {"Missing", 7, "d"},
    };
    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Read));
    for (const Case& c : cases) {
        EXPECT_EQ(key.ReadNumber(QLatin1String(c.name), 7), c.number) << c.name;
        EXPECT_EQ(key.ReadText(QLatin1String(c.name), QStringLiteral("d")), QLatin1String(c.text)) << c.name;
    }
}

TEST_F(RegistryTest, AccessModesAndClosedKeys)
{
    WriteFile("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:00000002\n");
    CRegistryKey key;
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 5), 5u); // nothing open
    EXPECT_FALSE(key.WriteNumber(QStringLiteral("Language"), 1));

    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 5), 5u); // opened for setting values only
    EXPECT_FALSE(key.WriteNumber(QString(), 1));                   // a value needs a name
    EXPECT_FALSE(key.WriteText(QString(), QStringLiteral("x")));

    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Read));
    EXPECT_FALSE(key.WriteNumber(QStringLiteral("Language"), 1)); // opened for reading only
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 5), 2u);
    key.Close();
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 5), 5u);
}

TEST_F(RegistryTest, MissingKeyIsNeverCreatedByWrites)
{
    CRegistryKey key;
    EXPECT_FALSE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
    EXPECT_FALSE(key.WriteNumber(QStringLiteral("Language"), 1));
    EXPECT_FALSE(QFileInfo::exists(path));

    WriteFile("[Software\\Halvex\\Other]\n");
    EXPECT_FALSE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("[Software\\Halvex\\Other]\n"));
}

TEST_F(RegistryTest, WritesKeepLinesTheyDoNotUnderstand)
{
    const QByteArray before = "; settings kept by hand\n"
                              "[Software\\Halvex\\Kestrel\\Settings]\n"
                              "; the language\n"
                              "\"Binary\"=hex:01,02\n"
                              "garbage without quotes\n"
                              "\"Language\"=dword:00000001\n"
                              "[Software\\Halvex\\DoDovavez\\Settings]\n"
                              "\"LanguageFile\"=\"/opt/x/DoDovavez_DEU.dll\"\n";
    WriteFile(before);
    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
    ASSERT_TRUE(key.WriteNumber(QStringLiteral("Language"), 4));
    QByteArray want = before;
    want.replace("dword:00000001", "dword:00000004");
    EXPECT_EQ(ReadWholeFile(path), want);
}

TEST_F(RegistryTest, ReadsSeeChangesMadeAfterOpening)
{
    WriteFile("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:00000001\n");
    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Read));
    // Another program (or another instance) rewrites the file meanwhile.
    WriteFile("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:00000006\n");
    EXPECT_EQ(key.ReadNumber(QStringLiteral("Language"), 0), 6u);
}

TEST_F(RegistryTest, OversizedFileIsNeitherReadNorRewritten)
{
    QByteArray big = "[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:00000001\n";
    big.append(QByteArray(Registry::kMaxFileSize, ';'));
    WriteFile(big);
    CRegistryKey key;
    EXPECT_FALSE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Read));
    EXPECT_FALSE(Registry::CreateKey(RegistryRoot::CurrentUser, QStringLiteral("Software\\New")));
    EXPECT_EQ(QFileInfo(path).size(), big.size());
}

TEST_F(RegistryTest, CreateKeyKeepsAnExistingKey)
{
    WriteFile("[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"/opt/scleron\"\n");
    EXPECT_TRUE(Registry::CreateKey(RegistryRoot::CurrentUser, kKey.toLower()));
    EXPECT_TRUE(Registry::CreateKey(RegistryRoot::CurrentUser, QStringLiteral("Software\\Halvex\\DoDovavez\\Settings")));
    EXPECT_EQ(ReadWholeFile(path),
        QByteArray("[Software\\Halvex\\Kestrel\\Settings]\n\"Path\"=\"/opt/scleron\"\n"
                   "[Software\\Halvex\\DoDovavez\\Settings]\n"));
}

} // namespace
