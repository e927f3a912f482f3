// Prints how fast measurement values are converted and formatted, and how long the statistics of
// a long series take. Figures only; no thresholds.
#include "conversion/Conversion.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// One series for every (probe, scale, offered material) of the catalogues, material 0 for scales
// without materials; the measurements are spread over them with values 200..960 and angles 0..180.
void FillEverySeries(CMeasurementStore& store, int measurements)
{
    store.customD[14] = CPARA{1, ScaleType::Vickers, 1, 5.0f};
    store.customDL[15] = CPARA{1, ScaleType::Brinell, 1, -3.0f};
    std::vector<MSERIE*> series;
    for (int probe : {ProbeType::LeebD, ProbeType::LeebDL}) {
        const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, probe);
        for (int scale = 0; scale < catalogue.GetSize(); ++scale) {
            std::vector<int> materials(catalogue[scale]->materials.begin(), catalogue[scale]->materials.end());
            if (materials.empty())
                materials.push_back(MaterialIndex::None);
            for (int material : materials) {
                auto* serie = new MSERIE;
                serie->SetScale(scale);
                serie->SetMaterial(material);
                serie->SetProbe(probe);
                store.AddSeries(serie);
                series.push_back(serie);
            }
        }
    }
    for (std::int64_t i = 0; i < measurements; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(200.0f + static_cast<float>((i * 7919) % 7600) / 10.0f);
        meas->SetAngle(static_cast<int>((i * 37) % 181));
        series[static_cast<std::size_t>(i) % series.size()]->AddMeasurement(meas);
    }
}

void BenchFormat()
{
    constexpr int kMeasurements = 1000000;
    CMeasurementStore store;
    store.device.name = QStringLiteral("Kestrel 2");
    BuildConversionTables(store);
    FillEverySeries(store, kMeasurements);

    std::size_t characters = 0;
    int converted = 0;
    const auto start = Clock::now();
    for (int s = 0; s < store.series.GetSize(); ++s) {
        for (int m = 0; m < store.series[s]->Count(); ++m) {
            float value = 0;
            characters += static_cast<std::size_t>(FormatMeasurementValue(store, s, m, &value).size());
            converted += value > 0;
        }
    }
    const double seconds = Seconds(start);
    std::printf("FormatMeasurementValue: %d measurements in %d series in %.3f s: %.0f conversions/s"
                " (%d with a value, %zu characters)\n",
                kMeasurements, store.series.GetSize(), seconds, kMeasurements / seconds, converted, characters);
}

void BenchStatistics()
{
    constexpr int kValues = 10000;
    constexpr int kRuns = 20;
    CMeasurementStore store;
    BuildConversionTables(store);
    auto* serie = new MSERIE;
    serie->SetScale(ScaleType::Vickers);
    serie->SetMaterial(1);
    for (int i = 0; i < kValues; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(400.0f + static_cast<float>(i % 4000) / 10.0f);
        meas->SetAngle((i * 13) % 181);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);

    float mean = 0;
    const auto start = Clock::now();
    for (int run = 0; run < kRuns; ++run)
        mean += ComputeSeriesStatistics(store, 0).mean;
    const double seconds = Seconds(start) / kRuns;
    std::printf("ComputeSeriesStatistics: %d-value series in %.3f ms (mean %.1f)\n", kValues, seconds * 1000.0,
                mean / kRuns);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchFormat();
    BenchStatistics();
    return 0;
}
