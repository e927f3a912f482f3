// What the program learns about a serial port without opening it: the USB identity sysfs knows,
// and whether this user may open it.
#include "streams/PortAccess.h"
#include "streams/UsbIdentity.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace StreamIO;
namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// A sysfs tree as the kernel lays it out: /sys/class/tty/<name>/device is a link into
// /sys/devices, where the USB device (with idVendor) lies one or two levels above the tty's device.
struct FakeSysfs {
    QTemporaryDir root;
    fs::path dev = fs::path(root.path().toStdString()) / "dev";
    fs::path ttyClass = fs::path(root.path().toStdString()) / "sys/class/tty";
    fs::path devices = fs::path(root.path().toStdString()) / "sys/devices";

    void AddTty(const std::string& name, const fs::path& deviceFolder)
    {
        WriteFile(dev / name, "");
        fs::create_directories(deviceFolder);
        fs::create_directories(ttyClass / name);
        fs::create_directory_symlink(deviceFolder, ttyClass / name / "device");
    }
    static void Describe(const fs::path& usbDevice, const std::string& vendor, const std::string& product,
                         const std::string& manufacturer, const std::string& name, const std::string& serial)
    {
        WriteFile(usbDevice / "idVendor", vendor + "\n");
        WriteFile(usbDevice / "idProduct", product + "\n");
        if (!manufacturer.empty())
            WriteFile(usbDevice / "manufacturer", manufacturer + "\n");
        if (!name.empty())
            WriteFile(usbDevice / "product", name + "\n");
        if (!serial.empty())
            WriteFile(usbDevice / "serial", serial + "\n");
    }
};

TEST(UsbIdentity, ReadFromTheUsbDeviceAboveTheTtyAndThroughLinks)
{
    FakeSysfs sys;
    // A USB serial adapter: usb1/1-2 is the device, 1-2:1.0 its interface, ttyUSB0 the port.
    const fs::path adapter = sys.devices / "pci0000:00/usb1/1-2";
    sys.AddTty("ttyUSB0", adapter / "1-2:1.0/ttyUSB0");
    FakeSysfs::Describe(adapter, "0403", "6001", "FTDI", "FT232R USB UART", "A50285BI");
    // A CDC-ACM tester: the tty's device is the interface itself; it reports no serial number.
    const fs::path tester = sys.devices / "pci0000:00/usb1/1-3";
    sys.AddTty("ttyACM0", tester / "1-3:1.0");
    FakeSysfs::Describe(tester, "1a2b", "0c0d", "", "Tester", "");
    // An on-board port: no USB device anywhere above it.
    sys.AddTty("ttyS0", sys.devices / "platform/serial8250/tty/ttyS0");
    // A stable name pointing at the adapter, as udev makes them.
    fs::create_directories(sys.dev / "serial/by-id");
    fs::create_symlink(sys.dev / "ttyUSB0", sys.dev / "serial/by-id/usb-FTDI-if00-port0");

    struct Case {
        fs::path path;
        std::string describe;
    } cases[] = {
        {sys.dev / "ttyUSB0", "0403:6001 FTDI FT232R USB UART, serial A50285BI"},
        {sys.dev / "serial/by-id/usb-FTDI-if00-port0", "0403:6001 FTDI FT232R USB UART, serial A50285BI"},
        {sys.dev / "ttyACM0", "1a2b:0c0d Tester"},
        {sys.dev / "ttyS0", ""},
        {sys.dev / "ttyUSB7", ""}, // gone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        const SUsbIdentity identity = UsbIdentityOf(c.path.string(), sys.ttyClass.string());
        EXPECT_EQ(identity.Describe(), c.describe);
        EXPECT_EQ(identity.IsKnown(), !c.describe.empty());
    }
    const SUsbIdentity adapterIdentity = UsbIdentityOf((sys.dev / "ttyUSB0").string(), sys.ttyClass.string());
    EXPECT_EQ(adapterIdentity.serial, "A50285BI");
    EXPECT_EQ(adapterIdentity.manufacturer, "FTDI");
}

// Runs check as a user without privileges: in a child that drops to "nobody" when the test runs
// as root (root may open anything), else in this process. Returns what check returned.
std::string AsUnprivilegedUser(const std::function<std::string()>& check)
{
    if (::geteuid() != 0)
        return check();
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        return "no user nobody";
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        const std::string result = dropped ? check() : "could not drop privileges";
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

TEST(PortAccess, TheGroupToJoinIsNamedOnlyWhenPortsExistAndNoneMayBeOpened)
{
    QTemporaryDir dir;
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    const std::string locked = dir.filePath("locked").toStdString();
    const std::string open = dir.filePath("open").toStdString();
    const std::string missing = dir.filePath("missing").toStdString();
    WriteFile(locked, "");
    WriteFile(open, "");
    ::chmod(locked.c_str(), 0);
    ::chmod(open.c_str(), 0666);
    struct stat info {};
    ASSERT_EQ(::stat(locked.c_str(), &info), 0);
    const group* owner = ::getgrgid(info.st_gid);
    const std::string lockedGroup = owner ? owner->gr_name : "dialout";

    using Ports = std::vector<std::string>;
    struct Case {
        Ports ports;
        std::string group;
    } cases[] = {
        {{}, ""},
        {{"", missing}, ""},             // no port exists
        {{locked}, lockedGroup},
        {{"", missing, locked}, lockedGroup},
        {{locked, open}, ""},            // one may be opened: nothing to tell
    };
    for (const Case& c : cases) {
        const std::string group = AsUnprivilegedUser([&] { return "[" + GroupToJoin(c.ports) + "]"; });
        EXPECT_EQ(group, "[" + c.group + "]") << ::testing::PrintToString(c.ports);
    }
    EXPECT_EQ(AsUnprivilegedUser([&] {
                  const SPortAccess access = PortAccessOf(locked);
                  return std::to_string(access.exists) + std::to_string(access.mayOpen) + access.group;
              }),
              "10" + lockedGroup);
    const SPortAccess gone = PortAccessOf(missing);
    EXPECT_FALSE(gone.exists);
    EXPECT_FALSE(gone.mayOpen);
}

} // namespace
