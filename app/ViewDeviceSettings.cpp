// The "Device settings" command (32704): the view opens the settings dialog the store owns.
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "devicelink/DeviceLink.h"
#include "resources/StringTable.h"
#include "settings/Settings.h"
#include "table/TableHost.h"

void CChildView::CreateSettingsDialog()
{
    // The dialog is a window of its own above the view; the view redraws its lock symbol when
    // the dialog's "Lock Keys" changed the key lock.
    store.settingsDialog = MakeLayerPtr(new CSettings(store, this, [this] { update(); }));
    m_commands.Add(Cmd::DeviceSettings, [this] { ShowDeviceSettings(); },
                   [this](CommandState& state) { state.enabled = Link().IsOpen(); });
}

void CChildView::ShowDeviceSettings()
{
    CWaitCursor wait;
    ShowStatus(ResString(AppText::SettingsStatus));
    // Nothing opens for a tester in its boot loader, and an open dialog stays as it is.
    if (Link().IsOpen() && store.bootloaderMode == 0 && !store.settingsDialog->IsOpen())
        store.settingsDialog->Create();
    ShowStatus(ConnectionText());
}

bool CChildView::IsSettingsDialogOpen() const
{
    return store.settingsDialog && store.settingsDialog->IsOpen();
}

void CChildView::RefreshSettingsDialog()
{
    if (IsSettingsDialogOpen())
        store.settingsDialog->Refresh();
}
