// The link against the tester simulator over real pseudo-terminals: the port search, the connect
// flow with full memories, what the tester stores arriving unchanged, live events, settings and
// custom curves, a cable pulled during the transfer, and the boot loader.
#include "common/SimProcess.h"
#include "common/TempDir.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/MeasurementRecords.h"
#include "devicelink/TesterModels.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

bool StartSim(SimProcess& sim, const QStringList& args)
{
    QString error;
    if (!sim.Start(args, &error)) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    return true;
}

// The COM-number mapping: entry k-1 is COM k.
void MapPorts(const QStringList& paths)
{
    qputenv("SCLERON_SERIAL_PORTS", paths.join(':').toLocal8Bit());
}

class SimLink : public ::testing::Test {
protected:
    void SetUp() override { BuildConversionTables(store); }
    void TearDown() override { qunsetenv("SCLERON_SERIAL_PORTS"); }

    // The connect flow of the main window: search, open the first tester, take it over, check its
    // application. True when the application answers.
    bool Connect(const QStringList& simArgs, int readTimeoutMs = 250)
    {
        if (!StartSim(sim, simArgs))
            return false;
        MapPorts({sim.SlavePath()});
        link.ScanPorts();
        if (store.foundDevices.GetSize() != 1) {
            ADD_FAILURE() << "search found " << store.foundDevices.GetSize() << " testers";
            return false;
        }
        if (link.OpenPort(store.foundPorts[0]) != LinkResult::Ok) {
            ADD_FAILURE() << "cannot open the tester's port";
            return false;
        }
        link.Stream().SetTimeouts(readTimeoutMs, 100);
        AdoptFoundDevice(store, 0);
        link.events = 0;
        return link.CheckApplication() == LinkResult::Ok
            && link.LastApplicationCheck() == CDeviceLink::ApplicationCheck::Application;
    }

    // One tick of the main window's timer while idle: poll, then the events.
    void PollAndHandle()
    {
        std::uint8_t status = 0;
        ASSERT_EQ(link.PollStatus(status), LinkResult::Ok);
        if (status & CDeviceLink::eventDiscarded) {
            HideDiscardedMeasurement(store);
            status &= static_cast<std::uint8_t>(~CDeviceLink::eventDiscarded);
        }
        if (status) {
            link.events = status;
            link.ProcessEvents();
        }
    }

    SimProcess sim;
    CMeasurementStore store;
    CDeviceLink link{store};
};

TEST_F(SimLink, SearchListsKestrelTestersWithRm73SerialsLast)
{
    SimProcess rm73, plain, tamarin;
    ASSERT_TRUE(StartSim(rm73, {"--model", "kestrel2", "--serial", "RM730042"}));
    ASSERT_TRUE(StartSim(plain, {"--model", "kestrel1", "--serial", "1234", "--firmware", "1.4.2"}));
    ASSERT_TRUE(StartSim(tamarin, {"--model", "tamarin1", "--serial", "777"}));
    MapPorts({"", "", rm73.SlavePath(), "", tamarin.SlavePath(), "", plain.SlavePath()});

    link.ScanPorts();
    EXPECT_FALSE(link.IsOpen());
    ASSERT_EQ(store.foundDevices.GetSize(), 2);
    QStringList lines;
    for (int i = 0; i < 2; ++i)
        lines << TesterModels::FoundDeviceLine(store.foundDevices[i]->name, store.foundDevices[i]->serialNumber,
                                               store.foundPorts[i]);
    EXPECT_EQ(lines, QStringList({"Kestrel 1 1234  @ COM7", "Kestrel 2 RM730042  @ COM3"}));
    EXPECT_EQ(store.foundDevices[0]->firmwareVersion, "1.4.2");
    EXPECT_TRUE(store.laterDevices.IsEmpty());

    // A second search starts from nothing.
    MapPorts({});
    link.ScanPorts();
    EXPECT_TRUE(store.foundDevices.IsEmpty());
}

TEST_F(SimLink, ConnectDownloadsAFullMemory)
{
    struct Case {
        const char* model;
        int capacity;
    } cases[] = {{"kestrel1", 2900}, {"kestrel2", 2448}};
    for (const Case& c : cases) {
        store.DeleteMeasurements(-1, -1);
        ASSERT_TRUE(Connect({"--model", c.model, "--full"})) << c.model;
        link.jobs = CDeviceLink::jobsConnect;
        EXPECT_EQ(link.RunJobs(), 7) << c.model;
        EXPECT_EQ(link.jobs, 0u);
        EXPECT_EQ(store.CountMeasurements(), c.capacity) << c.model;
        EXPECT_EQ(store.CountMeasurements(), TesterModels::MemoryCapacity(store.device.name));
        EXPECT_EQ(store.unsavedData, 1);
        link.Close();
    }
}

// A store with series of every kind of scale, written as a measurement file for the simulator.
void FillKnownSeries(CMeasurementStore& store)
{
    struct SeriesSpec {
        int scale, material, probe;
        std::vector<float> values;
    } specs[] = {
        {2, 1, 0, {512.0f, 498.0f, 530.0f}},
        {8, 12, 1, {640.0f, 650.0f}},
        {9, 15, 0, {401.0f}},
        {3, 7, 0, {455.0f, 460.0f}},
    };
    const QDateTime start(QDate(2022, 1, 1), QTime(10, 0, 0), Qt::LocalTime);
    int n = 0;
    for (const SeriesSpec& item : specs) {
        auto* serie = new MSERIE;
        serie->SetScale(item.scale);
        serie->SetMaterial(item.material);
        serie->SetProbe(item.probe);
        serie->SetSeriesNo(store.series.GetSize() + 1);
        for (float value : item.values) {
            auto* meas = new MEAS;
            meas->SetValue(value);
            meas->SetAngle((n * 90) % 270);
            meas->SetProbe(item.probe);
            meas->SetHidden(n % 4 == 3 ? 1 : 0);
            meas->SetSeriesNo(serie->seriesNo);
            meas->SetTime(start.addSecs(86400LL * 40 * n + 2 * n).toSecsSinceEpoch());
            serie->AddMeasurement(meas);
            ++n;
        }
        store.AddSeries(serie);
    }
}

TEST_F(SimLink, TransferGivesBackExactlyWhatTheTesterStores)
{
    CMeasurementStore known;
    FillKnownSeries(known);
    QTemporaryDir dir;
    const QString path = dir.filePath("known.hkp");
    ASSERT_TRUE(known.SaveMeasurementsTo(path, nullptr));

    // Both record sizes, both date layouts.
    const char* models[] = {"kestrel1", "kestrel2"};
    const char* firmwares[] = {"1.4.0", "2.1.0"};
    for (const char* model : models) {
        for (const char* firmware : firmwares) {
            SCOPED_TRACE(std::string(model) + " " + firmware);
            store.DeleteMeasurements(-1, -1);
            ASSERT_TRUE(Connect({"--model", model, "--firmware", firmware, "--hkp", path}));
            link.jobs = CDeviceLink::jobReadMeasurements;
            ASSERT_EQ(link.RunJobs(), 1);
            ASSERT_EQ(store.series.GetSize(), known.series.GetSize());
            for (int k = 0; k < known.series.GetSize(); ++k) {
                const MSERIE& want = *known.series[k];
                const MSERIE& got = *store.series[k];
                EXPECT_EQ(got.scale, want.scale) << k;
                EXPECT_EQ(got.material, want.material) << k;
                EXPECT_EQ(got.probe, want.probe) << k;
                EXPECT_EQ(got.seriesNo, k + 1) << k;
                ASSERT_EQ(got.Count(), want.Count()) << k;
                for (int j = 0; j < want.Count(); ++j) {
                    const MEAS& w = *want.measurements[j];
                    const MEAS& g = *got.measurements[j];
                    EXPECT_EQ(g.value, w.value) << k << "." << j;
                    EXPECT_EQ(g.angle, w.angle) << k << "." << j;
                    EXPECT_EQ(g.hidden, w.hidden) << k << "." << j;
                    EXPECT_EQ(g.probe, w.probe) << k << "." << j;
                    EXPECT_EQ(g.time, w.time) << k << "." << j;
                }
            }
            link.Close();
        }
    }
}

TEST_F(SimLink, LiveEventsReachTheStore)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--series", "1", "--impacts", "2"}));
    link.jobs = CDeviceLink::jobsConnect;
    ASSERT_EQ(link.RunJobs(), 7);
    ASSERT_EQ(store.CountMeasurements(), 2);

    ASSERT_TRUE(sim.Send("series"));
    ASSERT_TRUE(sim.Send("impact 512 90"));
    ASSERT_TRUE(sim.Send("impact 520 90"));
    PollAndHandle();
    ASSERT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(store.series[0]->expanded, 0);
    EXPECT_EQ(store.series[1]->expanded, 1);
    ASSERT_EQ(store.series[1]->Count(), 2);
    EXPECT_EQ(store.series[1]->measurements[1]->value, 520.0f);
    EXPECT_EQ(store.series[1]->measurements[1]->angle, 90);

    ASSERT_TRUE(sim.Send("discard"));
    PollAndHandle();
    EXPECT_EQ(store.series[1]->measurements[1]->hidden, 1);
    EXPECT_EQ(store.series[1]->measurements[0]->hidden, 0);

    ASSERT_TRUE(sim.Send("lock 1"));
    PollAndHandle();
    EXPECT_EQ(store.device.keysLocked, 1u);
    ASSERT_TRUE(sim.Send("lock 2"));
    PollAndHandle();
    EXPECT_EQ(store.device.keysLocked, 0u);

    ASSERT_TRUE(sim.Send("display \"AB12\" 3"));
    PollAndHandle();
    EXPECT_EQ(std::memcmp(store.displayCodes, "AB12", 4), 0);
    EXPECT_EQ(store.displayMode, 3);
    EXPECT_EQ(store.CountMeasurements(), 4);
}

TEST_F(SimLink, SettingsAndCustomCurvesComeBackAsSent)
{
    struct Case {
        const char* model;
        int slotCount;
    } cases[] = {{"kestrel2", 6}, {"kestrel1", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        ASSERT_TRUE(Connect({"--model", c.model, "--firmware", "2.1.0"}));
        ASSERT_EQ(link.Identify(), LinkResult::Ok);
        store.deviceScale = 8;
        store.deviceMaterial = 12;
        store.deviceProbe = 1;
        store.conversionStandard = 1;
        store.fixedImpacts = 7;
        store.measurementCounter = 1234;
        ASSERT_EQ(link.WriteSettings(), LinkResult::Ok);
        store.deviceScale = store.deviceMaterial = store.deviceProbe = store.conversionStandard = 0;
        store.fixedImpacts = 0;
        store.measurementCounter = 0;
        ASSERT_EQ(link.ReadSettings(), LinkResult::Ok);
        EXPECT_EQ(store.deviceScale, 8);
        EXPECT_EQ(store.deviceMaterial, 12);
        EXPECT_EQ(store.deviceProbe, 1);
        EXPECT_EQ(store.conversionStandard, 1);
        EXPECT_EQ(store.fixedImpacts, 7);
        EXPECT_EQ(store.measurementCounter, 1234u);

        const CPARA hc1{0, 2, 1, 10.0f};
        const CPARA hc3{0, 1, 0, -4.5f};
        const CPARA dlHc2{1, 3, 6, 12.25f};
        store.customD[14] = hc1;
        store.customD[16] = hc3;
        store.customDL[15] = dlHc2;
        ASSERT_EQ(link.WriteCustomCurves(), LinkResult::Ok);
        // Register 0 of HC1 holds the range of the Vickers curve of material 1, 300..890.
        const SimReply range = sim.Command("show reg 0x00");
        EXPECT_EQ(range.text.toStdString(), "2C 01 7A 03");

        const CPARA untouched{1, 1, 0, 0.0f};
        store.customD[14] = store.customD[16] = untouched;
        store.customDL[15] = CPARA{5, 5, 5, 5.0f};
        ASSERT_EQ(link.ReadCustomCurves(), LinkResult::Ok);
        EXPECT_EQ(store.customD[14].scale, 2);
        EXPECT_EQ(store.customD[14].material, 1);
        EXPECT_NEAR(store.customD[14].offset, 10.0f, 1e-3);
        EXPECT_NEAR(store.customD[16].offset, -4.5f, 1e-6);
        if (c.slotCount == 6) {
            EXPECT_EQ(store.customDL[15].probe, 1);
            EXPECT_EQ(store.customDL[15].scale, 3);
            EXPECT_EQ(store.customDL[15].material, 6);
            EXPECT_NEAR(store.customDL[15].offset, 12.25f, 1e-3);
        } else {
            EXPECT_EQ(store.customDL[15], (CPARA{5, 5, 5, 5.0f})); // no Leeb DL slots on this tester
        }
        link.Close();
    }
}

TEST_F(SimLink, CablePulledDuringTheTransferLeavesNothingAndTheRetryIsWhole)
{
    ASSERT_TRUE(Connect({"--model", "kestrel1", "--full", "--paced"}, 200));
    int firstRun = -1;
    // The transfer of 2900 records takes over eight seconds at 38400 baud; the cable is pulled
    // while it runs.
    std::thread worker([&] {
        link.jobs = CDeviceLink::jobsConnect;
        firstRun = link.RunJobs();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    EXPECT_TRUE(sim.Send("unplug"));
    worker.join();
    EXPECT_TRUE(link.jobs & CDeviceLink::jobReadMeasurements);
    EXPECT_EQ(firstRun, 4); // clock, identity, settings and curves had arrived
    EXPECT_EQ(store.CountMeasurements(), 0);
    EXPECT_TRUE(store.series.IsEmpty());

    ASSERT_TRUE(sim.Send("replug"));
    ASSERT_TRUE(sim.Send("paced 0"));
    EXPECT_EQ(link.RunJobs(), 3);
    EXPECT_EQ(link.jobs, 0u);
    EXPECT_EQ(store.CountMeasurements(), 2900);
}

TEST_F(SimLink, NewMeasurementsCutShortArriveOnceWithTheRetry)
{
    ASSERT_TRUE(Connect({"--model", "kestrel1", "--series", "1", "--impacts", "2"}, 100));
    link.jobs = CDeviceLink::jobsConnect;
    ASSERT_EQ(link.RunJobs(), 7);
    ASSERT_EQ(store.CountMeasurements(), 2);
    store.series[0]->SetExpanded(1);

    ASSERT_TRUE(sim.Send("series"));
    for (const char* value : {"501", "502", "503"})
        ASSERT_TRUE(sim.Send(QString("impact ") + value));
    // Header and two whole records arrive, the third is cut off; the tester, which never saw its
    // answer leave whole, offers all three again.
    ASSERT_TRUE(sim.Send(QString("truncate %1 new").arg(5 + 11 + 11 + 4)));
    PollAndHandle();
    EXPECT_TRUE(link.events & CDeviceLink::eventNewMeasurements);
    EXPECT_EQ(store.CountMeasurements(), 2);
    EXPECT_EQ(store.series.GetSize(), 1);
    EXPECT_EQ(store.series[0]->expanded, 1);

    PollAndHandle();
    EXPECT_FALSE(link.events & CDeviceLink::eventNewMeasurements);
    ASSERT_EQ(store.series.GetSize(), 2);
    ASSERT_EQ(store.series[1]->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(store.series[1]->measurements[i]->value, 501.0f + i);
    EXPECT_EQ(store.series[0]->expanded, 0);
    EXPECT_EQ(store.series[1]->expanded, 1);
}

TEST_F(SimLink, TesterInItsBootLoaderDoesNotAnswerTheApplicationCheck)
{
    EXPECT_FALSE(Connect({"--model", "kestrel2", "--bootloader-mode"}, 100));
    EXPECT_EQ(link.LastApplicationCheck(), CDeviceLink::ApplicationCheck::BootLoader);
    ASSERT_TRUE(sim.Send("bootloader 0"));
    EXPECT_EQ(link.CheckApplication(), LinkResult::Ok);
    EXPECT_EQ(link.LastApplicationCheck(), CDeviceLink::ApplicationCheck::Application);
}

} // namespace
