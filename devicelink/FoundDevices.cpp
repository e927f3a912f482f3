#include "devicelink/FoundDevices.h"

#include "data/MeasurementStore.h"

void AppendLaterDevices(CMeasurementStore& store)
{
    for (int i = 0; i < store.laterPorts.GetSize(); ++i) {
        store.foundPorts.Add(store.laterPorts[i]);
        store.foundDevices.Add(store.laterDevices[i]);
    }
    store.laterPorts.RemoveAll();
    store.laterDevices.RemoveAll();
}

int ForgetFoundPort(CMeasurementStore& store, int port)
{
    int removed = 0;
    for (int i = store.foundPorts.GetSize() - 1; i >= 0; --i) {
        if (store.foundPorts[i] != port)
            continue;
        delete store.foundDevices[i];
        store.foundDevices.RemoveAt(i);
        store.foundPorts.RemoveAt(i);
        ++removed;
    }
    return removed;
}

void AdoptFoundDevice(CMeasurementStore& store, int index)
{
    const DEVICE& found = *store.foundDevices[index];
    store.device.name = found.name;
    store.device.firmwareVersion = found.firmwareVersion;
    DEVICE::ParseVersionNumbers(store.device.firmwareVersion, store.device.firmwareNumbers);
    store.device.serialNumber = found.serialNumber;
}
