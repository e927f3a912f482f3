#include "streams/SerialPorts.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace StreamIO {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPortsVariable = "SCLERON_SERIAL_PORTS";

struct Candidate {
    int group;          // 0 CDC-ACM, 1 USB serial adapter, 2 other hardware ports
    std::string prefix; // "ttyS", "ttyAMA", ...
    unsigned long number;
    std::string name;
};

// Splits "ttyUSB12" into "ttyUSB" and 12; false without a trailing number.
bool SplitName(const std::string& name, std::string& prefix, unsigned long& number)
{
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
        --digits;
    if (digits == name.size() || digits == 0 || name.size() - digits > 9)
        return false;
    prefix = name.substr(0, digits);
    number = std::stoul(name.substr(digits));
    return true;
}

// An on-board UART slot the kernel reserved without hardware behind it reports type 0.
bool HasUart(const fs::path& classEntry)
{
    std::ifstream typeFile(classEntry / "type");
    if (!typeFile)
        return true; // not a serial-core port: its driver exists only with hardware
    long type = 0;
    typeFile >> type;
    return typeFile && type != 0;
}

} // namespace

std::vector<std::string> ParseSerialPortList(const std::string& value)
{
    std::vector<std::string> ports;
    std::size_t start = 0;
    while (ports.size() < kMaxComPorts) {
        const std::size_t end = value.find(':', start);
        ports.push_back(value.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    while (!ports.empty() && ports.back().empty())
        ports.pop_back();
    return ports;
}

std::vector<std::string> DetectSerialPorts(const std::string& devDir, const std::string& sysTtyDir)
{
    std::vector<Candidate> found;
    std::error_code error;
    for (fs::directory_iterator it(sysTtyDir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        Candidate candidate;
        if (name.rfind("tty", 0) != 0 || !SplitName(name, candidate.prefix, candidate.number))
            continue;
        if (candidate.prefix == "ttyACM")
            candidate.group = 0;
        else if (candidate.prefix == "ttyUSB")
            candidate.group = 1;
        else if (fs::exists(it->path() / "device", error) && HasUart(it->path()))
            candidate.group = 2; // virtual consoles and pseudo-terminals have no device
        else
            continue;
        if (!fs::exists(fs::path(devDir) / name, error))
            continue;
        candidate.name = name;
        found.push_back(std::move(candidate));
        if (found.size() > 4 * kMaxComPorts)
            break; // a machine with more ports than we could number
    }
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.group, a.prefix, a.number) < std::tie(b.group, b.prefix, b.number);
    });
    std::vector<std::string> ports;
    for (const Candidate& candidate : found) {
        if (ports.size() == kMaxComPorts)
            break;
        ports.push_back((fs::path(devDir) / candidate.name).string());
    }
    return ports;
}

std::vector<std::string> SerialPortMap()
{
    if (const char* value = std::getenv(kPortsVariable))
        return ParseSerialPortList(value);
    return DetectSerialPorts("/dev", "/sys/class/tty");
}

std::string SerialPortPath(unsigned port)
{
    if (port == 0 || port > kMaxComPorts)
        return {};
    const std::vector<std::string> ports = SerialPortMap();
    return port <= ports.size() ? ports[port - 1] : std::string();
}

} // namespace StreamIO
