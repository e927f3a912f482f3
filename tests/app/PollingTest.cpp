// The polling timer against tester simulators: live impacts and discards reaching the table, a lost
// connection, and the progress of a long transfer.
#include "ViewOnSim.h"

#include "devicelink/DeviceLink.h"
#include "grid/GridCtrl.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QRegularExpression>
#include <QTest>

namespace {

const QColor kGrey(180, 180, 180);
const QColor kBlack(0, 0, 0);

TEST_F(ViewOnSim, NewImpactsArriveAsRowsOfANewExpandedSeries)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "1", "--impacts", "2"}}));
    view->Connect();
    ASSERT_EQ(Keys(), QStringList({"0"}));

    ASSERT_TRUE(Sim(0).Send("impact 512 90"));
    ASSERT_TRUE(Sim(0).Send("impact 520 90"));
    // The timer itself polls: run the event loop until the rows are there.
    EXPECT_TRUE(WaitFor([&] { return Rows() == 6; }, 10000)) << Keys().join(' ').toStdString();

    EXPECT_EQ(Keys(), QStringList({"0", "1", "1.0", "1.1", "1.2"}));
    EXPECT_EQ(Text(3, 1), "Statistic");
    EXPECT_EQ(Text(4, 1), "2.1");
    EXPECT_EQ(Text(5, 1), "2.2");
    EXPECT_EQ(view->FailureCount(), 0);
    EXPECT_EQ(frame.current, "Online");
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_EQ(view->PollTimer().interval(), CChildView::kGoodTickMs);
}

TEST_F(ViewOnSim, DiscardGreysTheLastMeasurementAndExpandsItsCollapsedSeries)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "2", "--impacts", "3"}}));
    view->Connect();
    ASSERT_EQ(Keys(), QStringList({"0", "1"}));
    ASSERT_EQ(view->store.series[1]->expanded, 0);

    ASSERT_TRUE(Sim(0).Send("discard"));
    view->OnPollTimer();

    EXPECT_EQ(view->store.series[1]->expanded, 1);
    EXPECT_EQ(view->store.series[1]->measurements[2]->hidden, 1);
    EXPECT_EQ(view->store.series[1]->measurements[1]->hidden, 0);
    EXPECT_EQ(Keys(), QStringList({"0", "1", "1.0", "1.1", "1.2", "1.3"}));
    CGridCtrl& grid = *view->store.grid;
    const int last = Rows() - 1;
    for (int column = 0; column <= 7; ++column) {
        EXPECT_EQ(grid.GetItemFgColour(last, column), kGrey) << column;
        EXPECT_EQ(grid.GetItemFgColour(last - 1, column), kBlack) << column;
    }
    EXPECT_EQ(grid.GetItemImage(last, 0), 5); // hidden last measurement
    EXPECT_EQ(grid.GetFocusCell().row, last);
    EXPECT_EQ(view->FailureCount(), 0);

    // The tester reports a discard only once: the next tick changes nothing.
    view->OnPollTimer();
    EXPECT_EQ(Rows(), last + 1);
}

TEST_F(ViewOnSim, OneFailedTickShowsNoConnectionAndTheNextGoodOneRecovers)
{
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "1", "--impacts", "2"}}));
    view->Connect();
    ASSERT_TRUE(Sim(0).Send("unplug"));

    view->OnPollTimer(); // the poll waits for its attempts, then the port is opened again
    EXPECT_EQ(frame.current, "No connection!");
    EXPECT_EQ(view->FailureCount(), 1);
    EXPECT_EQ(view->PollTimer().interval(), CChildView::kFailedTickMs);
    EXPECT_TRUE(view->Link().IsOpen());

    ASSERT_TRUE(Sim(0).Send("replug"));
    view->OnPollTimer();
    EXPECT_EQ(frame.current, "Online");
    EXPECT_EQ(view->FailureCount(), 0);
    EXPECT_EQ(view->PollTimer().interval(), CChildView::kGoodTickMs);
    EXPECT_EQ(view->DeviceList()->count(), 1);
}

// How the tester is left when its cable goes: idle, in the middle of the connect's transfer, or
// with work the settings dialog asked for.
enum class Pending { Nothing, InitialTransfer, LaterWork };

TEST_F(ViewOnSim, TwoFailedTicksEndTheConnection)
{
    struct Case {
        const char* name;
        Pending pending;
        bool dataKept;
    } cases[] = {
        {"idle", Pending::Nothing, true},
        {"initial transfer pending", Pending::InitialTransfer, false},
        {"settings requested", Pending::LaterWork, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sims.clear();
        prompts.answers = {PromptAnswer::No};
        ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--serial", "K2-0009", "--series", "2", "--impacts", "2"}}));
        // A garbled display reply leaves the connect's display job pending.
        if (c.pending == Pending::InitialTransfer) {
            ASSERT_TRUE(Sim(0).Send("inject display 04 20 20 20 20 00"));
        }
        view->Connect();
        ASSERT_EQ(view->store.series.GetSize(), 2);
        if (c.pending == Pending::InitialTransfer) {
            ASSERT_EQ(view->Link().jobs, CDeviceLink::jobReadDisplay);
            EXPECT_EQ(frame.current, "Connect...");
        }
        if (c.pending == Pending::LaterWork)
            view->Link().jobs = CDeviceLink::jobsSettingsDialog;
        const int rows = Rows();

        ASSERT_TRUE(Sim(0).Send("hangup"));
        view->OnPollTimer();
        EXPECT_EQ(frame.current, "No connection!");
        EXPECT_EQ(view->FailureCount(), 1);
        EXPECT_EQ(view->DeviceList()->count(), 1);
        EXPECT_TRUE(view->PollTimer().isActive());

        view->OnPollTimer();
        EXPECT_EQ(frame.current, "Offline");
        EXPECT_EQ(view->FailureCount(), 0);
        EXPECT_EQ(view->DeviceList()->count(), 0);
        EXPECT_FALSE(view->PollTimer().isActive());
        EXPECT_FALSE(view->Link().IsOpen());
        EXPECT_EQ(view->Link().jobs, 0u);
        EXPECT_EQ(view->store.series.GetSize(), c.dataKept ? 2 : 0);
        EXPECT_EQ(Rows(), c.dataKept ? rows : 1);
        EXPECT_EQ(view->store.device.serialNumber, c.dataKept ? "K2-0009" : "");
        EXPECT_EQ(view->store.device.name, c.dataKept ? "Kestrel 2" : "");
        // What was kept is still unsaved, so the next reset asks about it.
        EXPECT_EQ(view->store.unsavedData, c.dataKept ? 1 : 0);
    }
}

TEST_F(ViewOnSim, LongTransferShowsHowManyRecordsHaveArrived)
{
    // 400 records of 13 bytes at the pace of a 38400 baud line: well over a second.
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "4", "--impacts", "100", "--paced"}}));
    PaintWatcher watcher(frame);
    view->installEventFilter(&watcher);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));

    view->Connect();

    ASSERT_EQ(view->store.CountMeasurements(), 400);
    const QStringList progress = frame.shown.filter(QRegularExpression("^Downloading measurements: \\d+ of 400$"));
    ASSERT_GE(progress.size(), 3) << frame.shown.join(" | ").toStdString();
    int previous = 0;
    for (const QString& text : progress) {
        const int received = text.section(' ', 2, 2).toInt();
        EXPECT_GT(received, previous) << text.toStdString();
        previous = received;
    }
    EXPECT_LE(previous, 400);
    EXPECT_FALSE(watcher.paintedWith.filter("Downloading measurements").isEmpty());
    // Once the transfer is over, the status texts of the connection return.
    EXPECT_EQ(frame.current, "Online");
    EXPECT_EQ(frame.shown.indexOf("Connect..."), frame.shown.indexOf(progress.first()) - 1);
}

// Pulls the tester's cable from inside a transfer: the transfer runs on this thread, and its
// progress repaints the window, so the first paint showing `after` records or more does it. Then
// it records the status text of every paint.
class CablePuller : public QObject {
public:
    CablePuller(const RecordingFrame& frame, SimProcess& sim, int after) : m_frame(frame), m_sim(sim), m_after(after) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return QObject::eventFilter(watched, event);
        static const QRegularExpression progress("^Downloading measurements: (\\d+) of ");
        const QRegularExpressionMatch match = progress.match(m_frame.current);
        if (!pulled && match.hasMatch() && match.captured(1).toInt() >= m_after) {
            pulled = m_sim.Send("unplug");
            pulledAt.start();
        } else if (pulled) {
            paintedAfter << m_frame.current;
        }
        return QObject::eventFilter(watched, event);
    }
    bool pulled = false;
    QElapsedTimer pulledAt;
    QStringList paintedAfter;

private:
    const RecordingFrame& m_frame;
    SimProcess& m_sim;
    int m_after;
};

TEST_F(ViewOnSim, APulledCableInMidTransferEndsTheConnectionWithinSecondsWhileTheWindowPaints)
{
    // A full memory at the pace of a 38400 baud line: over eight seconds.
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--full", "--paced"}}));
    CablePuller puller(frame, Sim(0), 300); // about a second's worth of 13-byte records
    view->installEventFilter(&puller);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));

    view->Connect();
    ASSERT_TRUE(puller.pulled);
    // The timer's failed ticks end the connection; the bound is generous, not a speed goal.
    EXPECT_TRUE(WaitFor([&] { return view->DeviceList()->count() == 0; }, 20000));
    EXPECT_LT(puller.pulledAt.elapsed(), 10000);

    EXPECT_FALSE(view->Link().IsOpen());
    EXPECT_FALSE(view->PollTimer().isActive());
    EXPECT_EQ(frame.current, "Offline");
    // Nothing of the partial transfer is kept.
    EXPECT_EQ(view->store.series.GetSize(), 0);
    EXPECT_EQ(Rows(), 1);
    // While the exchanges waited for the silent tester, the window went on painting and said so.
    EXPECT_GE(puller.paintedAfter.filter("Waiting for the tester...").size(), 3) << puller.paintedAfter.join(" | ").toStdString();
}

} // namespace
