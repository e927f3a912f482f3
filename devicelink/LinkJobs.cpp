// The job scheduler and the handling of the tester's status events.
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"
#include "devicelink/LinkStrings.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

bool CDeviceLink::RunJob(std::uint32_t bit)
{
    switch (bit) {
    case jobSetClock: return SetClock() > 0;
    case jobIdentify: return Identify() > 0;
    // The connect reads the impact counter only after the settings arrived; the settings dialog
    // asks for both whatever the first answer was, so its counter is fresh even then.
    case jobReadSettings: return ReadSettings() > 0 && ReadImpactCounter() > 0;
    case jobDialogSettings: {
        const int settings = ReadSettings();
        const int counter = ReadImpactCounter();
        return settings > 0 && counter > 0;
    }
    case jobReadCustomCurves:
    case jobDialogCustomCurves: return ReadCustomCurves() > 0;
    case jobReadMeasurements: return ReadMeasurements() > 0;
    case jobReadDisplay: return ReadDisplay() > 0;
    // A stream failure (-1) is a failure here as everywhere else; the key lock stays as it was.
    case jobReadKeyLock: return ReadKeyLock(keyLockValue) > 0;
    case jobWriteSettings: return WriteSettings() > 0;
    case jobWriteCustomCurves: return WriteCustomCurves() > 0;
    case jobClearMemory: return ClearMemory() == 1;
    default: return false;
    }
}

void CDeviceLink::FollowUp(std::uint32_t bit)
{
    switch (bit) {
    case jobReadCustomCurves:
    case jobReadMeasurements:
        RecomputeStore();
        RefreshTable();
        break;
    case jobReadKeyLock:
        store.device.keysLocked = keyLockValue == 1 ? 1 : 0;
        break;
    case jobDialogSettings:
        RecomputeStore();
        RefreshSettingsDialog();
        RecomputeStore();
        break;
    case jobDialogCustomCurves:
        RefreshSettingsDialog();
        break;
    case jobWriteSettings:
        RecomputeStore();
        RefreshSettingsDialog();
        break;
    case jobClearMemory:
        store.DeleteMeasurements(-1, -1);
        RefreshTable();
        Prompts().Message(ResString(LinkStrings::MemoryDeleted), PromptButtons::Ok, PromptIcon::Information);
        break;
    default:
        break;
    }
}

int CDeviceLink::RunJobs()
{
    jobs &= jobMask;
    if (jobs == 0)
        return -1;
    int succeeded = 0;
    cutBySilence = false;
    for (std::uint32_t bit = jobSetClock; bit <= jobClearMemory; bit <<= 1) {
        if ((jobs & bit) == 0)
            continue;
        if (!RunJob(bit)) {
            // A tester that fell silent in mid-reply is not asked for the rest now: each job
            // would wait out its attempts in turn. The next run tries again.
            if (cutBySilence)
                break;
            continue; // stays pending for the next run
        }
        // Every job, sending custom curves and clearing the memory included, clears only its own
        // bit: work that failed earlier in the same run is retried, not dropped.
        jobs &= ~bit;
        ++succeeded;
        FollowUp(bit);
    }
    return succeeded;
}

int CDeviceLink::ProcessEvents()
{
    if (events == 0)
        return 1;
    cutBySilence = false;
    if ((events & eventDisplay) && ReadDisplay() > 0)
        events &= static_cast<std::uint8_t>(~eventDisplay);
    if (cutBySilence)
        return 1;
    if ((events & eventNewMeasurements) && ReadNewMeasurements() > 0) {
        events &= static_cast<std::uint8_t>(~eventNewMeasurements);
        RecomputeStore();
        RefreshTable();
    }
    if (cutBySilence)
        return 1;
    if (events & eventKeyLock) {
        std::uint8_t value = 0;
        if (ReadKeyLock(value) > 0) {
            events &= static_cast<std::uint8_t>(~eventKeyLock);
            store.device.keysLocked = value == 1 ? 1 : 0;
        }
    }
    return 1;
}

void CDeviceLink::RecomputeStore()
{
    // The tables follow the store's settings (the Shore curve follows the conversion standard).
    BuildConversionTables(store);
}

void CDeviceLink::RefreshSettingsDialog()
{
    if (followUps && followUps->IsSettingsDialogVisible())
        followUps->RefreshSettingsDialog();
}
