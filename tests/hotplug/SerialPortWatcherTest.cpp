// The serial port watcher against the tester simulator on a linked path: a hang-up (the USB
// tester pulled) and a replug (plugged in again, on a new pseudo-terminal the link is re-pointed
// to) are told, a second tester appearing is told, and unrelated files are not.
#include "hotplug/SerialPortWatcher.h"

#include "common/SimProcess.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Ports = QVector<unsigned>;

// Waits for the next PortsChanged and returns its lists; a failure when none came.
std::pair<Ports, Ports> NextChange(QSignalSpy& spy)
{
    if (spy.isEmpty() && !spy.wait(5000)) {
        ADD_FAILURE() << "no change was told";
        return {};
    }
    const QList<QVariant> args = spy.takeFirst();
    return {args[0].value<Ports>(), args[1].value<Ports>()};
}

TEST(SerialPortWatcher, TellsATesterPulledAndPluggedInAgainOnItsLinkedPath)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyTester");
    const QString second = dir.filePath("ttySecond");
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--link", link}));

    CSerialPortWatcher watcher([&] { return std::vector<std::string> {"", link.toStdString(), second.toStdString()}; });
    watcher.Start();
    EXPECT_EQ(watcher.PresentPorts(), Ports({2}));
    QSignalSpy spy(&watcher, &CSerialPortWatcher::PortsChanged);

    ASSERT_TRUE(sim.Send("hangup"));
    EXPECT_EQ(NextChange(spy), std::make_pair(Ports {}, Ports {2}));
    EXPECT_TRUE(watcher.PresentPorts().isEmpty());

    ASSERT_TRUE(sim.Send("replug"));
    EXPECT_EQ(NextChange(spy), std::make_pair(Ports {2}, Ports {}));

    SimProcess other;
    ASSERT_TRUE(other.Start({"--link", second}));
    EXPECT_EQ(NextChange(spy), std::make_pair(Ports {3}, Ports {}));
    EXPECT_EQ(watcher.PresentPorts(), Ports({2, 3}));

    // Files that are no serial ports come and go without a word.
    QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    QFile::remove(dir.filePath("notes.txt"));
    EXPECT_FALSE(spy.wait(1000));

    ASSERT_EQ(other.Stop(), 0); // the link goes with the simulator
    EXPECT_EQ(NextChange(spy), std::make_pair(Ports {}, Ports {3}));
}

} // namespace
