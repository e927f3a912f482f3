// The "Device settings" command of the main view against the tester simulator: it opens the
// dialog the store owns, the polling timer's job follow-ups refresh it, a second command leaves
// it alone, and a tester in its boot loader gets none.
#include "ViewOnSim.h"

#include "app/CommandIds.h"
#include "devicelink/DeviceLink.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace {

QString EditText(CSettings& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.Control(id))->text();
}

TEST_F(ViewOnSim, DeviceSettingsOpensTheDialogWhichTheTimersRepliesRefresh)
{
    CommandState state;
    ASSERT_TRUE(view->Commands().Update(Cmd::DeviceSettings, state));
    EXPECT_FALSE(state.enabled); // no tester yet

    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0007", "--empty"}}));
    view->Connect();
    ASSERT_TRUE(view->Commands().Update(Cmd::DeviceSettings, state));
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(view->store.settingsDialog);
    CSettings& dialog = *view->store.settingsDialog;
    EXPECT_EQ(dialog.parentWidget(), view.get());

    // The operator changes the tester after the connect; the dialog's reads bring it.
    ASSERT_TRUE(Sim(0).Send("set fixed 12"));
    frame.shown.clear();
    EXPECT_TRUE(view->Commands().Run(Cmd::DeviceSettings));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(frame.shown, QStringList({"Settings...", "Online"}));
    EXPECT_EQ(view->Link().jobs, CDeviceLink::jobsSettingsDialog);
    EXPECT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 10000));
    EXPECT_EQ(EditText(dialog, 58014), "12");
    EXPECT_EQ(view->store.fixedImpacts, 12);

    // A second command while the dialog is open asks for nothing.
    EXPECT_TRUE(view->Commands().Run(Cmd::DeviceSettings));
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_TRUE(dialog.IsOpen());

    // Sent from the dialog, carried out by the timer: the write's follow-up refreshes the dialog.
    qobject_cast<QLineEdit*>(dialog.Control(58014))->setText("8");
    dialog.Refresh(); // a refresh shows the store again: nothing typed was taken
    EXPECT_EQ(EditText(dialog, 58014), "12");
    view->store.fixedImpacts = 8;
    view->Link().jobs = CDeviceLink::jobsSendSettings;
    EXPECT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 10000));
    EXPECT_EQ(EditText(dialog, 58014), "8");
    EXPECT_TRUE(Sim(0).Command("show settings").text.contains("fixed=8"));

    dialog.Exit();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_TRUE(view->Commands().Run(Cmd::DeviceSettings));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(view->Link().jobs, CDeviceLink::jobsSettingsDialog);
    dialog.Exit();
}

TEST_F(ViewOnSim, DeviceSettingsOpensNothingForATesterInItsBootLoader)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--bootloader-mode"}}));
    view->Connect();
    ASSERT_EQ(view->store.bootloaderMode, 1);
    CommandState state;
    ASSERT_TRUE(view->Commands().Update(Cmd::DeviceSettings, state));
    EXPECT_TRUE(state.enabled); // the port is open
    frame.shown.clear();
    view->Commands().Run(Cmd::DeviceSettings);
    EXPECT_FALSE(view->store.settingsDialog->IsOpen());
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_EQ(frame.shown, QStringList({"Settings...", "Online BOOTLOADER!"}));
}

// The key lock has two switches, the view's lock symbol and the dialog's "Lock Keys": whichever
// the operator uses, the tester, the store, the box and the status agree.
TEST_F(ViewOnSim, LockSymbolAndLockKeysBoxAgree)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--empty"}}));
    view->Connect();
    ASSERT_TRUE(view->Commands().Run(Cmd::DeviceSettings));
    ASSERT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 10000));
    CSettings& dialog = *view->store.settingsDialog;
    auto* box = qobject_cast<QCheckBox*>(dialog.Control(1027));
    ASSERT_FALSE(box->isChecked());
    // The lock symbol: from (W - 210, 114), 27 x 27 pixels.
    const QPoint lockSymbol(view->width() - 197, 127);
    const auto testerLock = [&] { return Sim(0).Command("show").text.contains("lock=1"); };

    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, lockSymbol);
    EXPECT_EQ(view->store.device.keysLocked, 1u);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(testerLock());
    EXPECT_EQ(frame.current, "Keys locked");

    box->click();
    EXPECT_EQ(view->store.device.keysLocked, 0u);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(testerLock());

    box->click();
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, lockSymbol);
    EXPECT_EQ(view->store.device.keysLocked, 0u);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(testerLock());
    EXPECT_EQ(frame.current, "Keys unlocked");
    EXPECT_EQ(view->Link().jobs, 0u); // the key lock is never a job
}

} // namespace

