// The tester's picture in the main view against the simulator: its keys page the tester's
// display and the mirror follows, the lock symbol locks the keys, hovering frames a key and names
// it, and a closed port sends nothing.
#include "ViewOnSim.h"

#include "devicelink/DeviceLink.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint p)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Click(QWidget* w, QPoint p)
{
    Mouse(w, QEvent::MouseButtonPress, p);
    Mouse(w, QEvent::MouseButtonRelease, p);
}

class DeviceAreaOnSim : public ViewOnSim {
protected:
    void Attach()
    {
        ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--series", "2", "--impacts", "3"}}));
        view->Connect();
        ASSERT_TRUE(view->Link().IsOpen());
        ASSERT_EQ(view->Link().jobs, 0u);
        W = view->width();
        Log(); // what the connect sent
    }

    // The key presses and key-lock requests the tester received since the last look (the
    // polling timer's status and display reads go on meanwhile).
    QString Log()
    {
        const QStringList requests = Sim(0).Command("show log").text.split(QStringLiteral(" | "), Qt::SkipEmptyParts);
        return requests.filter(QRegularExpression(QStringLiteral("^C2 D0 2[23] "))).join(QStringLiteral(" | "));
    }

    QString SimState(const QString& name)
    {
        const QRegularExpression value(name + QStringLiteral("=(\"[^\"]*\"|\\S+)"));
        return value.match(Sim(0).Command("show").text).captured(1);
    }

    QString MirroredDisplay()
    {
        return QStringLiteral("\"%1\"").arg(QString::fromLatin1(reinterpret_cast<const char*>(view->store.displayCodes), 4));
    }

    int W = 0;
};

TEST_F(DeviceAreaOnSim, KeysPageTheTesterAndTheMirrorFollowsAfterThePoll)
{
    Attach();
    ASSERT_EQ(MirroredDisplay(), SimState("display"));
    const QString first = MirroredDisplay();

    // Just outside the right key's bounds: nothing is sent.
    for (QPoint outside : {QPoint(W - 300, 95), QPoint(W - 275, 95), QPoint(W - 288, 88), QPoint(W - 288, 102)})
        Click(view.get(), outside);
    EXPECT_EQ(Log(), QString());

    Click(view.get(), {W - 299, 89});
    EXPECT_EQ(Log(), "C2 D0 22 02");
    // The tester shows its next page and says so at the next status poll; the timer reads it.
    EXPECT_TRUE(WaitFor([&] { return MirroredDisplay() != first && MirroredDisplay() == SimState("display"); }, 10000))
        << MirroredDisplay().toStdString() << " / " << SimState("display").toStdString();

    // Just outside the left key, then inside its corner: back to the first page.
    for (QPoint outside : {QPoint(W - 346, 95), QPoint(W - 321, 95), QPoint(W - 333, 88), QPoint(W - 333, 102)})
        Click(view.get(), outside);
    EXPECT_TRUE(Log().isEmpty());
    Click(view.get(), {W - 322, 101});
    EXPECT_EQ(Log(), "C2 D0 22 01");
    EXPECT_TRUE(WaitFor([&] { return MirroredDisplay() == first; }, 10000)) << MirroredDisplay().toStdString();

    // The down key answers a press one pixel further right than a move.
    Click(view.get(), {W - 242, 120});
    EXPECT_EQ(Log(), "C2 D0 22 03");
    Click(view.get(), {W - 254, 100});
    EXPECT_EQ(Log(), QString());
}

TEST_F(DeviceAreaOnSim, LockSymbolTogglesTheKeyLockAtOnce)
{
    Attach();
    ASSERT_EQ(view->store.device.keysLocked, 0u);
    Click(view.get(), {W - 200, 127});
    EXPECT_EQ(view->store.device.keysLocked, 1u);
    EXPECT_EQ(Log(), "C2 D0 23 01");
    EXPECT_EQ(SimState("lock"), "1");
    EXPECT_EQ(frame.current, "Keys locked");

    Click(view.get(), {W - 209, 139});
    EXPECT_EQ(view->store.device.keysLocked, 0u);
    EXPECT_EQ(Log(), "C2 D0 23 00");
    EXPECT_EQ(SimState("lock"), "0");
    EXPECT_EQ(frame.current, "Keys unlocked");
}

TEST_F(DeviceAreaOnSim, TheLockSymbolFollowsTheTesterAndARequestItDidNotConfirmChangesNothing)
{
    Attach();
    ASSERT_EQ(view->store.device.keysLocked, 0u);
    // The mouse rests on the symbol; the operator locks the keys on the tester itself: the next
    // poll brings the symbol and its text along.
    Mouse(view.get(), QEvent::MouseMove, {W - 200, 127});
    ASSERT_EQ(frame.current, "Keys unlocked");
    ASSERT_TRUE(Sim(0).Send("lock 1"));
    EXPECT_TRUE(WaitFor([&] { return view->store.device.keysLocked == 1; }, 5000));
    EXPECT_EQ(frame.current, "Keys locked");

    // Requests the tester refuses, or whose answer is lost: the symbol stays as it was and the
    // status bar says so; the key lock is then read back, so the picture ends as the tester is.
    for (const char* fault : {"inject setlock FD", "drop setlock"}) {
        SCOPED_TRACE(fault);
        ASSERT_TRUE(Sim(0).Send(fault));
        const std::uint32_t before = view->store.device.keysLocked;
        Click(view.get(), {W - 200, 127});
        EXPECT_EQ(view->store.device.keysLocked, before);
        EXPECT_EQ(frame.current, "The tester did not confirm the key lock; its keys stay as they were.");
        EXPECT_TRUE(WaitFor([&] { return view->Link().jobs == 0; }, 5000));
        EXPECT_EQ(SimState("lock"), QString::number(view->store.device.keysLocked));
    }
}

TEST_F(DeviceAreaOnSim, HoverFramesAKeyNamesItAndLeavingRestoresTheConnectionText)
{
    Attach();
    Mouse(view.get(), QEvent::MouseMove, {W - 333, 95});
    EXPECT_EQ(frame.current, "Kestrel button left");
    EXPECT_EQ(view->KeyHighlight(), 1);
    QImage shot = view->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(W - 347, 87)), QColor(0, 160, 167));
    EXPECT_EQ(QColor(shot.pixel(W - 347 + 28, 87 + 17)), QColor(0, 0, 0));

    // Moving within the key changes nothing; moving off it ends the frame.
    const int shownBefore = frame.shown.size();
    Mouse(view.get(), QEvent::MouseMove, {W - 330, 96});
    EXPECT_EQ(frame.shown.size(), shownBefore);
    Mouse(view.get(), QEvent::MouseMove, {W - 400, 95});
    EXPECT_EQ(frame.current, "Online");
    EXPECT_EQ(view->KeyHighlight(), 0);
    shot = view->grab().toImage();
    EXPECT_NE(QColor(shot.pixel(W - 347, 87)), QColor(0, 160, 167));

    // The down key's hover area: x = W - 242 is outside, W - 243 and y = 121 inside.
    Mouse(view.get(), QEvent::MouseMove, {W - 242, 100});
    EXPECT_EQ(view->KeyHighlight(), 0);
    Mouse(view.get(), QEvent::MouseMove, {W - 243, 121});
    EXPECT_EQ(frame.current, "Kestrel button down");
    Mouse(view.get(), QEvent::MouseMove, {W - 300, 140});
    Mouse(view.get(), QEvent::MouseMove, {W - 200, 127});
    EXPECT_EQ(frame.current, "Keys unlocked");
    EXPECT_EQ(view->HighlightedArea(), MirrorGeometry::Area::KeyLock);
    shot = view->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(W - 210, 114)), QColor(200, 200, 200));
}

TEST_F(DeviceAreaOnSim, ClearDeviceMemoryAsksAndLeavesTheClearToTheTimer)
{
    Attach();
    ASSERT_EQ(SimState("records"), "6");
    // No: nothing changes.
    prompts.answers.push_back(PromptAnswer::No);
    view->ClearDeviceMemory();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], "Clear device memory?\nThis deletes all measurements on your Device!");
    EXPECT_EQ(prompts.icons[0], PromptIcon::Warning);
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_EQ(view->store.series.GetSize(), 2);

    // Yes, then Cancel to the question about the unsaved download: still nothing.
    prompts.answers.push_back(PromptAnswer::Yes);
    prompts.answers.push_back(PromptAnswer::Cancel);
    view->ClearDeviceMemory();
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_EQ(view->store.series.GetSize(), 2);

    // Yes and No (not saved): the table empties, the tester is kept, the timer clears its memory.
    prompts.answers.push_back(PromptAnswer::Yes);
    prompts.answers.push_back(PromptAnswer::No);
    view->ClearDeviceMemory();
    EXPECT_EQ(view->store.series.GetSize(), 0);
    EXPECT_TRUE(view->Link().IsOpen());
    EXPECT_EQ(view->store.device.name, "Kestrel 2");
    EXPECT_TRUE(WaitFor([&] { return view->Link().jobs == 0 && SimState("records") == "0"; }, 10000));
}

TEST_F(DeviceAreaOnSim, ClosedPortSendsNothing)
{
    Attach();
    view->Link().Close();
    const QStringList shown = frame.shown;
    Click(view.get(), {W - 333, 95});
    Click(view.get(), {W - 200, 127});
    EXPECT_EQ(view->store.device.keysLocked, 0u);
    EXPECT_EQ(frame.shown, shown);
    EXPECT_EQ(Log(), QString());
}

} // namespace
