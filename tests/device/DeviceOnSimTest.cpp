// Identifying a simulated tester over its pseudo-terminal, as the connect flow does on the port
// it has just opened.
#include "common/SimProcess.h"

#include "device/HxDevice.h"
#include "streams/Rs232Stream.h"

#include <gtest/gtest.h>

using namespace Device;

namespace {

class DeviceOnSim : public ::testing::Test {
protected:
    bool Start(const QStringList& arguments)
    {
        QString error;
        if (!sim.Start(arguments, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        port.Open(sim.SlavePath().toStdString(), StreamIO::modeRead | StreamIO::modeWrite);
        return port.ApplySettings(StreamIO::DeviceLinkSerialSettings()) && device.Attach(&port, 1);
    }
    void Do(const QString& command)
    {
        const SimReply reply = sim.Command(command);
        EXPECT_TRUE(reply.ok) << command.toStdString() << ": " << reply.text.toStdString();
    }

    SimProcess sim;
    StreamIO::CRs232Stream port;
    CKestrelDevice device;
    DetachGuard guard{device};
    SShortIdentity shortIdentity;
};

TEST_F(DeviceOnSim, SecondGenerationTesterIsIdentified)
{
    ASSERT_TRUE(Start({"--model", "kestrel2", "--hardware", "B2", "--serial", "123456", "--signature", "04A1B2C3",
                       "--firmware", "1.2.3", "--bootloader", "0.9", "--device-id", "0x0badcafe"}));
    ASSERT_TRUE(device.ReadIdentity(shortIdentity));
    EXPECT_EQ(shortIdentity.type, L"Lexamet Kestrel 2");
    EXPECT_EQ(shortIdentity.applicationVersion, L"1.2.3");
    EXPECT_EQ(shortIdentity.serialNumber, L"123456");
    EXPECT_EQ(device.Identity().hardwareRevision, L"B2");
    EXPECT_EQ(device.Identity().bootloaderVersion, L"0.9");
    EXPECT_EQ(device.GetDeviceId(), 0x0badcafeu);

    // The identification leaves the port at 2000 ms for reads and 50 ms per byte plus 2000 ms for
    // writes; the device link goes on with these.
    std::int32_t readTimeout = 0;
    std::int32_t writeTimeout = 0;
    ASSERT_TRUE(port.GetTimeouts(readTimeout, writeTimeout));
    EXPECT_EQ(readTimeout, 2000);
    EXPECT_EQ(writeTimeout, 2000);

    // The port is still open and usable after the device has let it go.
    EXPECT_EQ(device.Detach(), &port);
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(DeviceOnSim, EchoModeAndAnEmptyHardwareRevision)
{
    ASSERT_TRUE(Start({"--model", "tamarin2", "--hardware", "", "--serial", "77", "--signature", "04000001"}));
    Do("echo 1");
    ASSERT_TRUE(device.ReadIdentity(shortIdentity));
    EXPECT_EQ(shortIdentity.type, L"Lexamet Tamarin 2");
    EXPECT_EQ(device.Identity().hardwareRevision, L"-");
    EXPECT_EQ(device.Identity().serialNumber, L"77");
    EXPECT_FALSE(device.Identity().bootloaderVersion.empty());
    EXPECT_EQ(device.Identity().bootloaderVersion.find(L'\n'), std::wstring::npos);
}

TEST_F(DeviceOnSim, FirstGenerationTesterIsNotOfClassFour)
{
    ASSERT_TRUE(Start({"--model", "kestrel1"}));
    EXPECT_FALSE(device.ReadIdentity(shortIdentity));
    // It has an identity all the same, only of another class; and no device id.
    EXPECT_EQ(shortIdentity.type, L"Lexamet Kestrel 1");
    EXPECT_EQ(device.GetDeviceId(), 0xFFFFFFFFu);
}

TEST_F(DeviceOnSim, ErrorAnswersAndShortReplies)
{
    ASSERT_TRUE(Start({"--model", "kestrel2", "--device-id", "0x11223344"}));
    Do("inject @id@ \"?\\r\"");
    EXPECT_FALSE(device.ReadIdentity(shortIdentity));
    Do("inject @id@ \"Kestr2 ;B2;1;04A1B2C3\\r\"");
    EXPECT_FALSE(device.ReadIdentity(shortIdentity)) << "four fields";
    Do("inject @id@ \"Kestr2 ;B2;1;04A1B2C3;1.0.3\\r\"");
    EXPECT_TRUE(device.ReadIdentity(shortIdentity)) << "five fields";
    EXPECT_TRUE(device.Identity().bootloaderVersion.empty());

    // Count byte 4, then only three bytes of the id.
    Do("truncate 4 devid");
    EXPECT_EQ(device.GetDeviceId(), 0xFFFFFFFFu);
    EXPECT_EQ(device.GetDeviceId(), 0x11223344u) << "the next question is answered whole";
}

TEST_F(DeviceOnSim, ASilentTesterFailsWithinTheTimeout)
{
    ASSERT_TRUE(Start({"--model", "kestrel2"}));
    Do("unplug");
    EXPECT_FALSE(device.ReadIdentity(shortIdentity));
    EXPECT_EQ(device.GetDeviceId(), 0xFFFFFFFFu);
    Do("replug");
    EXPECT_TRUE(device.ReadIdentity(shortIdentity));
}

TEST_F(DeviceOnSim, AHungUpPortIsAFailureNotAnException)
{
    ASSERT_TRUE(Start({"--model", "kestrel2"}));
    Do("hangup");
    bool identified = true;
    EXPECT_NO_THROW(identified = device.ReadIdentity(shortIdentity));
    EXPECT_FALSE(identified);
    std::uint32_t id = 0;
    EXPECT_NO_THROW(id = device.GetDeviceId());
    EXPECT_EQ(id, 0xFFFFFFFFu);
}

} // namespace
