#pragma once
// The records the program keeps its measurements, devices and conversion tables in.
//
// MEAS and MSERIE carry a one-byte `changed` flag. Their fields are public for reading; every
// write goes through a setter that stores the value and sets `changed` only when the value
// differs (set-if-different), so the store can tell whether anything needs saving.

#include "data/CArray.h"

#include <QString>

#include <cstdint>

namespace Records {
// Stores value into field and raises changed when they differ; an equal value changes nothing.
template <class F, class V>
inline void SetIfDifferent(F& field, const V& value, std::uint8_t& changed)
{
    if (field != static_cast<F>(value)) {
        field = static_cast<F>(value);
        changed = 1;
    }
}
} // namespace Records

// One measurement (one impact).
struct MEAS {
    std::int64_t time = 0;   // seconds since 1970-01-01 00:00:00 UTC
    float value = 0.0f;      // raw Leeb rebound value L
    std::int32_t angle = 0;  // impact direction in degrees: 0 down, 90 horizontal, 180 up
    std::int32_t probe = 0;  // probe type delivered with the measurement (0 Leeb D, 1 Leeb DL)
    std::int32_t hidden = 0; // 1 = excluded from statistics and drawn grey
    std::int32_t seriesMark = 0; // series marker bit of first-generation testers
    std::int32_t seriesNo = 0;
    std::uint8_t changed = 0;

    void SetTime(std::int64_t v) { Records::SetIfDifferent(time, v, changed); }
    void SetValue(float v) { Records::SetIfDifferent(value, v, changed); }
    void SetAngle(std::int32_t v) { Records::SetIfDifferent(angle, v, changed); }
    void SetProbe(std::int32_t v) { Records::SetIfDifferent(probe, v, changed); }
    void SetHidden(std::int32_t v) { Records::SetIfDifferent(hidden, v, changed); }
    void SetSeriesMark(std::int32_t v) { Records::SetIfDifferent(seriesMark, v, changed); }
    void SetSeriesNo(std::int32_t v) { Records::SetIfDifferent(seriesNo, v, changed); }
};

// One measurement series. Owns its measurements: deleting a series deletes them.
struct MSERIE {
    CArray<MEAS*> measurements;  // acquisition order
    std::int32_t scale = 0;      // scale type 0..9
    std::int32_t material = 0;   // material index 0..16
    std::int32_t probe = 0;      // 0 Leeb D, 1 Leeb DL
    std::int32_t seriesNo = 0;
    std::int32_t expanded = 0;   // 1 = the table shows the measurement rows
    std::int32_t deleteMark = 0; // marked for removal by the table's Delete command; never saved
    std::uint8_t changed = 0;

    MSERIE() = default;
    MSERIE(const MSERIE&) = delete;
    MSERIE& operator=(const MSERIE&) = delete;
    ~MSERIE();

    void SetScale(std::int32_t v) { Records::SetIfDifferent(scale, v, changed); }
    void SetMaterial(std::int32_t v) { Records::SetIfDifferent(material, v, changed); }
    void SetProbe(std::int32_t v) { Records::SetIfDifferent(probe, v, changed); }
    void SetSeriesNo(std::int32_t v) { Records::SetIfDifferent(seriesNo, v, changed); }
    void SetExpanded(std::int32_t v) { Records::SetIfDifferent(expanded, v, changed); }
    void SetDeleteMark(std::int32_t v) { Records::SetIfDifferent(deleteMark, v, changed); }

    // Appends a measurement the series takes ownership of; the series counts as changed.
    void AddMeasurement(MEAS* meas);
    // Takes the measurement at index out of the series without deleting it; the caller deletes it.
    MEAS* RemoveMeasurement(int index);
    int Count() const { return measurements.GetSize(); }
};

// Identity of one tester.
struct DEVICE {
    QString name;              // "Kestrel 1", "Kestrel 2", "Tamarin 1", "Tamarin 2"
    QString serialNumber;
    QString signature;         // kept from the identification reply; never shown or saved
    QString hardwareRevision;
    QString firmwareVersion;   // "major.minor.build"
    QString bootloaderVersion; // same form
    std::uint32_t keysLocked = 0;
    std::uint8_t firmwareNumbers[3] = {0, 0, 0};
    std::uint8_t bootloaderNumbers[3] = {0, 0, 0};

    // Parses "%d.%d.%d" into numbers; leaves them unchanged unless all three numbers are read.
    static bool ParseVersionNumbers(const QString& text, std::uint8_t numbers[3]);
    // Forgets the identity of the current device (the signature stays).
    void Clear();
};

// One entry of a scale catalogue.
struct CONVERSION {
    QString name;             // e.g. "HV    Vickers"
    QString unit;             // e.g. "HV"; empty for custom curves
    CArray<int> materials;    // material indices offered for this scale, in menu order
};

// One conversion curve: value = a0 + a1*L + a2*L^2 + a3*L^3 + a4*L^4 for low <= L <= high.
struct PARA {
    std::int32_t defined = 0; // 1 Leeb D entry, 2 Leeb DL entry, 0 no curve
    std::int32_t low = 0;
    std::int32_t high = 0;
    float coef[5] = {0, 0, 0, 0, 0};
};

// One custom curve: a base scale and material plus an offset.
struct CPARA {
    std::int32_t probe = 0;
    std::int32_t scale = 0;
    std::int32_t material = 0;
    float offset = 0.0f;

    friend bool operator==(const CPARA&, const CPARA&) = default;
};

// One impact-direction coefficient pair: corrected value at this angle = L*b + a.
struct ANGLE {
    std::int32_t angle = 0;
    float a = 0.0f;
    float b = 0.0f;
};
