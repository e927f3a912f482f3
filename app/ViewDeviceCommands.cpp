// The view's commands on the attached tester and on the conversion of the table: Clear device
// memory and the conversion standard. (Device settings: ViewDeviceSettings.cpp; the firmware
// upgrade: ViewFirmwareUpgrade.cpp.)
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/TableArea.h"
#include "data/UserPrompts.h"
#include "devicelink/DeviceLink.h"
#include "resources/StringTable.h"
#include "table/TableHost.h"

void CChildView::AddDeviceCommands()
{
    const auto linkOpen = [this](CommandState& state) { state.enabled = Link().IsOpen(); };
    // A tester in its boot loader keeps it enabled (its port is open); a memory clear then waits
    // in the jobs until the application runs.
    m_commands.Add(Cmd::ClearDeviceMemory, [this] { ClearDeviceMemory(); }, linkOpen);
    m_commands.Add(Cmd::StandardDefault, [this] { SetConversionStandard(0); },
        [this](CommandState& state) { state.checked = store.conversionStandard == 0; });
    m_commands.Add(Cmd::StandardCustomJ, [this] { SetConversionStandard(1); },
        [this](CommandState& state) { state.checked = store.conversionStandard == 1; });
}

void CChildView::ClearDeviceMemory()
{
    CWaitCursor wait;
    const PromptAnswer answer =
        Prompts().Message(ResString(AppText::AskClearDeviceMemory), PromptButtons::YesNo, PromptIcon::Warning);
    if (answer == PromptAnswer::Yes && ResetData(false))
        Link().jobs = CDeviceLink::jobClearMemory;
}

void CChildView::SetConversionStandard(int standard)
{
    store.conversionStandard = standard;
    RefreshTableArea(store);
    store.unsavedData = 1;
}
