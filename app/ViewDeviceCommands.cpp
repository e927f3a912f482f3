// The view's commands on the attached tester and on the conversion of the table: Clear device
// memory, the firmware upgrade and the conversion standard. (Device settings: ViewDeviceSettings.cpp.)
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
    m_commands.Add(Cmd::FirmwareUpgrade, [this] { UpgradeFirmware(); });
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

void CChildView::UpgradeFirmware()
{
    // The hand-off to the external upgrade tool is carried out here once the program has it.
}

void CChildView::SetConversionStandard(int standard)
{
    store.conversionStandard = standard;
    RefreshTableArea(store);
    store.unsavedData = 1;
}
