#pragma once
// Helpers of the table tests: stores filled in code, a store with its grid, a host that records
// status texts.

#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TableHost.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

struct MeasSpec {
    float value = 500.0f;
    int angle = 0;
    int hidden = 0;
    std::int64_t time = 1600000000; // 2020-09-13 12:26:40 UTC
};

// Appends a series with the given measurements; all changed flags are cleared afterwards.
MSERIE& AddSeries(CMeasurementStore& store, int scale, int material, int probe, int seriesNo, bool expanded,
                  std::initializer_list<MeasSpec> measurements);
// A series of `count` visible measurements of 500 + i at angle 0, one second apart.
MSERIE& AddPlainSeries(CMeasurementStore& store, int seriesNo, bool expanded, int count, int scale = 0);

// Texts of columns from..to of a grid row.
QStringList RowTexts(const CGridCtrl& grid, int row, int from = 0, int to = 8);

// Local time is UTC in these tests, so dates and times are the same everywhere.
void UseUtc();

class RecordingHost final : public ITableHost {
public:
    RecordingHost() { SetTableHost(this); }
    ~RecordingHost() override { SetTableHost(nullptr); }
    void SetStatusText(const QString& text) override { statusTexts << text; }
    bool IsPortOpen() const override { return portOpen; }
    QWidget* MainWindow() const override { return nullptr; }
    void TableChanged() override { ++tableChanges; }

    QStringList statusTexts;
    bool portOpen = false;
    int tableChanges = 0;
};

// A store with its grid, as the main view has them.
class GridTableTest : public ::testing::Test {
protected:
    void SetUp() override;
    CGridCtrl& Grid() { return *store.grid; }

    CMeasurementStore store;
};
