// The live logger's CSV log: header on creation, an existing log's own dialect, files that are not
// logs left alone, and whole lines only, also when the disk (here a file size limit) runs out.
#include "common/FileSizeLimit.h"
#include "common/TempDir.h"

#include "export/CsvLog.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kHeaderC = "series,measurement,time,value,unit,scale,material,impact_body,angle,raw_leeb,hidden,status\r\n";
const QByteArray kHeaderComma = "series;measurement;time;value;unit;scale;material;impact_body;angle;raw_leeb;hidden;status\r\n";

CsvDialect GermanDialect()
{
    return CsvDialect::Locale(QLocale(QLocale::German));
}

TEST(CsvLog, StartsANewLogOrAppendsToAnExistingOneInItsOwnDialect)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray existing; // empty: no file yet
        CsvDialect wanted;
        QByteArray start;    // what the file holds before the row
        QChar separator;     // of the dialect the log uses
    } cases[] = {
        {"new-c", {}, CsvDialect::C(), kHeaderC, ','},
        {"new-locale", {}, GermanDialect(), kBom + kHeaderComma, ';'},
        {"empty-file", "", GermanDialect(), kBom + kHeaderComma, ';'},
        {"existing-comma", kBom + kHeaderComma + "1;1\r\n", CsvDialect::C(), kBom + kHeaderComma + "1;1\r\n", ';'},
        {"existing-c", kHeaderC + "1,1\r\n", GermanDialect(), kHeaderC + "1,1\r\n", ','},
        // A last line without its line end is ended before the row.
        {"unended", kHeaderC + "1,1", CsvDialect::C(), kHeaderC + "1,1\r\n", ','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (!c.existing.isNull())
            WriteWholeFile(path, c.existing);
        CCsvLog log;
        QString error;
        ASSERT_TRUE(log.Open(path, c.wanted, &error)) << error.toStdString();
        EXPECT_EQ(log.Dialect().separator, c.separator);
        ASSERT_TRUE(log.Append("2\r\n", &error));
        log.Close();
        EXPECT_EQ(ReadWholeFile(path), c.start + "2\r\n");
    }
}

TEST(CsvLog, LeavesAFileThatIsNotALogAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.csv");
    WriteWholeFile(path, "a,b\r\n1,2\r\n");
    CCsvLog log;
    QString error;
    EXPECT_FALSE(log.Open(path, CsvDialect::C(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(ReadWholeFile(path), "a,b\r\n1,2\r\n");
    EXPECT_FALSE(log.Open(dir.filePath("missing/log.csv"), CsvDialect::C(), &error));
    EXPECT_FALSE(log.Open(dir.path(), CsvDialect::C(), &error));
    // A FIFO nobody reads: an error at once, not a wait for a reader.
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(log.Open(fifo, CsvDialect::C(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(CsvLog, ALineThatDoesNotFitIsTakenBackWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.csv");
    CCsvLog log;
    QString error;
    ASSERT_TRUE(log.Open(path, CsvDialect::C(), &error));
    ASSERT_TRUE(log.Append("1,first\r\n", &error));
    const QByteArray before = ReadWholeFile(path);
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size() + 4));
        EXPECT_FALSE(log.Append("2,a line longer than the room left\r\n", &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(ReadWholeFile(path), before);
    // Room again: the next line follows the last whole one.
    ASSERT_TRUE(log.Append("3,third\r\n", &error)) << error.toStdString();
    EXPECT_EQ(ReadWholeFile(path), before + "3,third\r\n");
}

} // namespace
