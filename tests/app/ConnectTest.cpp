// "Connect device" and the device list box against tester simulators.
#include "ViewOnSim.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/TempDir.h"
#include "devicelink/DeviceLink.h"
#include "streams/FileStream.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kQuestion = QStringLiteral("Your measurements are not yet saved!\nSave measurements?");

QStringList Lines(const QComboBox* box)
{
    QStringList lines;
    for (int i = 0; i < box->count(); ++i)
        lines << box->itemText(i);
    return lines;
}

TEST_F(ViewOnSim, ConnectListsEveryTesterAttachesTheFirstAndTheListSwitchesTesters)
{
    ASSERT_TRUE(StartTesters({
        {"--model", "kestrel2", "--serial", "K2-0001", "--series", "3", "--impacts", "2"},
        {"--model", "kestrel2", "--serial", "K2-0002", "--series", "1", "--impacts", "4"},
    }));
    frame.shown.clear();
    view->Connect();

    EXPECT_EQ(Lines(view->DeviceList()),
              QStringList({"Kestrel 2 K2-0001  @ COM1", "Kestrel 2 K2-0002  @ COM2"}));
    EXPECT_EQ(view->DeviceList()->currentIndex(), 0);
    EXPECT_EQ(view->store.device.serialNumber, "K2-0001");
    EXPECT_EQ(view->store.portNumber, 1);
    EXPECT_TRUE(view->Link().IsOpen());
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_EQ(view->PollTimer().interval(), CChildView::kFirstTickMs);
    EXPECT_EQ(Keys(), QStringList({"0", "1", "2"}));
    EXPECT_EQ(view->focusWidget(), view->TableWindow());
    EXPECT_EQ(frame.shown.first(), "Search device...");
    EXPECT_TRUE(frame.shown.contains("Connect..."));
    EXPECT_EQ(frame.current, "Online");
    EXPECT_TRUE(prompts.messages.isEmpty());

    // The user picks the second tester: the downloaded data are unsaved, so the question comes
    // first; "No" discards them and the second tester's memory arrives instead.
    prompts.answers = {PromptAnswer::No};
    frame.shown.clear();
    QTest::keyClick(view->DeviceList(), Qt::Key_Down);

    EXPECT_EQ(prompts.messages, QStringList{kQuestion});
    EXPECT_EQ(view->DeviceList()->count(), 2);
    EXPECT_EQ(view->DeviceList()->currentIndex(), 1);
    EXPECT_EQ(view->store.device.serialNumber, "K2-0002");
    EXPECT_EQ(view->store.portNumber, 2);
    EXPECT_EQ(Keys(), QStringList({"0"}));
    EXPECT_EQ(view->store.CountMeasurements(), 4);
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_EQ(frame.shown, QStringList({"Connect...", "Online"}));

    // Back to the first one, but the user cancels the question: the second tester stays attached
    // and the list shows it again.
    prompts.answers = {PromptAnswer::Cancel};
    QTest::keyClick(view->DeviceList(), Qt::Key_Up);
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(view->DeviceList()->currentIndex(), 1);
    EXPECT_EQ(view->store.device.serialNumber, "K2-0002");
    EXPECT_TRUE(view->Link().IsOpen());
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_EQ(view->store.CountMeasurements(), 4);
}

TEST_F(ViewOnSim, AnyAnswerButTheApplicationsIsTheBootLoader)
{
    // Any complete two-byte answer to the application check but 01 01 comes from the boot
    // loader; one cut short says that nobody answered, and the connect goes ahead.
    struct Case {
        const char* command;
        bool bootloader;
    } cases[] = {
        {"bootloader 1", true},
        {"bootloader 1 01 00", true},
        {"bootloader 1 5A A5", true},
        {"truncate 1 check", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        sims.clear();
        prompts.answers = {PromptAnswer::No}; // the data of the case before are not saved
        ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0003", "--series", "1", "--impacts", "2"}}));
        ASSERT_TRUE(Sim(0).Send(c.command));
        view->Connect();

        EXPECT_EQ(frame.current, c.bootloader ? "Online BOOTLOADER! Reset or Upgrade Device" : "Online");
        EXPECT_EQ(view->store.bootloaderMode, c.bootloader ? 1 : 0);
        EXPECT_TRUE(view->Link().IsOpen());
        EXPECT_EQ(view->Link().jobs, 0u);
        EXPECT_EQ(view->PollTimer().isActive(), !c.bootloader);
        EXPECT_EQ(view->store.device.name, "Kestrel 2");
        EXPECT_EQ(view->store.CountMeasurements(), c.bootloader ? 0 : 2);
    }
}

TEST_F(ViewOnSim, ALineThatDiesDuringTheConnectEndsItWithinSeconds)
{
    // The tester stops answering after the n-th binary frame of the connect: the firmware
    // check's device id, the application check, the clock, the settings, the impact counter, the
    // first custom curve's first register.
    for (int frames : {1, 2, 3, 4, 5, 6}) {
        SCOPED_TRACE(frames);
        sims.clear();
        prompts.answers = {PromptAnswer::No};
        ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "2", "--impacts", "3"}}));
        ASSERT_TRUE(Sim(0).Send(QStringLiteral("unplug after %1").arg(frames)));
        QElapsedTimer clock;
        clock.start();
        view->Connect();
        EXPECT_TRUE(WaitFor([&] { return !view->PollTimer().isActive(); }, 20000));
        EXPECT_LT(clock.elapsed(), 15000);
        EXPECT_EQ(frame.current, "Offline");
        EXPECT_FALSE(view->Link().IsOpen());
        EXPECT_EQ(view->DeviceList()->count(), 0);
        // Nothing of the unfinished connect is kept.
        EXPECT_EQ(view->store.series.GetSize(), 0);
        EXPECT_EQ(view->store.device.serialNumber, "");
        EXPECT_EQ(Rows(), 1);
    }
}

TEST_F(ViewOnSim, CancelledSaveQuestionStopsConnectBeforeTheSearch)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2"}}));
    auto* serie = new MSERIE;
    serie->AddMeasurement(new MEAS);
    view->store.AddSeries(serie);
    prompts.answers = {PromptAnswer::Cancel};

    view->Connect();

    EXPECT_EQ(prompts.messages, QStringList{kQuestion});
    EXPECT_EQ(view->store.series.GetSize(), 1);
    EXPECT_EQ(view->DeviceList()->count(), 0);
    EXPECT_FALSE(view->Link().IsOpen());
    EXPECT_EQ(frame.shown, QStringList({"Offline", "Search device...", "Offline"}));
    // Not one request reached the tester.
    const SimReply log = Sim(0).Command("show log");
    ASSERT_TRUE(log.ok);
    EXPECT_TRUE(log.text.isEmpty()) << log.text.toStdString();
}

TEST_F(ViewOnSim, SearchThatCannotOpenAPortSaysWhy)
{
    // COM1 is held by another stream. (A terminal's exclusive mode does not stop a privileged
    // user; the lock on a regular file stops everybody.)
    QTemporaryDir dir;
    const QString path = dir.filePath("ttyHeld");
    WriteWholeFile(path, QByteArray());
    StreamIO::CFileStream holder;
    ASSERT_TRUE(holder.Open(path.toStdString(), StreamIO::modeRead | StreamIO::modeWrite));
    qputenv("SCLERON_SERIAL_PORTS", path.toLocal8Bit());

    view->Connect();

    EXPECT_EQ(view->DeviceList()->count(), 0);
    EXPECT_EQ(frame.current, "Offline");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("No tester found. These serial ports could not be opened:\n\n"))
        << prompts.messages[0].toStdString();
    EXPECT_TRUE(prompts.messages[0].contains(path)) << prompts.messages[0].toStdString();
    EXPECT_EQ(prompts.icons, QList<PromptIcon>{PromptIcon::Warning});
}

TEST(ConnectCommand, FindingNoTesterLeavesTheListEmptyAndOffline)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    qputenv("SCLERON_SERIAL_PORTS", "");
    CMainFrame frame;
    EXPECT_TRUE(frame.RunCommand(Cmd::ConnectDevice));
    EXPECT_EQ(frame.View().DeviceList()->count(), 0);
    EXPECT_FALSE(frame.View().Link().IsOpen());
    EXPECT_FALSE(frame.View().PollTimer().isActive());
    EXPECT_EQ(frame.ShownStatusText(), "Offline");
    EXPECT_TRUE(prompts.messages.isEmpty());
    qunsetenv("SCLERON_SERIAL_PORTS");
}

} // namespace
