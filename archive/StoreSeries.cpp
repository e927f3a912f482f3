#include "archive/StoreSeries.h"

#include "data/MeasurementStore.h"

#include <memory>

namespace {

ArchivedCurve CurveOf(const CArray<CPARA>& curves, int slot)
{
    const int index = CMeasurementStore::kCustomCurveFirst + slot;
    if (index >= curves.GetSize())
        return {};
    const CPARA& c = curves[index];
    return {c.scale, c.material, c.probe, c.offset};
}

void SetCurve(CArray<CPARA>& curves, int slot, const ArchivedCurve& curve)
{
    if (curves.GetSize() < CMeasurementStore::kCustomCurveCount)
        curves.SetSize(CMeasurementStore::kCustomCurveCount);
    CPARA& c = curves[CMeasurementStore::kCustomCurveFirst + slot];
    c.scale = curve.scale;
    c.material = curve.material;
    c.probe = curve.probe;
    c.offset = curve.offset;
}

} // namespace

ArchivedSeries ArchivedFromStore(const CMeasurementStore& store, int index, const Provenance& provenance)
{
    const MSERIE& serie = *store.series[index];
    ArchivedSeries out;
    out.tester = {store.device.name, store.device.serialNumber, store.device.firmwareVersion};
    out.seriesNo = serie.seriesNo;
    out.scale = serie.scale;
    out.material = serie.material;
    out.probe = serie.probe;
    out.conversionStandard = store.conversionStandard;
    for (int slot = 0; slot < 3; ++slot) {
        out.curvesD[slot] = CurveOf(store.customD, slot);
        out.curvesDL[slot] = CurveOf(store.customDL, slot);
    }
    out.measurements.reserve(serie.Count());
    for (const MEAS* m : serie.measurements)
        out.measurements.push_back({m->time, m->value, m->angle, m->hidden != 0, m->probe, m->seriesMark});
    out.provenance = provenance;
    return out;
}

std::vector<ArchivedSeries> ArchivedFromStore(const CMeasurementStore& store, const Provenance& provenance)
{
    std::vector<ArchivedSeries> out;
    for (int i = 0; i < store.series.GetSize(); ++i)
        if (store.series[i]->Count() > 0)
            out.push_back(ArchivedFromStore(store, i, provenance));
    return out;
}

void AppendToStore(CMeasurementStore& store, const ArchivedSeries& series, bool withSettings)
{
    if (withSettings) {
        store.device.name = series.tester.name;
        store.device.serialNumber = series.tester.serial;
        store.device.firmwareVersion = series.tester.firmware;
        store.conversionStandard = series.conversionStandard;
        for (int slot = 0; slot < 3; ++slot) {
            SetCurve(store.customD, slot, series.curvesD[slot]);
            SetCurve(store.customDL, slot, series.curvesDL[slot]);
        }
    }
    auto serie = std::make_unique<MSERIE>();
    serie->SetScale(series.scale);
    serie->SetMaterial(series.material);
    serie->SetProbe(series.probe);
    serie->SetSeriesNo(series.seriesNo);
    for (const ArchivedMeasurement& a : series.measurements) {
        auto meas = std::make_unique<MEAS>();
        meas->SetTime(a.time);
        meas->SetValue(a.value);
        meas->SetAngle(a.angle);
        meas->SetHidden(a.hidden ? 1 : 0);
        meas->SetProbe(a.probe);
        meas->SetSeriesMark(a.seriesMark);
        meas->SetSeriesNo(series.seriesNo);
        serie->AddMeasurement(meas.release());
    }
    store.AddSeries(serie.release());
}
