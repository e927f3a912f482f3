#include "data/MeasurementStore.h"

CMeasurementStore::CMeasurementStore()
{
    customD.SetSize(kCustomCurveCount);
    customDL.SetSize(kCustomCurveCount);
    for (int i = kCustomCurveFirst; i < kCustomCurveCount; ++i) {
        const CPARA untouched{1, 1, 0, 0.0f};
        customD[i] = untouched;
        customDL[i] = untouched;
    }
}

CMeasurementStore::~CMeasurementStore()
{
    DeleteConversionRecords();
    DeleteMeasurements(-1, -1);
    settingsDialog.reset();
    ClearFoundDevices();
    // The remaining members go in reverse declaration order.
}

int CMeasurementStore::DeleteMeasurements(int seriesIndex, int measurement)
{
    if (seriesIndex < 0) {
        for (MSERIE* serie : series)
            delete serie;
        series.RemoveAll();
        seriesListChanged = 1;
        return 0;
    }
    if (seriesIndex >= series.GetSize())
        return 0;
    MSERIE* serie = series[seriesIndex];
    if (measurement >= 0) {
        if (measurement < serie->Count())
            delete serie->RemoveMeasurement(measurement);
        return 0;
    }
    series.RemoveAt(seriesIndex);
    delete serie;
    seriesListChanged = 1;
    return 0;
}

int CMeasurementStore::CountMeasurements() const
{
    int count = 0;
    for (const MSERIE* serie : series)
        count += serie->Count();
    return count;
}

void CMeasurementStore::SanitizeMeasurement(MEAS& meas) const
{
    // Written so that a NaN from a garbled record is forced to 0 as well.
    if (!(meas.value >= 0.0f && meas.value <= 1000.0f))
        meas.SetValue(0.0f);
    if (meas.angle < 0)
        meas.SetAngle(0);
    else if (meas.angle > 180)
        meas.SetAngle(180);
    if (meas.hidden != 0 && meas.hidden != 1)
        meas.SetHidden(0);
}

bool CMeasurementStore::HasChanges() const
{
    if (seriesListChanged)
        return true;
    for (const MSERIE* serie : series) {
        if (serie->changed)
            return true;
        for (const MEAS* meas : serie->measurements)
            if (meas->changed)
                return true;
    }
    return false;
}

void CMeasurementStore::ClearChanges()
{
    seriesListChanged = 0;
    for (MSERIE* serie : series) {
        serie->changed = 0;
        for (MEAS* meas : serie->measurements)
            meas->changed = 0;
    }
}

void CMeasurementStore::AddSeries(MSERIE* serie)
{
    series.Add(serie);
    seriesListChanged = 1;
}

void CMeasurementStore::DeleteConversionRecords()
{
    for (CONVERSION* entry : scalesD)
        delete entry;
    for (CONVERSION* entry : scalesDL)
        delete entry;
    scalesD.RemoveAll();
    scalesDL.RemoveAll();
}

void CMeasurementStore::ClearFoundDevices()
{
    for (DEVICE* found : foundDevices)
        delete found;
    for (DEVICE* found : laterDevices)
        delete found;
    foundDevices.RemoveAll();
    foundPorts.RemoveAll();
    laterDevices.RemoveAll();
    laterPorts.RemoveAll();
}
