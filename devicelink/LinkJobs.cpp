// The job scheduler and the handling of the tester's status events.
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"
#include "devicelink/LinkStrings.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

#include <algorithm>

LinkResult CDeviceLink::RunJob(std::uint32_t bit)
{
    switch (bit) {
    case jobSetClock: return SetClock();
    case jobIdentify: return Identify();
    // The connect reads the impact counter only after the settings arrived; the settings dialog
    // asks for both whatever the first answer was (unless the tester fell silent), so its counter
    // is fresh even then.
    case jobReadSettings: {
        const LinkResult settings = ReadSettings();
        return settings == LinkResult::Ok ? ReadImpactCounter() : settings;
    }
    case jobDialogSettings: {
        const LinkResult settings = ReadSettings();
        if (lineSilent)
            return settings;
        const LinkResult counter = ReadImpactCounter();
        return settings == LinkResult::Ok ? counter : settings;
    }
    case jobReadCustomCurves:
    case jobDialogCustomCurves: return ReadCustomCurves();
    case jobReadMeasurements: return ReadMeasurements();
    case jobReadDisplay: return ReadDisplay();
    case jobReadKeyLock: return ReadKeyLock(keyLockValue);
    case jobWriteSettings: return WriteSettings();
    case jobWriteCustomCurves: return WriteCustomCurves();
    case jobClearMemory: return ClearMemory();
    default: return LinkResult::BadReply;
    }
}

void CDeviceLink::FollowUp(std::uint32_t bit)
{
    switch (bit) {
    case jobReadSettings:
        // An open dialog shows what the tester holds (after a re-attach, say).
        RefreshSettingsDialog();
        break;
    case jobReadCustomCurves:
        RecomputeStore();
        RefreshTable();
        RefreshSettingsDialog();
        break;
    case jobReadMeasurements:
        RecomputeStore();
        RefreshTable();
        break;
    case jobReadKeyLock:
        store.device.keysLocked = keyLockValue == 1 ? 1 : 0;
        RefreshSettingsDialog();
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
        const LinkResult result = RunJob(bit);
        if (result != LinkResult::Ok) {
            if (bit == jobWriteSettings || bit == jobWriteCustomCurves)
                SendNotAcknowledged(bit);
            // A tester that fell silent (no reply begun, or silence in mid-reply) is not asked for
            // the rest now: each job would wait on the same dead line in turn. The next run
            // tries again.
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
    if ((events & eventDisplay) && ReadDisplay() == LinkResult::Ok)
        events &= static_cast<std::uint8_t>(~eventDisplay);
    if (cutBySilence)
        return 1;
    if ((events & eventNewMeasurements) && ReadNewMeasurements() == LinkResult::Ok) {
        events &= static_cast<std::uint8_t>(~eventNewMeasurements);
        RecomputeStore();
        RefreshTable();
    }
    if (cutBySilence)
        return 1;
    if (events & eventKeyLock) {
        std::uint8_t value = 0;
        if (ReadKeyLock(value) == LinkResult::Ok) {
            events &= static_cast<std::uint8_t>(~eventKeyLock);
            store.device.keysLocked = value == 1 ? 1 : 0;
            RefreshSettingsDialog();
        }
    }
    return 1;
}

void CDeviceLink::SendNotAcknowledged(std::uint32_t bit)
{
    // A send the tester did not acknowledge is not repeated behind the operator's back: it is
    // told, and the settings and curves are read back so that the dialog shows what the tester
    // holds instead of what was typed.
    jobs = (jobs & ~bit) | jobDialogSettings | jobDialogCustomCurves;
    QString text = ResString(LinkStrings::SettingsNotAcknowledged);
    if (bit == jobWriteCustomCurves) {
        const int slot = std::max(0, unacknowledgedSlot);
        text = ResString(LinkStrings::CurveNotAcknowledged)
                   .arg(slot % 3 + 1)
                   .arg(slot < 3 ? QStringLiteral("D") : QStringLiteral("DL"))
                   .arg(unacknowledgedRegister);
    }
    if (followUps)
        followUps->SendNotAcknowledged(text);
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
