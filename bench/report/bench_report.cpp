// bench_report: how long the inspection report of 100 series takes and how large it gets.
//   1. The content (statistics, verdicts, chart data, table texts) alone.
//   2. The whole PDF written to a file: 100 series of 20 measurements, limits on a third of them.
// Prints its figures; there are no pass/fail thresholds.
#include "data/MeasurementStore.h"
#include "quality/ToleranceLimits.h"
#include "report/InspectionReport.h"
#include "report/ReportContent.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kSeries = 100;
constexpr int kPerSeries = 20;

void Fill(CMeasurementStore& store)
{
    store.device.name = QStringLiteral("Kestrel 2");
    store.device.serialNumber = QStringLiteral("K2-BENCH-0001");
    store.device.firmwareVersion = QStringLiteral("2.1.0");
    for (int k = 0; k < kSeries; ++k) {
        auto* serie = new MSERIE;
        serie->SetScale(k % 3 == 0 ? 2 : k % 3); // Vickers, corrected and raw Leeb
        serie->SetMaterial(k % 3 == 0 ? 1 : 0);
        serie->SetSeriesNo(k + 1);
        for (int j = 0; j < kPerSeries; ++j) {
            auto* meas = new MEAS;
            meas->SetValue(static_cast<float>(450 + (k * 7 + j * 13) % 300));
            meas->SetAngle((j % 3) * 90);
            meas->SetHidden(j % 9 == 0 ? 1 : 0);
            meas->SetSeriesNo(k + 1);
            meas->SetTime(1600000000 + k * 1000 + j);
            serie->AddMeasurement(meas);
        }
        store.AddSeries(serie);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    CMeasurementStore store;
    Fill(store);
    CToleranceTable limits;
    limits.Set({2, 1}, {300.0f, 600.0f});
    const QDateTime date = QDateTime::currentDateTime();

    QElapsedTimer timer;
    timer.start();
    const ReportContent content = BuildReportContent(store, limits, date);
    const double contentMs = double(timer.nsecsElapsed()) / 1e6;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    double best = 1e300;
    ReportResult result;
    for (int run = 0; run < 3; ++run) {
        timer.restart();
        result = WriteInspectionReport(store, limits, path, date);
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        if (!result.written) {
            std::fprintf(stderr, "bench_report: %s\n", qPrintable(result.error));
            return 1;
        }
    }
    std::printf("report content, %d series x %d measurements: %.1f ms\n", kSeries, kPerSeries, contentMs);
    std::printf("report PDF, %d series x %d measurements: %.1f ms (best of 3), %d pages, %.0f KiB\n", kSeries,
                kPerSeries, best, result.pages, double(QFileInfo(path).size()) / 1024.0);
    return 0;
}
