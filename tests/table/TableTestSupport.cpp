#include "TableTestSupport.h"

#include "table/TableView.h"

#include <ctime>

namespace {
// The environment these tests are written for, set before the test main creates the application
// (so the locale is the C locale): ISO dates, UTC as local time, and the source and build folders
// also when the test program is started by hand.
struct TableTestEnvironment {
    TableTestEnvironment()
    {
        qputenv("LC_ALL", "C");
        qputenv("TZ", "UTC");
        tzset();
        if (qEnvironmentVariableIsEmpty("SCLERON_SOURCE_DIR"))
            qputenv("SCLERON_SOURCE_DIR", SCLERON_TEST_SOURCE_DIR);
        if (qEnvironmentVariableIsEmpty("SCLERON_BINARY_DIR"))
            qputenv("SCLERON_BINARY_DIR", SCLERON_TEST_BINARY_DIR);
    }
} environment;
} // namespace

MSERIE& AddSeries(CMeasurementStore& store, int scale, int material, int probe, int seriesNo, bool expanded,
                  std::initializer_list<MeasSpec> measurements)
{
    auto* serie = new MSERIE;
    serie->SetScale(scale);
    serie->SetMaterial(material);
    serie->SetProbe(probe);
    serie->SetSeriesNo(seriesNo);
    serie->SetExpanded(expanded ? 1 : 0);
    for (const MeasSpec& item : measurements) {
        auto* meas = new MEAS;
        meas->SetValue(item.value);
        meas->SetAngle(item.angle);
        meas->SetHidden(item.hidden);
        meas->SetProbe(probe);
        meas->SetSeriesNo(seriesNo);
        meas->SetTime(item.time);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);
    store.ClearChanges();
    return *serie;
}

MSERIE& AddPlainSeries(CMeasurementStore& store, int seriesNo, bool expanded, int count, int scale)
{
    MSERIE& serie = AddSeries(store, scale, 0, 0, seriesNo, expanded, {});
    for (int i = 0; i < count; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(500.0f + static_cast<float>(i));
        meas->SetTime(1600000000 + i);
        meas->SetSeriesNo(seriesNo);
        serie.AddMeasurement(meas);
    }
    store.ClearChanges();
    return serie;
}

QStringList RowTexts(const CGridCtrl& grid, int row, int from, int to)
{
    QStringList texts;
    for (int column = from; column <= to; ++column)
        texts << grid.GetItemText(row, column);
    return texts;
}

void UseUtc()
{
    qputenv("TZ", "UTC");
    tzset();
}

void GridTableTest::SetUp()
{
    UseUtc();
    CreateTableGrid(store, nullptr);
}
