// bench_table: how long the table takes for 100,000 measurements and how much memory it needs.
//   1. RefreshTable on the grid widget, every series expanded (the first build and a rebuild).
//   2. scleron-cli export of a measurement file with 100,000 measurements, as text.
// Prints its figures; there are no pass/fail thresholds.
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TablePopulation.h"
#include "table/TableView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kSeries = 1000;
constexpr int kPerSeries = 100;

void Fill(CMeasurementStore& store)
{
    for (int k = 0; k < kSeries; ++k) {
        auto* serie = new MSERIE;
        serie->SetScale(k % 3 == 0 ? 2 : k % 3); // Vickers, corrected and raw Leeb
        serie->SetMaterial(k % 3 == 0 ? 1 : 0);
        serie->SetSeriesNo(k + 1);
        serie->SetExpanded(1);
        for (int j = 0; j < kPerSeries; ++j) {
            auto* meas = new MEAS;
            meas->SetValue(static_cast<float>(400 + (k * 7 + j * 13) % 400));
            meas->SetAngle((j % 3) * 90);
            meas->SetHidden(j % 17 == 0 ? 1 : 0);
            meas->SetSeriesNo(k + 1);
            meas->SetTime(1600000000 + k * 1000 + j);
            serie->AddMeasurement(meas);
        }
        store.AddSeries(serie);
    }
}

// Processor time used so far (user and system), in milliseconds.
double CpuMilliseconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double PeakMegabytes(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

void BenchRefresh()
{
    CMeasurementStore store;
    Fill(store);
    CreateTableGrid(store, nullptr);
    const double before = PeakMegabytes(RUSAGE_SELF);
    QElapsedTimer timer;
    timer.start();
    double cpu = CpuMilliseconds(RUSAGE_SELF);
    RefreshTable(store);
    const qint64 first = timer.elapsed();
    const double firstCpu = CpuMilliseconds(RUSAGE_SELF) - cpu;
    const double after = PeakMegabytes(RUSAGE_SELF);
    timer.restart();
    cpu = CpuMilliseconds(RUSAGE_SELF);
    RefreshTable(store);
    const qint64 second = timer.elapsed();
    const double secondCpu = CpuMilliseconds(RUSAGE_SELF) - cpu;
    std::printf("RefreshTable, %d measurements in %d expanded series (%d rows):\n", kSeries * kPerSeries, kSeries,
                store.grid->GetRowCount());
    std::printf("  first build %lld ms (%.0f ms processor time), rebuild %lld ms (%.0f ms processor time)"
                " (target under 1000 ms)\n",
                static_cast<long long>(first), firstCpu, static_cast<long long>(second), secondCpu);
    std::printf("  peak memory %.1f MB, of which %.1f MB came with the first build (target under 300 MB)\n",
                PeakMegabytes(RUSAGE_SELF), after - before);
}

void BenchCliExport()
{
#ifdef SCLERON_CLI_PATH
    QTemporaryDir dir;
    const QString input = dir.filePath("bench.hkp");
    {
        CMeasurementStore store;
        Fill(store);
        QString error;
        if (!store.SaveMeasurementsTo(input, &error)) {
            std::printf("scleron-cli export: cannot write the input file: %s\n", qPrintable(error));
            return;
        }
    }
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(SCLERON_CLI_PATH), {"export", input, "-o", dir.filePath("bench.txt")});
    process.waitForFinished(600000);
    const qint64 elapsed = timer.elapsed();
    const double cpu = CpuMilliseconds(RUSAGE_CHILDREN);
    std::printf("scleron-cli export, %d measurements (%lld bytes in, %lld bytes out):\n", kSeries * kPerSeries,
                static_cast<long long>(QFile(input).size()), static_cast<long long>(QFile(dir.filePath("bench.txt")).size()));
    std::printf("  %lld ms (%.0f ms processor time), exit code %d, peak memory %.1f MB (target under 2000 ms)\n",
                static_cast<long long>(elapsed), cpu, process.exitCode(), PeakMegabytes(RUSAGE_CHILDREN));
#else
    std::printf("scleron-cli export: not built\n");
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchCliExport();
    BenchRefresh();
    return 0;
}
