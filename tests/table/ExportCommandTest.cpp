// scleron-cli export, run as its own process.
#include "common/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult RunCli(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "UTC");
    env.insert("LC_ALL", "C");
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM"); // the export needs no window system
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("SCLERON_BINARY_DIR") + "/tools/cli/scleron-cli", QStringList("export") + args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

TEST(ExportCommand, WritesTheTextExportToStandardOutput)
{
    const CliResult result = RunCli({FixturePath("table/fixtures/three-series.hkp")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, ReadWholeFile(FixturePath("table/fixtures/three-series-export.txt")));
}

TEST(ExportCommand, WritesTheStoreAgainWithWhatTheTableNormalised)
{
    QTemporaryDir dir;
    const CliResult result =
        RunCli({FixturePath("table/fixtures/three-series.hkp"), "--format", "hkp", "-o", dir.filePath("out.hkp")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(ReadWholeFile(dir.filePath("out.hkp")),
              ReadWholeFile(FixturePath("table/fixtures/three-series-normalised.hkp")));

    const CliResult text = RunCli({"-o", dir.filePath("out.txt"), "--format", "text", dir.filePath("out.hkp")});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(ReadWholeFile(dir.filePath("out.txt")), ReadWholeFile(FixturePath("table/fixtures/three-series-export.txt")));
}

TEST(ExportCommand, FailuresGoToStandardErrorWithAnExitCode)
{
    QTemporaryDir dir;
    WriteWholeFile(dir.filePath("v4.hkp"), "4\r\nKestrel 1\tA\tB\tC\tD\r\n");
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{dir.filePath("missing.hkp")}, 1, "cannot read"},
        {{dir.filePath("v4.hkp")}, 1, "version"},
        {{FixturePath("table/fixtures/three-series.hkp"), "-o", dir.filePath("no/such/dir/out.txt")}, 1, "cannot write"},
        {{}, 2, "Usage"},
        {{"a.hkp", "--format", "pdf"}, 2, "Usage"},
        {{"a.hkp", "b.hkp"}, 2, "Usage"},
        {{"a.hkp", "-o"}, 2, "Usage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
}

} // namespace
