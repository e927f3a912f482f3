// The device settings dialog the view creates for the store, and the "Device settings" command
// (32704) that shows it.
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"
#include "settings/Settings.h"
#include "table/TableHost.h"

void CChildView::CreateSettingsDialog()
{
    // The dialog is a window of its own above the view; the view redraws its lock symbol when
    // the dialog's "Lock Keys" changed the key lock.
    store.settingsDialog = MakeLayerPtr(new CSettings(store, this, [this](bool confirmed) {
        if (confirmed)
            RedrawKeyLock();
        else
            ShowStatus(ResString(LinkStrings::KeyLockNotConfirmed));
    }));
    m_commands.Add(Cmd::DeviceSettings, [this] { OnDeviceSettings(); },
                   [this](CommandState& state) { state.enabled = Link().IsOpen(); });
}

void CChildView::OnDeviceSettings()
{
    CWaitCursor wait;
    ShowStatus(ResString(AppText::SettingsBusy));
    // A tester in its boot loader keeps the command enabled (its port is open), but nothing opens.
    if (Link().IsOpen() && store.bootloaderMode == 0)
        ShowDeviceSettings();
    ShowStatus(ConnectionText());
}

void CChildView::ShowDeviceSettings()
{
    // An open dialog stays as it is.
    if (!IsSettingsDialogOpen())
        store.settingsDialog->Create();
}

bool CChildView::IsSettingsDialogOpen() const
{
    return store.settingsDialog && store.settingsDialog->IsOpen();
}
