#include "devicelink/MeasurementRecords.h"

#include "data/MeasurementStore.h"
#include "devicelink/DateTimeWords.h"
#include "devicelink/ModeWord.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

std::uint16_t Word(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

} // namespace

SDeviceRecord ParseDeviceRecord(const std::uint8_t* bytes, int size)
{
    SDeviceRecord r;
    r.timeWord = Word(bytes);
    r.dateWord = Word(bytes + 2);
    const std::uint32_t bits = static_cast<std::uint32_t>(bytes[4]) | (static_cast<std::uint32_t>(bytes[5]) << 8)
        | (static_cast<std::uint32_t>(bytes[6]) << 16) | (static_cast<std::uint32_t>(bytes[7]) << 24);
    std::memcpy(&r.value, &bits, sizeof r.value);
    // A garbled value can be NaN or infinite, which no range check catches; it counts as invalid
    // like any other value out of range.
    if (!std::isfinite(r.value))
        r.value = 0.0f;
    r.angle = bytes[8];
    r.modeWord = Word(bytes + 9);
    if (size >= 13) {
        r.hasSeriesNo = true;
        r.seriesNo = Word(bytes + 11);
    }
    return r;
}

void PlaceDeviceRecord(CMeasurementStore& store, const SDeviceRecord& record, int firmwareMajor)
{
    store.timeWord = record.timeWord;
    store.dateWord = record.dateWord;
    const std::int64_t time
        = LocalCalendarToTime(UnpackDateTimeWords(store.timeWord, store.dateWord, firmwareMajor));
    const SModeFields mode = DecodeModeWord(store, record.modeWord);

    const int n = store.series.GetSize();
    MSERIE* last = n > 0 ? store.series[n - 1] : nullptr;
    // A series left without measurements (the user deleted them) has no marker to compare with;
    // the record then starts a series of its own instead of failing every later download.
    const bool newSeries = last == nullptr || last->Count() == 0
        || last->measurements[last->Count() - 1]->seriesMark != mode.seriesMark;
    int seriesNo = 0;
    if (record.hasSeriesNo)
        seriesNo = record.seriesNo;
    else
        seriesNo = newSeries ? n + 1 : last->seriesNo;

    auto meas = std::make_unique<MEAS>();
    meas->SetTime(time);
    meas->SetValue(record.value);
    meas->SetAngle(record.angle);
    meas->SetProbe(mode.probe);
    meas->SetHidden(mode.hidden);
    meas->SetSeriesMark(mode.seriesMark);
    meas->SetSeriesNo(seriesNo);
    store.SanitizeMeasurement(*meas);

    if (newSeries) {
        auto serie = std::make_unique<MSERIE>();
        serie->SetScale(mode.scale);
        serie->SetMaterial(mode.material);
        serie->SetProbe(mode.probe);
        serie->SetSeriesNo(seriesNo);
        serie->SetExpanded(0);
        serie->SetDeleteMark(0);
        last = serie.get();
        store.AddSeries(serie.release());
    }
    last->changed = 1;
    last->AddMeasurement(meas.release());
}

CTransferRollback::CTransferRollback(CMeasurementStore& store)
    : store(store), seriesCount(store.series.GetSize()), seriesListChanged(store.seriesListChanged)
{
    if (seriesCount > 0) {
        const MSERIE* last = store.series[seriesCount - 1];
        lastSeriesCount = last->Count();
        lastSeriesExpanded = last->expanded;
        lastSeriesChanged = last->changed;
    }
}

void CTransferRollback::Undo()
{
    while (store.series.GetSize() > seriesCount)
        store.DeleteMeasurements(store.series.GetSize() - 1, -1);
    if (seriesCount > 0) {
        MSERIE* last = store.series[seriesCount - 1];
        while (last->Count() > lastSeriesCount)
            delete last->RemoveMeasurement(last->Count() - 1);
        last->SetExpanded(lastSeriesExpanded);
        last->changed = lastSeriesChanged;
    }
    store.seriesListChanged = seriesListChanged;
}

DiscardResult HideDiscardedMeasurement(CMeasurementStore& store)
{
    const int n = store.series.GetSize();
    if (n == 0)
        return DiscardResult::Nothing;
    MSERIE* last = store.series[n - 1];
    if (last->Count() == 0)
        return DiscardResult::Nothing;
    last->measurements[last->Count() - 1]->SetHidden(1);
    if (last->expanded)
        return DiscardResult::Hidden;
    last->SetExpanded(1);
    return DiscardResult::HiddenAndExpanded;
}
