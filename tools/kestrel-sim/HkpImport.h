#pragma once
// Stored series taken from a measurement file (".hkp"), so the tester can hand back what the
// program once saved.

#include "tools/kestrel-sim/Memory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Sim {

struct ImportedMeasurement {
    std::int64_t time = 0; // seconds since 1970 UTC
    float value = 0.0f;
    int angle = 0;
    bool hidden = false;
    int seriesNo = 0;
};

struct ImportedSeries {
    int scale = 0;
    int material = 0;
    int probe = 0;
    std::vector<ImportedMeasurement> measurements;
};

struct ImportedFile {
    std::string productName; // as the file reader gives it: "Kestrel 1" or "Kestrel 2"
    std::string serial, firmware, bootloader, hardware;
    int deviceScale = 0, deviceMaterial = 0, deviceProbe = 0, conversionStandard = 0;
    std::vector<ImportedSeries> series;
    int MeasurementCount() const;
};

// Reads the file with the program's own reader; false with a reason when it cannot be read.
bool ReadHkp(const std::string& path, ImportedFile* file, std::string* error);

// The file's measurements as the tester stores them: the series' scale, material and probe in the
// mode word, the series marker alternating from series to series (first-generation testers tell
// series apart by it), times as local date and time words. *clampedDates counts times the date
// layout could not hold (their year was clamped).
std::vector<Record> ToRecords(const ImportedFile& file, bool oldDateLayout, int* clampedDates);

} // namespace Sim
