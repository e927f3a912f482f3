// The pure codecs of the link: mode word, date and time words, records and how they form series.
#include "devicelink/DateTimeWords.h"
#include "devicelink/MeasurementRecords.h"
#include "devicelink/ModeWord.h"
#include "devicelink/TextReply.h"

#include "TestRecords.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

std::int64_t LocalSeconds(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime).toSecsSinceEpoch();
}

struct Built : CMeasurementStore {
    Built() { BuildConversionTables(*this); }
};

TEST(ModeWord, DecodesTheWireFields)
{
    Built store;
    struct Case {
        std::uint16_t word;
        int scale, material, probe, hidden, mark;
    } cases[] = {
        {0x0441, 2, 1, 1, 0, 0},
        {0x0120, 8, 12, 0, 0, 0},      // tensile strength, second entry of the Leeb D list
        {0x0540, 8, 13, 1, 0, 0},      // the same scale from the Leeb DL list
        {0x0160, 9, 14, 0, 0, 0},      // HC1
        {0x01A0, 9, 16, 0, 0, 0},      // HC3
        {0x0047, 2, 10, 0, 0, 0},      // material code 7 is material 10
        {0x0068, 3, 7, 0, 0, 0},       // material code 8 is material 7
        {0x044C, 2, 0, 0, 0, 0},       // material code 12: material 0 and probe 0
        {0x05C1, 0, 0, 0, 0, 0},       // scale code 14: all cleared
        {0xC041, 2, 1, 0, 1, 1},       // hidden flag and series marker
    };
    for (const Case& c : cases) {
        const SModeFields f = DecodeModeWord(store, c.word);
        EXPECT_EQ(f.scale, c.scale) << std::hex << c.word;
        EXPECT_EQ(f.material, c.material) << std::hex << c.word;
        EXPECT_EQ(f.probe, c.probe) << std::hex << c.word;
        EXPECT_EQ(f.hidden, c.hidden) << std::hex << c.word;
        EXPECT_EQ(f.seriesMark, c.mark) << std::hex << c.word;
    }
}

TEST(ModeWord, DecodeWithoutCataloguesIsAnInvalidArgument)
{
    CMeasurementStore store; // no tables built
    EXPECT_THROW(DecodeModeWord(store, 0x0120), std::invalid_argument);
    EXPECT_EQ(DecodeModeWord(store, 0x0441).scale, 2); // needs no catalogue
}

TEST(ModeWord, Encodes)
{
    Built store;
    struct Case {
        int scale, material, probe;
        std::uint16_t word;
    } cases[] = {
        {2, 10, 0, 0x0047}, {8, 12, 1, 0x0520}, {9, 15, 0, 0x0180}, {1, 5, 0, 0x0020},
        {0, 5, 1, 0x0400},  {6, 1, 0, 0x0020},  {8, 3, 0, 0x0020},  {9, 2, 0, 0x0020},
        {3, 7, 0, 0x0068},  {2, 11, 0, 0x0040}, {2, 1, 0x13, 0x0C41},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeModeWord(store, c.scale, c.material, c.probe), c.word)
            << c.scale << "," << c.material << "," << c.probe;
}

TEST(ModeWord, EveryCatalogueChoiceSurvivesTheWire)
{
    Built store;
    for (int probe = 0; probe <= 1; ++probe) {
        const CArray<CONVERSION*>& catalogue = probe == 1 ? store.scalesDL : store.scalesD;
        for (int scale : {2, 3, 4, 5, 7, 8, 9}) {
            for (int material : catalogue[scale]->materials) {
                const SModeFields f = DecodeModeWord(store, EncodeModeWord(store, scale, material, probe));
                EXPECT_EQ(f.scale, scale) << probe << "/" << scale << "/" << material;
                EXPECT_EQ(f.material, material) << probe << "/" << scale << "/" << material;
                EXPECT_EQ(f.probe, probe) << probe << "/" << scale << "/" << material;
            }
        }
    }
}

TEST(DateTimeWords, PacksTheClockWords)
{
    const SCalendarTime t{2023, 3, 5, 14, 7, 9};
    EXPECT_EQ(PackTimeWord(t), 0x70E4);
    EXPECT_EQ(PackDateWord(t, 2), 0x2E65);
    EXPECT_EQ(PackDateWord(t, 3), 0x2E65);
    EXPECT_EQ(PackDateWord(t, 1), 0xB865);
}

TEST(DateTimeWords, UnpacksByFirmwareLayoutAndReplacesInvalidStamps)
{
    struct Case {
        std::uint16_t time, date;
        int major;
        SCalendarTime want;
    } cases[] = {
        {0x0000, 0x2C21, 2, {2022, 1, 1, 0, 0, 0}},
        {0x0000, 0x2C21, 1, {2005, 1, 1, 0, 0, 0}},
        {0x70E4, 0x2E65, 2, {2023, 3, 5, 14, 7, 8}},
        {0x70E4, 0xB865, 0, {2023, 3, 5, 14, 7, 8}},
        {0x0000, (22 << 9) | (13 << 5) | 1, 2, {2006, 1, 1, 10, 0, 0}}, // month 13
        {24 << 11, 0x2C21, 2, {2006, 1, 1, 10, 0, 0}},                 // hour 24
        {30, 0x2C21, 2, {2006, 1, 1, 10, 0, 0}},                       // seconds field 30
        {60 << 5, 0x2C21, 2, {2006, 1, 1, 10, 0, 0}},                  // minute 60
        {0x0000, (22 << 9) | (1 << 5), 2, {2006, 1, 1, 10, 0, 0}},     // day 0
    };
    for (const Case& c : cases) {
        const SCalendarTime t = UnpackDateTimeWords(c.time, c.date, c.major);
        EXPECT_EQ(LocalCalendarToTime(t), LocalSeconds(c.want.year, c.want.month, c.want.day, c.want.hour,
                                                       c.want.minute, c.want.second))
            << std::hex << c.time << " " << c.date << " fw " << c.major;
    }
}

void Place(CMeasurementStore& store, const std::vector<std::uint8_t>& bytes, int major = 2)
{
    PlaceDeviceRecord(store, ParseDeviceRecord(bytes.data(), static_cast<int>(bytes.size())), major);
}

TEST(DeviceRecords, RecordFieldsLandInMeasurementAndSeries)
{
    Built store;
    Place(store, RecordBytes(0x70E4, 0x2E65, 512.5f, 90, 0x4441, 7));
    ASSERT_EQ(store.series.GetSize(), 1);
    const MSERIE& s = *store.series[0];
    EXPECT_EQ(s.scale, 2);
    EXPECT_EQ(s.material, 1);
    EXPECT_EQ(s.probe, 1);
    EXPECT_EQ(s.seriesNo, 7);
    EXPECT_EQ(s.expanded, 0);
    ASSERT_EQ(s.Count(), 1);
    const MEAS& m = *s.measurements[0];
    EXPECT_EQ(m.time, LocalSeconds(2023, 3, 5, 14, 7, 8));
    EXPECT_FLOAT_EQ(m.value, 512.5f);
    EXPECT_EQ(m.angle, 90);
    EXPECT_EQ(m.probe, 1);
    EXPECT_EQ(m.hidden, 1);
    EXPECT_EQ(m.seriesNo, 7);
    EXPECT_EQ(m.changed, 1);
    EXPECT_TRUE(store.seriesListChanged);
}

TEST(DeviceRecords, GarbledValuesAndAnglesAreSanitised)
{
    Built store;
    Place(store, RecordBytes(0, 0x2C21, std::numeric_limits<float>::quiet_NaN(), 200, 0x0041));
    Place(store, RecordBytes(0, 0x2C21, std::numeric_limits<float>::infinity(), 10, 0x0041));
    Place(store, RecordBytes(0, 0x2C21, 1000.5f, 10, 0x0041));
    const MSERIE& s = *store.series[0];
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.measurements[0]->value, 0.0f);
    EXPECT_EQ(s.measurements[0]->angle, 180);
    EXPECT_EQ(s.measurements[1]->value, 0.0f);
    EXPECT_EQ(s.measurements[2]->value, 0.0f);
}

std::vector<int> Counts(const CMeasurementStore& store)
{
    std::vector<int> counts;
    for (const MSERIE* s : store.series)
        counts.push_back(s->Count());
    return counts;
}

TEST(DeviceRecords, FirstGenerationSeriesFollowTheMarker)
{
    Built store;
    for (int mark : {0, 0, 1, 1, 0})
        Place(store, RecordBytes(0, 0x2C21, 500.0f, 0, static_cast<std::uint16_t>(0x0041 | (mark << 15))));
    EXPECT_EQ(Counts(store), (std::vector<int>{2, 2, 1}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(store.series[k]->seriesNo, k + 1);
        for (const MEAS* m : store.series[k]->measurements)
            EXPECT_EQ(m->seriesNo, k + 1);
    }
}

TEST(DeviceRecords, SecondGenerationSeriesNumbersDoNotSplitSeries)
{
    Built store;
    for (int no : {5, 5, 6})
        Place(store, RecordBytes(0, 0x2C21, 500.0f, 0, 0x0041, no));
    ASSERT_EQ(Counts(store), (std::vector<int>{3}));
    EXPECT_EQ(store.series[0]->seriesNo, 5);
    EXPECT_EQ(store.series[0]->measurements[2]->seriesNo, 6);
}

TEST(DeviceRecords, EmptyLastSeriesStartsANewSeriesInsteadOfFailing)
{
    Built store;
    Place(store, RecordBytes(0, 0x2C21, 500.0f, 0, 0x0041));
    delete store.series[0]->RemoveMeasurement(0);
    EXPECT_NO_THROW(Place(store, RecordBytes(0, 0x2C21, 510.0f, 0, 0x0041)));
    EXPECT_NO_THROW(Place(store, RecordBytes(0, 0x2C21, 520.0f, 0, 0x0041)));
    EXPECT_EQ(Counts(store), (std::vector<int>{0, 2}));
    EXPECT_EQ(store.series[1]->seriesNo, 2);
}

TEST(DeviceRecords, RollbackTakesBackWhatATransferPlaced)
{
    Built store;
    Place(store, RecordBytes(0, 0x2C21, 500.0f, 0, 0x0041));
    Place(store, RecordBytes(0, 0x2C21, 501.0f, 0, 0x0041));
    store.series[0]->SetExpanded(1);
    store.ClearChanges();

    CTransferRollback rollback(store);
    Place(store, RecordBytes(0, 0x2C21, 502.0f, 0, 0x0041));  // joins the last series
    Place(store, RecordBytes(0, 0x2C21, 503.0f, 0, 0x8041));  // new series
    Place(store, RecordBytes(0, 0x2C21, 504.0f, 0, 0x0041));  // new series
    ASSERT_EQ(Counts(store), (std::vector<int>{3, 1, 1}));
    rollback.Undo();
    EXPECT_EQ(Counts(store), (std::vector<int>{2}));
    EXPECT_EQ(store.series[0]->measurements[1]->value, 501.0f);
    EXPECT_FALSE(store.HasChanges());
}

TEST(DiscardedMeasurement, HidesTheLastImpactAndShowsItsSeries)
{
    Built store;
    EXPECT_EQ(HideDiscardedMeasurement(store), DiscardResult::Nothing);

    Place(store, RecordBytes(0, 0x2C21, 500.0f, 0, 0x0041));
    Place(store, RecordBytes(0, 0x2C21, 501.0f, 0, 0x0041));
    EXPECT_EQ(HideDiscardedMeasurement(store), DiscardResult::HiddenAndExpanded);
    EXPECT_EQ(store.series[0]->expanded, 1);
    EXPECT_EQ(store.series[0]->measurements[0]->hidden, 0);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 1);
    EXPECT_EQ(HideDiscardedMeasurement(store), DiscardResult::Hidden);

    delete store.series[0]->RemoveMeasurement(1);
    delete store.series[0]->RemoveMeasurement(0);
    EXPECT_EQ(HideDiscardedMeasurement(store), DiscardResult::Nothing);
}

TEST(TextReply, EmptyFieldsReadAsDashAndTheTextEndsAtNul)
{
    CReplyFields fields(NormalizeTextReply(QByteArray("Kestr2 ;;123;ABCD;2.1.0;1.0.3\r\0junk", 35)));
    QString f;
    const char* want[] = {"Kestr2 ", "-", "123", "ABCD", "2.1.0"};
    for (const char* w : want) {
        ASSERT_TRUE(fields.Next(f));
        EXPECT_EQ(f, QLatin1String(w));
    }
    ASSERT_TRUE(fields.Last(f));
    EXPECT_EQ(f, "1.0.3");
    EXPECT_FALSE(fields.Next(f));
    EXPECT_TRUE(NormalizeTextReply(QByteArray("\0ID", 3)).isEmpty());
}

} // namespace
