// scleron-cli export, run as its own process.
#include "common/TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// ---- what "-o OUT" does to what is there --------------------------------------------------------

struct TargetOutcome {
    int exitCode;
    const char* message; // on standard error; empty: nothing there
};

// Makes a character device node in the test's own folder (needs root; never a system device).
bool MakeCharacterDevice(const QString& path, unsigned major, unsigned minor)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

mode_t FileType(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & S_IFMT;
}

mode_t Permissions(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

TEST(ExportCommand, OutputTargetsAreWrittenIntoOrReplacedAsTheirKindDemands)
{
    QTemporaryDir dir;
    const QString input = FixturePath("table/fixtures/three-series.hkp");
    const QByteArray expected = ReadWholeFile(FixturePath("table/fixtures/three-series-export.txt"));
    const QByteArray before = "what was there\n";

    // A regular file is replaced whole and keeps its permission bits.
    const QString regular = dir.filePath("regular.txt");
    WriteWholeFile(regular, before);
    ASSERT_EQ(::chmod(QFile::encodeName(regular).constData(), 0640), 0);
    // A file without write permission is refused and left alone (root included).
    const QString readOnly = dir.filePath("read-only.txt");
    WriteWholeFile(readOnly, before);
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    // A symbolic link stays a link; the file it points to gets the text.
    const QString linked = dir.filePath("linked.txt");
    const QString link = dir.filePath("link.txt");
    WriteWholeFile(linked, before);
    ASSERT_TRUE(QFile::link(linked, link));
    // A directory is refused.
    const QString folder = dir.filePath("folder.txt");
    ASSERT_TRUE(QDir().mkdir(folder));

    const struct {
        const char* name;
        QString target;
        TargetOutcome outcome;
    } cases[] = {
        {"regular file", regular, {0, ""}},
        {"read-only file", readOnly, {1, "Permission denied"}},
        {"symbolic link", link, {0, ""}},
        {"directory", folder, {1, "Is a directory"}},
        {"new file", dir.filePath("new.txt"), {0, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = RunCli({input, "-o", c.target});
        EXPECT_EQ(result.exitCode, c.outcome.exitCode) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(c.outcome.message)) << result.err.toStdString();
    }
    EXPECT_EQ(ReadWholeFile(regular), expected);
    EXPECT_EQ(Permissions(regular), 0640u);
    EXPECT_EQ(ReadWholeFile(readOnly), before);
    EXPECT_EQ(FileType(link), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(ReadWholeFile(linked), expected);
    EXPECT_EQ(FileType(folder), static_cast<mode_t>(S_IFDIR));
    EXPECT_EQ(ReadWholeFile(dir.filePath("new.txt")), expected);
    // No temporary file is left behind by any of them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(".tmp"), QStringList());

    // "-o -" is standard output, for the text and for the measurement file alike.
    const CliResult dash = RunCli({input, "-o", "-"});
    EXPECT_EQ(dash.exitCode, 0);
    EXPECT_EQ(dash.out, expected);
    const CliResult dashHkp = RunCli({input, "--format", "hkp", "-o", "-"});
    EXPECT_EQ(dashHkp.exitCode, 0);
    EXPECT_EQ(dashHkp.out, ReadWholeFile(FixturePath("table/fixtures/three-series-normalised.hkp")));
    EXPECT_FALSE(QFile::exists("-"));
}

TEST(ExportCommand, FifosAndDevicesAreWrittenIntoNeverReplaced)
{
    QTemporaryDir dir;
    const QString input = FixturePath("table/fixtures/three-series.hkp");
    const QByteArray expected = ReadWholeFile(FixturePath("table/fixtures/three-series-export.txt"));

    // A FIFO with a reader: the reader gets the text and the FIFO stays one.
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const CliResult toFifo = RunCli({input, "-o", fifo});
    EXPECT_EQ(toFifo.exitCode, 0) << toFifo.err.toStdString();
    QByteArray received(static_cast<int>(expected.size()) + 100, '\0');
    const ssize_t got = ::read(reader, received.data(), static_cast<size_t>(received.size()));
    ::close(reader);
    EXPECT_EQ(received.left(static_cast<int>(got < 0 ? 0 : got)), expected);
    EXPECT_EQ(FileType(fifo), static_cast<mode_t>(S_IFIFO));

    // A FIFO nobody reads is an error at once, not a hang.
    const CliResult noReader = RunCli({input, "-o", fifo});
    EXPECT_EQ(noReader.exitCode, 1);
    EXPECT_TRUE(noReader.err.contains("No such device or address")) << noReader.err.toStdString();
    EXPECT_EQ(FileType(fifo), static_cast<mode_t>(S_IFIFO));

    // Character devices made here (the kernel's "null" and "full" devices, numbers 1:3 and 1:7):
    // written into, they stay devices; the full one tells why the write failed.
    const QString null = dir.filePath("null");
    const QString full = dir.filePath("full");
    if (!MakeCharacterDevice(null, 1, 3) || !MakeCharacterDevice(full, 1, 7))
        GTEST_SKIP() << "device nodes cannot be made here (not root)";
    const CliResult toNull = RunCli({input, "-o", null});
    if (toNull.err.contains("Permission denied"))
        GTEST_SKIP() << "the temporary folder does not allow devices (nodev)";
    EXPECT_EQ(toNull.exitCode, 0) << toNull.err.toStdString();
    EXPECT_EQ(FileType(null), static_cast<mode_t>(S_IFCHR));
    const CliResult toFull = RunCli({input, "--format", "hkp", "-o", full});
    EXPECT_EQ(toFull.exitCode, 1);
    EXPECT_TRUE(toFull.err.contains("No space left on device")) << toFull.err.toStdString();
    EXPECT_EQ(FileType(full), static_cast<mode_t>(S_IFCHR));
}

TEST(ExportCommand, InputWithoutAnEndOrTooLargeIsRefusedAtOnce)
{
    QTemporaryDir dir;
    // A sparse file of 300 MiB: its size alone refuses it, nothing of it is read.
    const QString sparse = dir.filePath("sparse.hkp");
    {
        QFile file(sparse);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(300) * 1024 * 1024));
    }
    for (const QString& input : {sparse, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(input.toStdString());
        const CliResult result = RunCli({input});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("too large")) << result.err.toStdString();
    }
}

} // namespace
