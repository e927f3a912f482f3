// The COM-number mapping: SCLERON_SERIAL_PORTS and the automatic order of the machine's ports.
#include "streams/SerialPorts.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

using namespace StreamIO;
namespace fs = std::filesystem;

TEST(SerialPorts, PortListVariable)
{
    using List = std::vector<std::string>;
    struct Case {
        const char* value;
        List expected;
    } cases[] = {
        {"/dev/ttyUSB0", {"/dev/ttyUSB0"}},
        {"/dev/a:/dev/b", {"/dev/a", "/dev/b"}},
        {":/dev/pts/3", {"", "/dev/pts/3"}},
        {"/dev/a::/dev/c:", {"/dev/a", "", "/dev/c"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSerialPortList(c.value), c.expected) << c.value;

    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "/dev/x:";
    EXPECT_EQ(ParseSerialPortList(many).size(), kMaxComPorts);
}

TEST(SerialPorts, VariableIsTheWholeMapping)
{
    const char* old = std::getenv("SCLERON_SERIAL_PORTS");
    const std::string saved = old ? old : "";
    ::setenv("SCLERON_SERIAL_PORTS", ":/dev/pts/7", 1);
    EXPECT_EQ(SerialPortPath(1), "");
    EXPECT_EQ(SerialPortPath(2), "/dev/pts/7");
    EXPECT_EQ(SerialPortPath(3), "");
    EXPECT_EQ(SerialPortPath(0), "");
    ::setenv("SCLERON_SERIAL_PORTS", "", 1);
    EXPECT_TRUE(SerialPortMap().empty());
    if (old)
        ::setenv("SCLERON_SERIAL_PORTS", saved.c_str(), 1);
    else
        ::unsetenv("SCLERON_SERIAL_PORTS");
}

TEST(SerialPorts, AutomaticOrderPutsUsbDevicesFirstAndSkipsPortsWithoutHardware)
{
    QTemporaryDir root;
    const fs::path dev = root.filePath("dev").toStdString();
    const fs::path sys = root.filePath("sys").toStdString();
    fs::create_directories(dev);
    fs::create_directories(sys);
    // name, has a device, serial-core type ("" = no type file), has a /dev node
    struct Port {
        const char* name;
        bool device;
        const char* type;
        bool node;
    } ports[] = {
        {"ttyS0", true, "4", true},     // on-board 16550A
        {"ttyS1", true, "0", true},     // reserved slot without a UART
        {"ttyS10", true, "4", true},
        {"ttyS2", true, "4", true},
        {"ttyUSB1", true, "", true},
        {"ttyUSB0", true, "", true},
        {"ttyACM10", true, "", true},
        {"ttyACM2", true, "", true},
        {"ttyACM3", true, "", false},   // gone from /dev
        {"ttyAMA0", true, "1", true},
        {"tty1", false, "", true},      // virtual console
        {"ptmx", false, "", true},
        {"console", false, "", true},
    };
    for (const Port& p : ports) {
        const fs::path entry = sys / p.name;
        fs::create_directories(entry);
        if (p.device)
            fs::create_directories(entry / "device");
        if (*p.type)
            std::ofstream(entry / "type") << p.type << "\n";
        if (p.node)
            std::ofstream(dev / p.name);
    }
    const std::vector<std::string> expected = {
        (dev / "ttyACM2").string(), (dev / "ttyACM10").string(), (dev / "ttyUSB0").string(),
        (dev / "ttyUSB1").string(), (dev / "ttyAMA0").string(), (dev / "ttyS0").string(),
        (dev / "ttyS2").string(), (dev / "ttyS10").string(),
    };
    EXPECT_EQ(DetectSerialPorts(dev.string(), sys.string()), expected);
    EXPECT_TRUE(DetectSerialPorts(dev.string(), (sys / "missing").string()).empty());
}
