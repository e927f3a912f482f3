#include "data/Records.h"

#include <cstdio>

MSERIE::~MSERIE()
{
    for (MEAS* meas : measurements)
        delete meas;
}

void MSERIE::AddMeasurement(MEAS* meas)
{
    measurements.Add(meas);
    changed = 1;
}

MEAS* MSERIE::RemoveMeasurement(int index)
{
    MEAS* meas = measurements[index];
    measurements.RemoveAt(index);
    changed = 1;
    return meas;
}

bool DEVICE::ParseVersionNumbers(const QString& text, std::uint8_t numbers[3])
{
    int major = 0, minor = 0, build = 0;
    const QByteArray bytes = text.toLatin1();
    if (std::sscanf(bytes.constData(), "%d.%d.%d", &major, &minor, &build) != 3)
        return false;
    numbers[0] = static_cast<std::uint8_t>(major);
    numbers[1] = static_cast<std::uint8_t>(minor);
    numbers[2] = static_cast<std::uint8_t>(build);
    return true;
}

void DEVICE::Clear()
{
    name.clear();
    serialNumber.clear();
    hardwareRevision.clear();
    firmwareVersion.clear();
    bootloaderVersion.clear();
    keysLocked = 0;
    for (int i = 0; i < 3; ++i) {
        firmwareNumbers[i] = 0;
        bootloaderNumbers[i] = 0;
    }
}
