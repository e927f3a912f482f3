// The view's commands on the attached tester and on the conversion of the table: Device settings,
// Clear device memory, the firmware upgrade and the conversion standard.
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
    // A tester in its boot loader keeps both enabled (its port is open); the dialog then opens
    // nothing and a memory clear waits in the jobs until the application runs.
    m_commands.Add(Cmd::DeviceSettings, [this] { OnDeviceSettings(); }, linkOpen);
    m_commands.Add(Cmd::ClearDeviceMemory, [this] { ClearDeviceMemory(); }, linkOpen);
    m_commands.Add(Cmd::FirmwareUpgrade, [this] { UpgradeFirmware(); });
    m_commands.Add(Cmd::StandardDefault, [this] { SetConversionStandard(0); },
        [this](CommandState& state) { state.checked = store.conversionStandard == 0; });
    m_commands.Add(Cmd::StandardCustomJ, [this] { SetConversionStandard(1); },
        [this](CommandState& state) { state.checked = store.conversionStandard == 1; });
}

void CChildView::OnDeviceSettings()
{
    CWaitCursor wait;
    ShowStatus(ResString(AppText::SettingsBusy));
    if (Link().IsOpen() && store.bootloaderMode == 0)
        ShowDeviceSettings();
    ShowStatus(ConnectionText());
}

void CChildView::ShowDeviceSettings()
{
    // The device settings dialog is shown from here once the program has one.
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
