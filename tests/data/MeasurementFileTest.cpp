#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>


namespace {

MEAS* Meas(float value, int angle, int hidden, int mark, int probe, int seriesNo, std::int64_t time)
{
    auto* m = new MEAS;
    m->SetValue(value);
    m->SetAngle(angle);
    m->SetHidden(hidden);
    m->SetSeriesMark(mark);
    m->SetProbe(probe);
    m->SetSeriesNo(seriesNo);
    m->SetTime(time);
    return m;
}

MSERIE* Serie(int scale, int material, int probe, int seriesNo, int expanded)
{
    auto* s = new MSERIE;
    s->SetScale(scale);
    s->SetMaterial(material);
    s->SetProbe(probe);
    s->SetSeriesNo(seriesNo);
    s->SetExpanded(expanded);
    return s;
}

void FillOneSeries(CMeasurementStore& store)
{
    store.device.name = "Kestrel 2";
    store.device.serialNumber = "K2-0042";
    store.device.firmwareVersion = "2.1.7";
    store.device.bootloaderVersion = "1.0.3";
    store.device.hardwareRevision = "C";
    store.deviceScale = 2;
    store.deviceMaterial = 1;
    store.deviceProbe = 0;
    store.reservedSetting = 0;
    store.conversionStandard = 1;
    MSERIE* s = Serie(2, 1, 0, 3, 1);
    s->AddMeasurement(Meas(512.5f, 90, 0, 1, 0, 3, 255));
    s->AddMeasurement(Meas(700.25f, 0, 1, 0, 0, 3, -1));
    store.AddSeries(s);
}

TEST(MeasurementFile, WritesVersion3ByteForByte)
{
    CMeasurementStore store;
    FillOneSeries(store);
    const QByteArray want =
        "3\r\n"
        "Kestrel 2\tK2-0042\t2.1.7\t1.0.3\tC\r\n"
        "2\t1\t0\t0\t1\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\t0\t1\t0.000000\r\n"
        "1\r\n"
        "2\t1\t0\t3\t1\t2\r\n"
        "512.500000\t90\t0\t1\t0\t3\t0x00000000000000FF\r\n"
        "700.250000\t0\t1\t0\t0\t3\t0xFFFFFFFFFFFFFFFF\r\n";
    const QByteArray got = MeasurementFile::Serialize(store);
    EXPECT_EQ(got, want);
    EXPECT_EQ(got.count("\r\n"), 13);
}

TEST(MeasurementFile, WriterUsesFullOffsetAndLatin1)
{
    CMeasurementStore store;
    store.customDL[15] = CPARA{0, 2, 5, -12.5f};
    store.device.serialNumber = QString::fromUtf8("Ä中");
    const QByteArray got = MeasurementFile::Serialize(store);
    EXPECT_TRUE(got.contains("\r\n2\t5\t0\t-12.500000\r\n"));
    EXPECT_TRUE(got.contains(QByteArray("\t\xC4?\t")));
}

void ExpectSameData(const CMeasurementStore& a, const CMeasurementStore& b)
{
    EXPECT_EQ(a.device.name, b.device.name);
    EXPECT_EQ(a.device.serialNumber, b.device.serialNumber);
    EXPECT_EQ(a.device.firmwareVersion, b.device.firmwareVersion);
    EXPECT_EQ(a.device.bootloaderVersion, b.device.bootloaderVersion);
    EXPECT_EQ(a.device.hardwareRevision, b.device.hardwareRevision);
    EXPECT_EQ(a.deviceScale, b.deviceScale);
    EXPECT_EQ(a.deviceMaterial, b.deviceMaterial);
    EXPECT_EQ(a.deviceProbe, b.deviceProbe);
    EXPECT_EQ(a.conversionStandard, b.conversionStandard);
    for (int i = 14; i < 17; ++i) {
        EXPECT_EQ(a.customD[i], b.customD[i]);
        EXPECT_EQ(a.customDL[i], b.customDL[i]);
    }
    ASSERT_EQ(a.series.GetSize(), b.series.GetSize());
    for (int i = 0; i < a.series.GetSize(); ++i) {
        const MSERIE& x = *a.series[i];
        const MSERIE& y = *b.series[i];
        EXPECT_EQ(std::tie(x.scale, x.material, x.probe, x.seriesNo, x.expanded),
                  std::tie(y.scale, y.material, y.probe, y.seriesNo, y.expanded));
        ASSERT_EQ(x.Count(), y.Count());
        for (int j = 0; j < x.Count(); ++j) {
            const MEAS& m = *x.measurements[j];
            const MEAS& n = *y.measurements[j];
            EXPECT_EQ(std::tie(m.value, m.angle, m.hidden, m.seriesMark, m.probe, m.seriesNo, m.time),
                      std::tie(n.value, n.angle, n.hidden, n.seriesMark, n.probe, n.seriesNo, n.time));
        }
    }
}

TEST(MeasurementFile, RoundTripKeepsEverythingAndClearsChangeFlags)
{
    CMeasurementStore store;
    FillOneSeries(store);
    store.customD[16] = CPARA{1, 4, 3, 2.5f};
    MSERIE* second = Serie(9, 15, 1, 4, 0);
    second->AddMeasurement(Meas(333.333f, 180, 0, 0, 1, 4, 1'700'000'000));
    store.AddSeries(second);

    CMeasurementStore back;
    ASSERT_EQ(MeasurementFile::Parse(back, MeasurementFile::Serialize(store)), MeasurementFile::ReadResult::Read);
    ExpectSameData(store, back);
    EXPECT_FALSE(back.HasChanges());
    for (const MSERIE* s : back.series) {
        EXPECT_EQ(s->changed, 0);
        for (const MEAS* m : s->measurements)
            EXPECT_EQ(m->changed, 0);
    }
}

TEST(MeasurementFile, EmptyDeviceTextsDoNotShiftLaterFields)
{
    CMeasurementStore store;
    FillOneSeries(store);
    store.device.hardwareRevision.clear();
    store.device.bootloaderVersion.clear();
    CMeasurementStore back;
    MeasurementFile::Parse(back, MeasurementFile::Serialize(store));
    ExpectSameData(store, back);
}

TEST(MeasurementFile, ProductNameFromVersion3Header)
{
    struct Case {
        const char* line;
        const char* want;
    } cases[] = {
        {"Kestrel 2\tS\t1.0.0\t1.0.0\tA", "Kestrel 2"},
        {"Kestrel 1\tS\t1.0.0\t1.0.0\tA", "Kestrel 1"},
        {"Tamarin 2\tS\t1.0.0\t1.0.0\tA", "Kestrel 1"},
        {"Kestrel 2 S 1.0.0 1.0.0 A", "Kestrel 2"},
    };
    for (const auto& c : cases) {
        CMeasurementStore store;
        const QByteArray text = QByteArray("3\r\n") + c.line + "\r\n0\t0\t0\t0\t0\r\n"
            + QByteArray("1\t0\t1\t0.000000\r\n").repeated(6) + "0\r\n";
        MeasurementFile::Parse(store, text);
        EXPECT_EQ(store.device.name, c.want) << c.line;
        EXPECT_EQ(store.device.serialNumber, "S") << c.line;
        EXPECT_EQ(store.device.hardwareRevision, "A") << c.line;
    }
}

TEST(MeasurementFile, ReadsVersion2And1)
{
    const QByteArray v2 =
        "2\nTamarin 2\tT-1\t1.2.3\t1.0.0\tB\n4\t7\t0\t0\t1\n"
        "2\t3\t1\t1.5\n1\t0\t1\t0.0\n1\t0\t1\t0.0\n"
        "2\n"
        "2\t1\t1\t2\n600.0\t90\t0\t1\t0\t0x10\n610.0\t90\t0\t1\t0\t0x11\n"
        "4\t12\t0\t1\n450.5\t0\t1\t0\t1\t0xFFFFFFFFFFFFFFFE\n";
    CMeasurementStore store;
    store.customDL[14] = CPARA{0, 5, 2, 9.0f};
    store.conversionStandard = 1;
    ASSERT_EQ(MeasurementFile::Parse(store, v2), MeasurementFile::ReadResult::Read);
    EXPECT_EQ(store.device.name, "Kestrel 1");
    EXPECT_EQ(store.conversionStandard, 1);
    EXPECT_EQ(store.customD[14], (CPARA{1, 2, 3, 1.5f}));
    EXPECT_EQ(store.customDL[14], (CPARA{0, 5, 2, 9.0f}));
    ASSERT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(store.series[0]->seriesNo, 1);
    EXPECT_EQ(store.series[1]->seriesNo, 2);
    EXPECT_EQ(store.series[0]->probe, 0);
    EXPECT_EQ(store.series[1]->probe, 0);
    EXPECT_EQ(store.series[0]->expanded, 1);
    EXPECT_EQ(store.series[0]->measurements[1]->seriesNo, 1);
    EXPECT_EQ(store.series[0]->measurements[1]->time, 0x11);
    EXPECT_EQ(store.series[1]->measurements[0]->seriesNo, 2);
    EXPECT_EQ(store.series[1]->measurements[0]->probe, 1);
    EXPECT_EQ(store.series[1]->measurements[0]->time, -2);
    EXPECT_FALSE(store.HasChanges());

    const QByteArray v1 = "1\nKestrel 2\tK\t1.2.3\t1.0.0\tB\n4\t7\t0\t0\n"
                          "1\t0\t1\t0.0\n1\t0\t1\t0.0\n1\t0\t1\t0.0\n0\n";
    CMeasurementStore old;
    old.conversionStandard = 1;
    MeasurementFile::Parse(old, v1);
    EXPECT_EQ(old.conversionStandard, 0);
    EXPECT_EQ(old.deviceScale, 4);
    EXPECT_EQ(old.deviceMaterial, 7);
    EXPECT_EQ(old.device.name, "Kestrel 1");
}

TEST(MeasurementFile, UnknownVersionChangesNothing)
{
    CMeasurementStore store;
    store.deviceScale = 9;
    for (const char* text : {"4\nKestrel 2\tK\t1\t1\tB\n1\t1\t1\t1\t1\n", "", "x3\n", "0\n"}) {
        EXPECT_EQ(MeasurementFile::Parse(store, text), MeasurementFile::ReadResult::UnknownVersion) << text;
        EXPECT_EQ(store.deviceScale, 9);
        EXPECT_TRUE(store.device.name.isEmpty());
    }
}

TEST(MeasurementFile, MalformedAndTruncatedFilesKeepWhatParsedBefore)
{
    const QByteArray head = "3\r\nKestrel 2\tK\t1.0.0\t1.0.0\tA\r\n0\t0\t0\t0\t0\r\n"
        + QByteArray("1\t0\t1\t0.000000\r\n").repeated(6);
    struct Case {
        QByteArray body;
        std::vector<int> wantCounts;
    } cases[] = {
        // A huge series count in a short file stops at the end of the file.
        {"2000000000\r\n2\t1\t0\t1\t1\t1\r\n500.0\t0\t0\t0\t0\t1\t0x1\r\n", {1}},
        // A huge measurement count likewise.
        {"1\r\n2\t1\t0\t1\t1\t2000000000\r\n500.0\t0\t0\t0\t0\t1\t0x1\r\n", {1}},
        // Truncated inside the second measurement: the first stays.
        {"1\r\n2\t1\t0\t1\t1\t2\r\n500.0\t0\t0\t0\t0\t1\t0x1\r\n510.0\t0\t0", {1}},
        // A malformed field ends reading; complete records before it stay.
        {"2\r\n2\t1\t0\t1\t1\t1\r\n500.0\t0\t0\t0\t0\t1\t0x1\r\nX\t1\t0\t2\t1\t1\r\n", {1}},
        {"1\r\n2\t1\t0\t1\t1\t2\r\n500.0\t0\t0\t0\t0\t1\tzz\r\n510.0\t0\t0\t0\t0\t1\t0x1\r\n", {0}},
        // Negative counts create nothing.
        {"-5\r\n", {}},
        {"1\r\n2\t1\t0\t1\t1\t-3\r\n", {0}},
    };
    for (const auto& c : cases) {
        CMeasurementStore store;
        EXPECT_EQ(MeasurementFile::Parse(store, head + c.body), MeasurementFile::ReadResult::Read);
        std::vector<int> counts;
        for (const MSERIE* s : store.series)
            counts.push_back(s->Count());
        EXPECT_EQ(counts, c.wantCounts) << c.body.constData();
        EXPECT_EQ(store.device.serialNumber, "K");
        EXPECT_FALSE(store.HasChanges());
    }
}

TEST(MeasurementFile, LongDeviceTextIsBoundedAndKeepsFollowingFields)
{
    const QByteArray longName(100000, 'N');
    const QByteArray text = "3\nKestrel 2\t" + longName + "\t1.0.0\t1.0.0\tA\n3\t4\t0\t0\t0\n"
        + QByteArray("1\t0\t1\t0.0\n").repeated(6) + "0\n";
    CMeasurementStore store;
    MeasurementFile::Parse(store, text);
    EXPECT_EQ(store.device.serialNumber.size(), MeasurementFile::kMaxDeviceText);
    EXPECT_EQ(store.device.firmwareVersion, "1.0.0");
    EXPECT_EQ(store.deviceScale, 3);
    EXPECT_EQ(store.deviceMaterial, 4);
}

class SaveAndOpen : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedPrompts prompts;
};

TEST_F(SaveAndOpen, SaveUsesDialogAndMarksSaved)
{
    CMeasurementStore store;
    FillOneSeries(store);
    store.unsavedData = 1;
    const QString path = dir.filePath("m.hkp");
    prompts.fileNames.push_back(path);
    EXPECT_EQ(store.SaveMeasurements(), 1);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    const FileDialogRequest& request = prompts.dialogs[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filter, "Halvex Kestrel (*.hkp)|*.hkp|Text (*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_EQ(request.initialName, "*.hkp");
    EXPECT_EQ(request.defaultExtension, "hkp");
    EXPECT_EQ(store.unsavedData, 0);
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(ReadWholeFile(path), MeasurementFile::Serialize(store));

    CMeasurementStore back;
    prompts.fileNames.push_back(path);
    back.OpenMeasurements(QString());
    EXPECT_FALSE(prompts.dialogs[1].save);
    ExpectSameData(store, back);
}

TEST_F(SaveAndOpen, CancelledSaveReturnsZeroAndKeepsState)
{
    CMeasurementStore store;
    FillOneSeries(store);
    store.unsavedData = 1;
    EXPECT_EQ(store.SaveMeasurements(), 0);
    EXPECT_EQ(store.unsavedData, 1);
    EXPECT_TRUE(store.HasChanges());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SaveAndOpen, FailedWriteKeepsUnsavedStateAndExistingFile)
{
    CMeasurementStore store;
    FillOneSeries(store);
    store.unsavedData = 1;
    // A target inside a folder that does not exist cannot be written.
    const QString missing = dir.filePath("no-such-folder/m.hkp");
    prompts.fileNames.push_back(missing);
    EXPECT_EQ(store.SaveMeasurements(), 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Unable to save measurements to \"" + missing + "\""));
    EXPECT_EQ(store.unsavedData, 1);
    EXPECT_TRUE(store.HasChanges());

    // A target that is a folder: the old content is untouched and no temporary file is left.
    const QString folder = dir.filePath("taken.hkp");
    QDir().mkdir(folder);
    prompts.fileNames.push_back(folder);
    EXPECT_EQ(store.SaveMeasurements(), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(SaveAndOpen, FailedWriteSaysWhyAndTheOldFileStays)
{
    CMeasurementStore store;
    for (int i = 0; i < 40; ++i)
        FillOneSeries(store);
    store.unsavedData = 1;
    const QString path = dir.filePath("m.hkp");
    WriteWholeFile(path, "previous\r\n");
    prompts.fileNames.push_back(path);
    {
        // Files this process writes may not grow past 1 KiB: the write itself fails.
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(store.SaveMeasurements(), 0);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], "Unable to save measurements to \"" + path + "\":\nFile too large");
    EXPECT_EQ(ReadWholeFile(path), "previous\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"m.hkp"}));
    EXPECT_EQ(store.unsavedData, 1);
}

TEST_F(SaveAndOpen, FileTooLargeIsToldAndChangesNothing)
{
    // 300 MiB without a byte on disk: refused by its size, before anything is read.
    const QString path = dir.filePath("huge.hkp");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("3\r\n") == 3);
        ASSERT_TRUE(file.resize(qint64(300) * 1024 * 1024));
    }
    for (const QString& source : {path, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(source.toStdString());
        prompts.messages.clear();
        CMeasurementStore store;
        EXPECT_EQ(MeasurementFile::Load(store, source), MeasurementFile::ReadResult::TooLarge);
        store.OpenMeasurements(source);
        EXPECT_EQ(prompts.messages, QStringList({"\"" + source + "\" is too large to be a measurement file."}));
        EXPECT_EQ(store.series.GetSize(), 0);
    }
}

TEST_F(SaveAndOpen, ExistingFileIsReplacedWhole)
{
    const QString path = dir.filePath("m.hkp");
    WriteWholeFile(path, QByteArray(100000, 'x'));
    CMeasurementStore store;
    FillOneSeries(store);
    ASSERT_TRUE(store.SaveMeasurementsTo(path, nullptr));
    EXPECT_EQ(ReadWholeFile(path), MeasurementFile::Serialize(store));
}

TEST_F(SaveAndOpen, OpenOfMissingFileOrCancelledDialogDoesNothing)
{
    CMeasurementStore store;
    store.OpenMeasurements(dir.filePath("absent.hkp"));
    store.OpenMeasurements(QString());
    EXPECT_EQ(store.series.GetSize(), 0);
    EXPECT_TRUE(store.device.name.isEmpty());
}

} // namespace
