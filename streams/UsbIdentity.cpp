#include "streams/UsbIdentity.h"

#include <filesystem>
#include <fstream>

namespace StreamIO {
namespace {

namespace fs = std::filesystem;

// How far above the tty's device the USB device node may lie (interface, then device).
constexpr int kMaxLevelsUp = 6;
// sysfs attribute files are short; a longer first line is not trusted.
constexpr std::size_t kMaxAttribute = 256;

std::string ReadAttribute(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line) || line.size() > kMaxAttribute)
        return {};
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
        line.pop_back();
    return line;
}

} // namespace

std::string SUsbIdentity::Describe() const
{
    if (!IsKnown())
        return {};
    std::string text = vendorId + ":" + productId;
    if (!manufacturer.empty())
        text += " " + manufacturer;
    if (!product.empty())
        text += " " + product;
    if (!serial.empty())
        text += ", serial " + serial;
    return text;
}

SUsbIdentity UsbIdentityOf(const std::string& devicePath, const std::string& sysTtyDir)
{
    SUsbIdentity identity;
    std::error_code error;
    const fs::path node = fs::canonical(devicePath, error);
    if (error)
        return identity;
    // The tty's device in sysfs, e.g. .../usb1/1-2/1-2:1.0/ttyUSB0 for an adapter, or the
    // interface .../1-2:1.0 itself for CDC-ACM; the USB device is the nearest folder above it
    // with an idVendor file.
    fs::path device = fs::canonical(fs::path(sysTtyDir) / node.filename() / "device", error);
    if (error)
        return identity;
    for (int level = 0; level < kMaxLevelsUp && device.has_relative_path(); ++level, device = device.parent_path()) {
        if (!fs::exists(device / "idVendor", error))
            continue;
        identity.vendorId = ReadAttribute(device / "idVendor");
        identity.productId = ReadAttribute(device / "idProduct");
        identity.manufacturer = ReadAttribute(device / "manufacturer");
        identity.product = ReadAttribute(device / "product");
        identity.serial = ReadAttribute(device / "serial");
        break;
    }
    return identity;
}

} // namespace StreamIO
