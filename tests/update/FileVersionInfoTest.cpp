#include "update/FileVersionInfo.h"
#include "update/LanguageId.h"
#include "update/Version.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QtEndian>

namespace {

quint32 FixedWord(const CFileVersionInfo& info, int index)
{
    return qFromLittleEndian<quint32>(info.FixedInfo().constData() + 4 * index);
}

TEST(FileVersionInfoTest, EveryExecutableCarriesTheProjectVersion)
{
    const QString version = QStringLiteral(SCLERON_PROJECT_VERSION);
    const CVersion projectVersion(version);
    struct Case {
        QString path;
        const char* internalName;
    };
    const Case cases[] = {
        {QStringLiteral(SCLERON_CLI_PATH), "scleron-cli"},
        {QStringLiteral(SCLERON_SIM_PATH), "kestrel-sim"},
        {QString(), "update_tests"}, // the running program
    };
    for (const Case& c : cases) {
        CFileVersionInfo info;
        ASSERT_TRUE(info.LoadModule(c.path)) << c.internalName;
        EXPECT_EQ(info.GetProductName(), QStringLiteral("Scleron"));
        EXPECT_EQ(info.GetProductVersion(), version);
        EXPECT_EQ(info.GetInternalName(), QLatin1String(c.internalName));
        EXPECT_EQ(info.GetCompanyName(), QStringLiteral("Halvex"));
        EXPECT_FALSE(info.GetFileDescription().isEmpty());
        EXPECT_TRUE(info.GetPrivateBuild().isEmpty());
        ASSERT_EQ(info.FixedInfo().size(), 52);
        EXPECT_EQ(FixedWord(info, 0), 0xFEEF04BDu);
        const quint64 fixedProduct = (quint64(FixedWord(info, 4)) << 32) | FixedWord(info, 5);
        EXPECT_EQ(fixedProduct, projectVersion.Value());
    }
}

TEST(FileVersionInfoTest, FilesWithoutABlockReadAsEmpty)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    WriteWholeFile(text, "ScleronVersionBlock 1\nString 040904B0 ProductName Fake\n");
    const QString truncated = dir.filePath(QStringLiteral("truncated"));
    WriteWholeFile(truncated, ReadWholeFile(QStringLiteral(SCLERON_CLI_PATH)).left(4096));
    // Section header table pointing far beyond the end of the file.
    QByteArray corrupt = ReadWholeFile(QStringLiteral(SCLERON_CLI_PATH));
    qToLittleEndian<quint64>(0x7FFFFFFFFFFFFF00ULL, corrupt.data() + 0x28);
    const QString badTable = dir.filePath(QStringLiteral("bad-table"));
    WriteWholeFile(badTable, corrupt);
    for (const QString& path : {text, truncated, badTable, dir.filePath(QStringLiteral("missing")),
                                QStringLiteral("/usr/bin/python3")}) {
        CFileVersionInfo info;
        EXPECT_FALSE(info.LoadFile(path)) << qPrintable(path);
        EXPECT_TRUE(info.GetProductName().isEmpty());
        EXPECT_EQ(info.FixedInfo(), QByteArray(52, '\0'));
    }
}

TEST(FileVersionInfoTest, TranslationChoice)
{
    using T = QList<STranslation>;
    struct Case {
        T table;
        std::uint16_t user;
        std::uint16_t chosen;
    };
    const Case cases[] = {
        {T{{0x040C, 1200}, {0x0409, 1200}}, 0x0407, 0x0409}, // by the low byte 9
        {T{{0x040C, 1200}, {0x0407, 1252}}, 0x0407, 0x0407},
        {T{{0x040C, 1200}, {0x0807, 1200}}, 0x0407, 0x0807}, // same language, other country
        {T{{0x040C, 1200}, {0x0400, 1200}, {0x0000, 1200}}, 0x0407, 0x0000},
        {T{{0x040C, 1200}, {0x0400, 1200}}, 0x0407, 0x0400},
        {T{{0x040C, 1200}, {0x0809, 1200}, {0x0009, 1200}}, 0x0407, 0x0009},
        {T{{0x040C, 1200}, {0x0410, 1200}}, 0x0407, 0x040C}, // nothing fits: the first
    };
    for (const Case& c : cases) {
        const STranslation* t = ChooseTranslation(c.table, c.user);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->language, c.chosen) << std::hex << c.chosen;
    }
    EXPECT_EQ(ChooseTranslation({}, 0x0407), nullptr);

    // The chosen translation's strings are the ones read.
    const QByteArray block = "ScleronVersionBlock 1\n"
                             "Translation 0x040C 0x04B0\nTranslation 0x0409 0x04B0\n"
                             "String 040C04B0 ProductName Scleron FR\nString 040904B0 ProductName Scleron EN\n";
    CFileVersionInfo info;
    ASSERT_TRUE(info.LoadBlock(block, 0x0407));
    EXPECT_EQ(info.GetProductName(), QStringLiteral("Scleron EN"));
    ASSERT_TRUE(info.LoadBlock(block, 0x040C));
    EXPECT_EQ(info.GetProductName(), QStringLiteral("Scleron FR"));
}

TEST(FileVersionInfoTest, LanguageIdFromTheLocale)
{
    const std::pair<const char*, std::uint16_t> cases[] = {
        {"de_DE.UTF-8", 0x0407}, {"de_AT", 0x0C07}, {"de", 0x0407}, {"fr_FR.UTF-8", 0x040C},
        {"fr_CA", 0x0C0C}, {"en_US.UTF-8", 0x0409}, {"en_GB.UTF-8", 0x0809}, {"it_IT@euro", 0x0410},
        {"es_ES", 0x0C0A}, {"pt_BR.UTF-8", 0x0416}, {"pt_PT", 0x0816}, {"ru_RU.KOI8-R", 0x0419},
        {"zh_CN.UTF-8", 0x0804}, {"zh_TW", 0x0404}, {"C", 0x0409}, {"POSIX", 0x0409}, {"xx_YY", 0x0409},
    };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(LanguageIdFromLocaleName(QString::fromLatin1(name)), id) << name;
}

TEST(FileVersionInfoTest, CommandLinePrintsTheBlockOfAnyOfOurExecutables)
{
    QProcess cli;
    cli.start(QStringLiteral(SCLERON_CLI_PATH), {QStringLiteral("version"), QStringLiteral(SCLERON_SIM_PATH)});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0);
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(QStringLiteral("ProductName: Scleron\nProductVersion: " SCLERON_PROJECT_VERSION "\n"))) << qPrintable(out);
    EXPECT_TRUE(out.contains(QStringLiteral("InternalName: kestrel-sim\n"))) << qPrintable(out);
    EXPECT_TRUE(out.contains(QStringLiteral("RequiredOSVersion: "))) << qPrintable(out);

    cli.start(QStringLiteral(SCLERON_CLI_PATH), {QStringLiteral("version")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(cli.readAllStandardOutput().contains("InternalName: scleron-cli\n"));

    cli.start(QStringLiteral(SCLERON_CLI_PATH), {QStringLiteral("version"), QStringLiteral("/usr/bin/python3")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 1);
    cli.start(QStringLiteral(SCLERON_CLI_PATH), {QStringLiteral("version"), QStringLiteral("a"), QStringLiteral("b")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 2);
}

} // namespace
