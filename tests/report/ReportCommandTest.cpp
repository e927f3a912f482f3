// scleron-cli report, run as its own process without a display, with limits from the user's
// registry file.
#include "common/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray err;
};

CliResult RunReport(const QStringList& args, const QString& registry)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "UTC");
    env.insert("LC_ALL", "C");
    env.insert("SCLERON_REGISTRY", registry);
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM"); // the report needs no window system
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("SCLERON_BINARY_DIR") + "/tools/cli/scleron-cli", QStringList("report") + args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ReportCommand, WritesTheReportWithTheUsersLimits)
{
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("registry"));
    // Raw Leeb of the first fixture series: 500 and 540 are inside, the hidden 520 is not judged.
    WriteWholeFile(registry, "[Software\\Halvex\\Kestrel\\Tolerance limits]\n\"Limits\"=\"0,0,500,540\"\n");
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const CliResult result = RunReport({FixturePath("table/fixtures/three-series.hkp"), "-o", pdf}, registry);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(ReadWholeFile(pdf).startsWith("%PDF-"));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Tester: Kestrel 1 H12345 V: 1.4.2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Verdict: OK (2 inside, 0 below, 0 above)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tolerance: 500 .. 540 HLD")));
}

TEST(ReportCommand, DashWritesThePdfOnStandardOutput)
{
    QTemporaryDir dir;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SCLERON_REGISTRY", dir.filePath(QStringLiteral("registry")));
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("SCLERON_BINARY_DIR") + "/tools/cli/scleron-cli",
                  {"report", FixturePath("table/fixtures/three-series.hkp"), "-o", "-"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("%PDF-"));
    EXPECT_TRUE(out.trimmed().endsWith("%%EOF"));
}

TEST(ReportCommand, ExitCodes)
{
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("registry"));
    const QString fixture = FixturePath("table/fixtures/three-series.hkp");
    EXPECT_EQ(RunReport({fixture}, registry).exitCode, 2);                    // no -o
    EXPECT_EQ(RunReport({"-o", dir.filePath("a.pdf")}, registry).exitCode, 2); // no file
    EXPECT_EQ(RunReport({fixture, "-o", dir.filePath("a.pdf"), "extra"}, registry).exitCode, 2);
    EXPECT_EQ(RunReport({dir.filePath("missing.hkp"), "-o", dir.filePath("a.pdf")}, registry).exitCode, 1);
    const CliResult unwritable = RunReport({fixture, "-o", dir.filePath("none/a.pdf")}, registry);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("none/a.pdf"));
    EXPECT_FALSE(QFile::exists(dir.filePath("a.pdf")));
}

} // namespace
