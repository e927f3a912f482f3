#include "tools/kestrel-sim/HkpImport.h"

#include "tools/kestrel-sim/DateWords.h"
#include "tools/kestrel-sim/ModeWord.h"

#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"

#include <algorithm>

namespace Sim {

int ImportedFile::MeasurementCount() const
{
    int count = 0;
    for (const ImportedSeries& s : series)
        count += static_cast<int>(s.measurements.size());
    return count;
}

bool ReadHkp(const std::string& path, ImportedFile* file, std::string* error)
{
    CMeasurementStore store;
    switch (MeasurementFile::Load(store, QString::fromStdString(path))) {
    case MeasurementFile::ReadResult::Unreadable:
        *error = "cannot read " + path;
        return false;
    case MeasurementFile::ReadResult::UnknownVersion:
        *error = path + " is not a measurement file of version 1, 2 or 3";
        return false;
    case MeasurementFile::ReadResult::TooLarge:
        *error = path + " is too large to be a measurement file";
        return false;
    case MeasurementFile::ReadResult::Read:
        break;
    }
    file->productName = store.device.name.toStdString();
    file->serial = store.device.serialNumber.toStdString();
    file->firmware = store.device.firmwareVersion.toStdString();
    file->bootloader = store.device.bootloaderVersion.toStdString();
    file->hardware = store.device.hardwareRevision.toStdString();
    file->deviceScale = store.deviceScale;
    file->deviceMaterial = store.deviceMaterial;
    file->deviceProbe = store.deviceProbe;
    file->conversionStandard = store.conversionStandard;
    for (const MSERIE* serie : store.series) {
        ImportedSeries imported;
        imported.scale = serie->scale;
        imported.material = serie->material;
        imported.probe = serie->probe;
        for (const MEAS* meas : serie->measurements)
            imported.measurements.push_back({meas->time, meas->value, meas->angle, meas->hidden != 0, meas->seriesNo});
        file->series.push_back(std::move(imported));
    }
    return true;
}

std::vector<Record> ToRecords(const ImportedFile& file, bool oldDateLayout, int* clampedDates)
{
    *clampedDates = 0;
    std::vector<Record> records;
    for (std::size_t s = 0; s < file.series.size(); ++s) {
        const ImportedSeries& serie = file.series[s];
        std::uint16_t mode = EncodeMode(serie.scale, serie.material, serie.probe == 1 ? 1 : 0);
        if (s % 2 == 1)
            mode |= kSeriesMarkerBit;
        for (const ImportedMeasurement& meas : serie.measurements) {
            Record record;
            bool clamped = false;
            record.when = PackLocalTime(static_cast<std::time_t>(meas.time), oldDateLayout, &clamped);
            if (clamped)
                ++*clampedDates;
            record.value = meas.value;
            record.angle = static_cast<std::uint8_t>(std::clamp(meas.angle, 0, 180));
            record.modeWord = meas.hidden ? static_cast<std::uint16_t>(mode | kHiddenBit) : mode;
            record.seriesNo = static_cast<std::uint16_t>(std::clamp(meas.seriesNo, 0, 0xFFFF));
            records.push_back(record);
        }
    }
    return records;
}

} // namespace Sim
