#pragma once
// Measurement records of the bulk transfer and how they land in the store.
//
// Record layout (little-endian): time word (2), date word (2), raw value as IEEE float (4),
// angle in degrees (1), mode word (2), and on 13-byte records a series number (2).

#include <cstdint>

class CMeasurementStore;

struct SDeviceRecord {
    std::uint16_t timeWord = 0;
    std::uint16_t dateWord = 0;
    float value = 0.0f;
    int angle = 0;
    std::uint16_t modeWord = 0;
    bool hasSeriesNo = false; // 13-byte records carry their series number
    int seriesNo = 0;
};

// size is 11 or 13.
SDeviceRecord ParseDeviceRecord(const std::uint8_t* bytes, int size);

// Decodes a record and appends its measurement: to the last series while the series marker
// matches that series' last measurement, else to a new series. Throws std::invalid_argument when
// the mode word names a scale the catalogues lack; nothing is placed then.
void PlaceDeviceRecord(CMeasurementStore& store, const SDeviceRecord& record, int firmwareMajor);

// Remembers the store before a download, so that a download that fails part-way can take back
// what it placed and its retry does not duplicate measurements.
class CTransferRollback {
public:
    explicit CTransferRollback(CMeasurementStore& store);
    // Removes the series and measurements placed since construction and restores the last
    // series' expanded state and the change flags.
    void Undo();

private:
    CMeasurementStore& store;
    int seriesCount;
    int lastSeriesCount = 0;
    std::int32_t lastSeriesExpanded = 0;
    std::uint8_t lastSeriesChanged = 0;
    std::uint8_t seriesListChanged;
};

enum class DiscardResult {
    Nothing,           // no series, or the last series has no measurement
    Hidden,            // the last measurement of the last series is now hidden
    HiddenAndExpanded, // ... and its series, collapsed before, is now expanded
};
// The tester discarded its last impact: hide the last measurement of the last series and expand
// that series so the user sees it. The caller refreshes the table.
DiscardResult HideDiscardedMeasurement(CMeasurementStore& store);
