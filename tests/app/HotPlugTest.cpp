// The device list box follows testers plugged in and pulled (simulators on linked paths that come
// and go), and a lost tester is attached again as soon as its port comes back.
#include "ViewOnSim.h"

#include "app/App.h"
#include "app/MainFrame.h"
#include "app/PortFollower.h"
#include "devicelink/DeviceLink.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Lines(const QComboBox* box)
{
    QStringList lines;
    for (int i = 0; i < box->count(); ++i)
        lines << box->itemText(i);
    return lines;
}

class HotPlug : public ViewOnSim {
protected:
    void SetUp() override
    {
        ViewOnSim::SetUp();
        links = {dir.filePath("ttyA"), dir.filePath("ttyB")};
        qputenv("SCLERON_SERIAL_PORTS", links.join(QLatin1Char(':')).toLocal8Bit());
        follower = std::make_unique<CPortFollower>(*view, frame, CPortFollower::Setup {});
        follower->Start();
    }
    void TearDown() override
    {
        follower.reset();
        ViewOnSim::TearDown();
    }
    // Starts a tester whose port appears at links[index].
    SimProcess& Plug(int index, const QString& serial)
    {
        sims.push_back(std::make_unique<SimProcess>());
        QString error;
        EXPECT_TRUE(sims.back()->Start({"--model", "kestrel2", "--serial", serial, "--series", "1", "--impacts", "2",
                                        "--link", links[index]},
                                       &error))
            << error.toStdString();
        return *sims.back();
    }
    // Waits for the watcher to tell the next change (and the view to follow it).
    void WaitForChange(QSignalSpy& spy)
    {
        EXPECT_TRUE(spy.wait(5000)) << "no change was told";
        spy.clear();
    }

    QTemporaryDir dir;
    QStringList links;
    std::unique_ptr<CPortFollower> follower;
};

TEST_F(HotPlug, APluggedTesterIsListedAndALostOneIsAttachedAgainWhenItsPortComesBack)
{
    QSignalSpy changes(&follower->Watcher(), &CSerialPortWatcher::PortsChanged);

    // Plugged in while nothing is attached: asked who it is, and listed (not attached).
    SimProcess& a = Plug(0, "K2-A");
    WaitForChange(changes);
    EXPECT_EQ(Lines(view->DeviceList()), QStringList({"Kestrel 2 K2-A  @ COM1"}));
    EXPECT_FALSE(view->Link().IsOpen());

    // Pulled: gone from the list.
    ASSERT_EQ(a.Stop(), 0);
    WaitForChange(changes);
    EXPECT_TRUE(Lines(view->DeviceList()).isEmpty());

    // Plugged in again and attached; a second tester plugged in meanwhile is not asked while the
    // first one's line is busy.
    SimProcess& again = Plug(0, "K2-A");
    WaitForChange(changes);
    view->OnDeviceListSelection(0);
    ASSERT_TRUE(view->Link().IsOpen());
    Plug(1, "K2-B");
    QTest::qWait(1500);
    EXPECT_EQ(Lines(view->DeviceList()), QStringList({"Kestrel 2 K2-A  @ COM1"}));

    // The attached tester's cable pulled: the connection is given up. Plugged in again: the tester
    // is attached again.
    ASSERT_TRUE(again.Send("hangup"));
    EXPECT_TRUE(WaitFor([&] { return !view->Link().IsOpen(); }, 10000));
    ASSERT_TRUE(again.Send("replug"));
    EXPECT_TRUE(WaitFor([&] { return view->Link().IsOpen(); }, 10000));
}

TEST(HotPlugStart, PortsThisUserMayNotOpenAreToldInTheStatusBarWithTheGroup)
{
    SetTestRegistry({});
    CSCLERONApp::Options options;
    options.useWidgetPrompts = false;
    options.updateService = false;
    options.showFrame = false;
    options.serialPorts.portMap = [] { return std::vector<std::string> {"/dev/ttyUSB0"}; };
    std::vector<std::string> asked;
    options.serialPorts.groupToJoin = [&](const std::vector<std::string>& ports) {
        asked = ports;
        return std::string("dialout");
    };
    CSCLERONApp app;
    ASSERT_TRUE(app.InitInstance(options));
    EXPECT_EQ(asked, std::vector<std::string>({"/dev/ttyUSB0"}));
    EXPECT_EQ(app.MainFrame()->StatusText(),
              "This user may not open the serial ports: join the group \"dialout\" (sudo usermod -aG dialout $USER), "
              "then log in again.");
    app.ExitInstance();

    // Nothing to tell: the status bar keeps "Offline".
    options.serialPorts.groupToJoin = [](const std::vector<std::string>&) { return std::string(); };
    CSCLERONApp quiet;
    ASSERT_TRUE(quiet.InitInstance(options));
    EXPECT_EQ(quiet.MainFrame()->StatusText(), "Offline");
}

} // namespace
