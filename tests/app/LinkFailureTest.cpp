// The window when the link fails: a send the tester does not acknowledge, a cable pulled during
// "Send Settings", a lost connection told in the notice line, and the tester attached again by
// itself once it answers.
#include "ViewOnSim.h"

#include "app/CommandIds.h"
#include "app/NoticeBar.h"
#include "devicelink/DeviceLink.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The tester's fixed number of impacts, as the simulator holds it.
int TesterFixedImpacts(SimProcess& sim)
{
    const QRegularExpressionMatch m = QRegularExpression("fixed=(\\d+)").match(sim.Command("show settings").text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

const char* const kSettingsRefused =
    "The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.";
const char* const kCurveRefused = "The tester did not acknowledge custom curve HC1 (impact body D, register 0): the "
                                  "curves were not all sent. Shown is what the tester holds.";

TEST_F(ViewOnSim, SendSettingsReportsWhatDidNotArriveAndTheDialogShowsWhatTheTesterHolds)
{
    struct Case {
        const char* name;
        const char* fault;
        bool lost;                 // the line dies: the connection ends, and comes back on replug
        const char* dialogNotice;  // what the dialog's notice line says afterwards
        float hc1Offset;           // HC1's offset on the tester afterwards
    } cases[] = {
        {"settings refused", "inject write-settings FD", false, kSettingsRefused, 10.0f},
        {"curve register refused", "inject write-reg FD", false, kCurveRefused, 0.0f},
        {"cable pulled before the settings frame", "unplug after 1", true, kSettingsRefused, 0.0f},
        // Registers 0..3 of HC1 arrived, its mode word did not: the tester holds the new a0 on its
        // old, uncorrected base, which the dialog shows as far as an offset may go.
        {"cable pulled in mid-curve-send", "unplug after 4 write-reg", true,
         "The tester did not acknowledge custom curve HC1 (impact body D, register 4): the curves were not all "
         "sent. Shown is what the tester holds.",
         50.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sims.clear();
        prompts.answers = {PromptAnswer::No};
        ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0042", "--empty", "--fixed-impacts", "5"}}));
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->Connect();
        ASSERT_TRUE(view->Commands().Run(Cmd::DeviceSettings));
        CSettings& dialog = *view->store.settingsDialog;
        ASSERT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 10000));
        ASSERT_EQ(view->store.fixedImpacts, 5);

        // Typed: 9 impacts, HC1 on Vickers of material 1 shifted by +10.
        view->store.fixedImpacts = 9;
        view->store.customD[14] = CPARA{0, 2, 1, 10.0f};
        dialog.Refresh();
        PaintWatcher painted(frame);
        view->installEventFilter(&painted);
        QElapsedTimer clock;
        clock.start();
        // Send asks the timer for the work; the fault is armed before the timer's next tick.
        qobject_cast<QPushButton*>(dialog.Control(1011))->click();
        ASSERT_EQ(view->Link().jobs, CDeviceLink::jobsSendSettings);
        ASSERT_TRUE(Sim(0).Send(c.fault));
        if (c.lost) {
            EXPECT_TRUE(WaitFor([&] { return !view->PollTimer().isActive(); }, 20000));
            EXPECT_LT(clock.elapsed(), 15000);
            EXPECT_EQ(frame.current, "Offline");
            EXPECT_TRUE(view->Notice()->Text().startsWith("The connection to Kestrel 2 K2-0042 on COM1 was lost."))
                << view->Notice()->Text().toStdString();
            // While the exchanges waited for the silent tester the window went on painting.
            EXPECT_GE(painted.paintedWith.filter("Waiting for the tester...").size(), 3)
                << painted.paintedWith.join(" | ").toStdString();
            EXPECT_TRUE(dialog.IsOpen());
            EXPECT_EQ(dialog.Notice(), c.dialogNotice);
            // The tester answers again: it is attached by itself and its settings are read.
            ASSERT_TRUE(Sim(0).Send("replug"));
            ASSERT_TRUE(view->TryReattachNow());
            EXPECT_TRUE(view->Notice()->Text().isEmpty());
        } else {
            EXPECT_TRUE(WaitFor([&] { return !dialog.Notice().isEmpty(); }, 10000));
            EXPECT_EQ(view->Notice()->Text(), c.dialogNotice);
            EXPECT_EQ(dialog.Notice(), c.dialogNotice);
        }
        view->removeEventFilter(&painted);
        ASSERT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 15000));
        EXPECT_TRUE(view->Link().IsOpen());
        // The program's view of the tester is the tester's own, and the dialog shows it.
        const int testerFixed = TesterFixedImpacts(Sim(0));
        EXPECT_EQ(view->store.fixedImpacts, testerFixed);
        EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.Control(58014))->text(), QString::number(testerFixed));
        EXPECT_NEAR(view->store.customD[14].offset, c.hc1Offset, 1e-3);
        dialog.Exit();
    }
}

TEST_F(ViewOnSim, ALostTesterIsAttachedAgainWhenItAnswersAndOnlyWhatIsNewIsRead)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0050", "--series", "2", "--impacts", "3"}}));
    view->Connect();
    ASSERT_EQ(view->store.CountMeasurements(), 6);
    CommandState connect;
    ASSERT_TRUE(view->Commands().Update(Cmd::ConnectDevice, connect));
    EXPECT_TRUE(connect.checked);

    ASSERT_TRUE(Sim(0).Send("unplug"));
    ASSERT_TRUE(WaitFor([&] { return !view->PollTimer().isActive(); }, 15000));
    EXPECT_EQ(frame.current, "Offline");
    EXPECT_EQ(view->Notice()->Text(), "The connection to Kestrel 2 K2-0050 on COM1 was lost. The tester is attached "
                                      "again as soon as it answers on its port.");
    ASSERT_TRUE(view->Commands().Update(Cmd::ConnectDevice, connect));
    EXPECT_FALSE(connect.checked);
    EXPECT_EQ(view->store.CountMeasurements(), 6); // the loaded data stay
    EXPECT_TRUE(view->AwaitsLostTester());
    EXPECT_TRUE(view->ReattachTimer().isActive());
    // Nobody answers yet: nothing changes, and the look is short.
    QElapsedTimer look;
    look.start();
    EXPECT_FALSE(view->TryReattachNow());
    EXPECT_LT(look.elapsed(), 1500);
    EXPECT_FALSE(view->Link().IsOpen());

    // Impacts made while the cable was out, then the cable goes back: the timer attaches the
    // tester, and only the new impacts are read.
    ASSERT_TRUE(Sim(0).Send("impact 501"));
    ASSERT_TRUE(Sim(0).Send("impact 502"));
    Sim(0).Command("show log"); // forget what was asked so far
    ASSERT_TRUE(Sim(0).Send("replug"));
    EXPECT_TRUE(WaitFor([&] { return view->store.CountMeasurements() == 8; }, 15000));
    EXPECT_FALSE(view->AwaitsLostTester());
    EXPECT_TRUE(view->Notice()->Text().isEmpty());
    EXPECT_EQ(view->DeviceList()->count(), 1);
    EXPECT_EQ(frame.current, "Online");
    EXPECT_FALSE(Sim(0).Command("show log").text.contains("C1 D0 10", Qt::CaseInsensitive));
    ASSERT_TRUE(view->Commands().Update(Cmd::ConnectDevice, connect));
    EXPECT_TRUE(connect.checked);
}

TEST_F(ViewOnSim, AnotherTesterOnTheLostTestersPortIsNotTakenForIt)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0051", "--series", "1", "--impacts", "2"}}));
    view->Connect();
    ASSERT_TRUE(Sim(0).Send("unplug"));
    ASSERT_TRUE(WaitFor([&] { return !view->PollTimer().isActive(); }, 15000));
    // Another tester now sits on COM1.
    sims.clear();
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0099"}}));
    EXPECT_FALSE(view->TryReattachNow());
    EXPECT_FALSE(view->Link().IsOpen());
    EXPECT_TRUE(view->AwaitsLostTester());
    EXPECT_EQ(view->store.device.serialNumber, "K2-0051");
    EXPECT_EQ(view->store.CountMeasurements(), 2);
}

} // namespace
