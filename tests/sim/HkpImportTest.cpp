// Stored series taken from a measurement file.
#include "sim/SimOnLine.h"

#include "data/MeasurementStore.h"

#include <QTemporaryDir>

#include <ctime>

namespace {

struct SeriesCase {
    int scale, material, probe;
    std::uint16_t mode; // the mode word of that scale, material and probe
};

// Local date and time words of a time value, worked out here from the calendar.
std::pair<std::uint16_t, std::uint16_t> Words(std::int64_t value)
{
    const std::time_t t = static_cast<std::time_t>(value);
    std::tm local{};
    localtime_r(&t, &local);
    return {static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2)),
            static_cast<std::uint16_t>(((local.tm_year - 100) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday)};
}

TEST(SimHkp, TheFilesSeriesBecomeTheStoredRecords)
{
    const SeriesCase series[] = {
        {2, 10, 0, 0x0047}, {8, 12, 1, 0x0520}, {9, 15, 0, 0x0180}, {1, 5, 0, 0x0020}, {0, 5, 1, 0x0400},
    };
    CMeasurementStore store;
    store.device.name = "Kestrel 2";
    store.device.serialNumber = "77";
    store.device.firmwareVersion = "2.1.0";
    const std::int64_t base = 1700000000; // 2023-11-14
    int n = 0;
    for (const SeriesCase& c : series) {
        auto* serie = new MSERIE;
        serie->SetScale(c.scale);
        serie->SetMaterial(c.material);
        serie->SetProbe(c.probe);
        serie->SetSeriesNo(10 + n);
        for (int i = 0; i < 2; ++i) {
            auto* meas = new MEAS;
            meas->SetTime(base + 3600 * n + 7 * i);
            meas->SetValue(400.0f + n + i / 2.0f);
            meas->SetAngle(45 * i);
            meas->SetHidden(i == 1 && n == 2);
            meas->SetSeriesNo(10 + n);
            serie->AddMeasurement(meas);
        }
        store.AddSeries(serie);
        ++n;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("five.hkp");
    ASSERT_TRUE(store.SaveMeasurementsTo(path, nullptr));

    SimOnLine t;
    ASSERT_TRUE(t.Start({"--hkp", path}));
    EXPECT_EQ(t.line->Text("ID"), QByteArray("Kestr2 ;2.1.0;77\r"));
    const std::vector<WireRecord> records = SplitRecords(t.Hex("C1D010", 5 + 10 * 13), 13);
    ASSERT_EQ(records.size(), 10u);
    for (int s = 0; s < 5; ++s) {
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(testing::Message() << "series " << s << " measurement " << i);
            const WireRecord& r = records[static_cast<std::size_t>(2 * s + i)];
            std::uint16_t mode = series[s].mode;
            if (s % 2 == 1)
                mode |= 0x8000; // the marker alternates from series to series
            if (i == 1 && s == 2)
                mode |= 0x4000;
            EXPECT_EQ(r.mode, mode);
            EXPECT_EQ(r.value, 400.0f + s + i / 2.0f);
            EXPECT_EQ(r.angle, 45 * i);
            EXPECT_EQ(r.seriesNo, 10 + s);
            const auto [time, date] = Words(base + 3600 * s + 7 * i);
            EXPECT_EQ(r.time, time);
            EXPECT_EQ(r.date, date);
        }
    }
}

TEST(SimHkp, AFileLargerThanTheMemoryIsRefused)
{
    CMeasurementStore store;
    auto* serie = new MSERIE;
    for (int i = 0; i < 2449; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(500.0f);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.hkp");
    ASSERT_TRUE(store.SaveMeasurementsTo(path, nullptr));

    SimProcess sim;
    EXPECT_FALSE(sim.Start({"--model", "kestrel2", "--hkp", path}));
    EXPECT_EQ(sim.Stop(), 1);
    EXPECT_FALSE(sim.Start({"--hkp", dir.filePath("missing.hkp")}));
    EXPECT_EQ(sim.Stop(), 1);
}

} // namespace
