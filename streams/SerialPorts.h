#pragma once
// The COM-number mapping: which serial device is "COM k".
//
// SCLERON_SERIAL_PORTS set: a colon-separated list of device paths, the k-th entry is COM k; an
// empty entry leaves that number unused. Set, it is the whole mapping (set but empty: no ports).
// Not set: the machine's serial devices in this order (see streams/README.md):
//   1. USB CDC-ACM devices /dev/ttyACM<n>, by n;
//   2. USB serial adapters /dev/ttyUSB<n>, by n;
//   3. other serial ports backed by hardware (on-board UARTs /dev/ttyS<n> that have a UART,
//      /dev/ttyAMA<n>, ...), by name, then by n.
// At most kMaxComPorts numbers are mapped.

#include <string>
#include <vector>

namespace StreamIO {

constexpr unsigned kMaxComPorts = 256;

// Entry k-1 is the device path of COM k ("" = unused).
std::vector<std::string> SerialPortMap();
// The device path of COM port, "" when unmapped (port 0 included).
std::string SerialPortPath(unsigned port);

// The automatic mapping from a device folder and a sysfs tty class folder (the machine's own are
// "/dev" and "/sys/class/tty"); separate so that tests can give a folder of their own.
std::vector<std::string> DetectSerialPorts(const std::string& devDir, const std::string& sysTtyDir);
// Parses a SCLERON_SERIAL_PORTS value.
std::vector<std::string> ParseSerialPortList(const std::string& value);

} // namespace StreamIO
