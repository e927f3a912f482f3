#pragma once
// The USB identity of a serial device, as sysfs knows it: vendor and product ids, the maker's and
// the product's names and the serial number the device reports.

#include <string>

namespace StreamIO {

struct SUsbIdentity {
    std::string vendorId;     // four hexadecimal digits, "0403"
    std::string productId;    // "6001"
    std::string manufacturer; // the names the device reports; empty when it reports none
    std::string product;
    std::string serial;

    bool IsKnown() const { return !vendorId.empty() && !productId.empty(); }
    // "0403:6001 <manufacturer> <product>, serial <serial>", leaving out what is unknown; empty
    // when the device is not known as a USB device.
    std::string Describe() const;
};

// The identity of the USB device behind devicePath (symbolic links such as /dev/serial/by-id/...
// are followed to the tty they name). sysTtyDir is the sysfs tty class folder, normally
// "/sys/class/tty"; tests give one of their own. Unknown (IsKnown() false) for a device that is
// not on USB, a pseudo-terminal or a path that does not exist.
SUsbIdentity UsbIdentityOf(const std::string& devicePath, const std::string& sysTtyDir = "/sys/class/tty");

} // namespace StreamIO
