// The stored measurements as the bulk functions send them.
#include "sim/SimOnLine.h"

#include <set>

namespace {

QByteArray Record(std::uint16_t time, std::uint16_t date, float value, int angle, std::uint16_t mode, int seriesNo,
                  int size)
{
    QByteArray r = Le16(time) + Le16(date) + FloatBytes(value) + QByteArray(1, static_cast<char>(angle)) + Le16(mode);
    if (size == 13)
        r += Le16(static_cast<std::uint16_t>(seriesNo));
    return r;
}

TEST(SimDownload, RecordsGoOutFieldByFieldLittleEndian)
{
    for (const auto& [model, size] : {std::pair{"kestrel1", 11}, std::pair{"kestrel2", 13}}) {
        SCOPED_TRACE(model);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", model, "--empty"}));
        t.Do("record 0x70E4 0x2E65 512.5 90 0x8041 7");
        t.Do("record 0 0x2C21 300 180 0x4441 65535");
        const QByteArray expected = Bytes({0xEF, 0x00, 2 * size, 0, 0})
            + Record(0x70E4, 0x2E65, 512.5f, 90, 0x8041, 7, size) + Record(0, 0x2C21, 300.0f, 180, 0x4441, 65535, size);
        EXPECT_EQ(t.Hex("C1D010", 1000, 500).toHex(), expected.toHex());
    }
}

TEST(SimDownload, AFullMemoryFillsTheHeaderAndRefusesAnotherImpact)
{
    struct Case {
        const char* model;
        int records;
        int size;
    };
    for (const Case& c : {Case{"kestrel1", 2900, 11}, Case{"kestrel2", 2448, 13}}) {
        SCOPED_TRACE(c.model);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", c.model, "--full"}));
        const int length = c.records * c.size;
        const QByteArray bulk = t.Hex("C1D010", 5 + length, 10000);
        ASSERT_EQ(bulk.size(), 5 + length);
        EXPECT_EQ(bulk.left(5), Bytes({0xEF, 0x00, length & 0xFF, length >> 8, 0}));

        // Every record has a valid date and time; series markers alternate with the series.
        const std::vector<WireRecord> records = SplitRecords(bulk, c.size);
        ASSERT_EQ(records.size(), static_cast<std::size_t>(c.records));
        std::set<int> markerChanges;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const WireRecord& r = records[i];
            const int month = (r.date >> 5) & 0xF, day = r.date & 0x1F;
            ASSERT_TRUE(month >= 1 && month <= 12 && day >= 1 && (r.time >> 11) <= 23 && ((r.time >> 5) & 0x3F) <= 59
                        && (r.time & 0x1F) <= 29)
                << "record " << i;
            if (i > 0 && (records[i].mode & 0x8000) != (records[i - 1].mode & 0x8000))
                markerChanges.insert(static_cast<int>(i));
        }
        EXPECT_GT(markerChanges.size(), 100u);

        const SimReply refused = t.sim.Command("impact 500");
        EXPECT_FALSE(refused.ok);
        EXPECT_TRUE(refused.text.contains("memory full")) << refused.text.toStdString();
    }
}

TEST(SimDownload, TheSeedDecidesTheGeneratedMemory)
{
    auto download = [](const char* seed) {
        SimOnLine t;
        if (!t.Start({"--model", "kestrel2", "--seed", seed, "--series", "4", "--impacts", "6"}))
            return QByteArray();
        return t.Hex("C1D010", 5 + 24 * 13);
    };
    const QByteArray first = download("7");
    ASSERT_EQ(first.size(), 5 + 24 * 13);
    EXPECT_EQ(download("7"), first);
    EXPECT_NE(download("8"), first);
}

// An impact is stamped with the tester's clock in the date layout of its firmware, and the PC can
// set that clock with the same words.
TEST(SimDownload, ImpactsCarryTheClockInTheFirmwaresDateLayout)
{
    struct Case {
        const char* firmware;
        std::uint16_t date;
    };
    for (const Case& c : {Case{"2.1.0", 0x2E65}, Case{"1.4.2", 0xB865}}) {
        SCOPED_TRACE(c.firmware);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--firmware", c.firmware, "--clock",
                             "2023-03-05 14:07:08"}));
        t.Do("impact 512");
        const std::vector<WireRecord> stamped = SplitRecords(t.Hex("C1D011", 5 + 13), 13);
        ASSERT_EQ(stamped.size(), 1u);
        EXPECT_EQ(stamped[0].date, c.date);
        EXPECT_TRUE(stamped[0].time == 0x70E4 || stamped[0].time == 0x70E5) << std::hex << stamped[0].time;

        // 1 January 2022 10:00:00 set from the PC.
        const std::uint16_t date = c.date == 0x2E65 ? (22 << 9) | (1 << 5) | 1 : (22 << 11) | (1 << 5) | 1;
        EXPECT_EQ(t.line->Exchange(QByteArray::fromHex("C5D004") + Le16(10 << 11) + Le16(date), 1), Bytes({0x00}));
        EXPECT_TRUE(t.sim.Command("show settings").text.contains("clock=2022-01-01T10:00:0"));
        // Month 13 is refused and leaves the clock alone.
        EXPECT_EQ(t.line->Exchange(QByteArray::fromHex("C5D004") + Le16(10 << 11) + Le16(date | (13 << 5)), 1),
                  Bytes({0xFD}));
        EXPECT_TRUE(t.sim.Command("show settings").text.contains("clock=2022-01-01T10:00:0"));
    }
}

} // namespace
