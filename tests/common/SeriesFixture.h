#pragma once
// A measurement series put together by a test: raw Leeb values, some of them hidden, in one scale
// and material.

#include "data/MeasurementStore.h"

#include <initializer_list>

struct TestValue {
    float raw;
    int hidden = 0;
};

// Appends the series to the store; returns its index.
inline int AddTestSeries(CMeasurementStore& store, int scale, int material, std::initializer_list<TestValue> values)
{
    auto* serie = new MSERIE;
    serie->SetScale(scale);
    serie->SetMaterial(material);
    for (const TestValue& v : values) {
        auto* meas = new MEAS;
        meas->SetValue(v.raw);
        meas->SetHidden(v.hidden);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);
    return store.series.GetSize() - 1;
}
