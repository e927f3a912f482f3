// The text identification of testers: the port search and the identity of the connected tester.
//
// A text exchange switches the tester to its text prompt with the single byte 0x10, waits for '>',
// sends a command ending in a carriage return and reads one reply line.
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/TesterModels.h"
#include "devicelink/TextReply.h"

#include "data/MeasurementStore.h"

#include <memory>

namespace {
constexpr std::uint8_t kTextMode = 0x10;
constexpr char kPrompt = '>';
constexpr int kTextAttempts = 4;
constexpr int kMaxReplyLength = 100;
} // namespace

LinkResult CDeviceLink::TextExchange(const char* command, QString& text)
{
    PrepareRequest();
    WriteAll(&kTextMode, 1);
    std::uint8_t prompt = 0;
    if (ReadBytes(&prompt, 1, kTextAttempts) != 1)
        return LinkResult::NoReply;
    if (prompt != kPrompt)
        return LinkResult::BadReply;

    QByteArray line(command);
    line.append('\r');
    WriteAll(reinterpret_cast<const std::uint8_t*>(line.constData()), static_cast<int>(line.size()));

    QByteArray reply;
    while (reply.size() < kMaxReplyLength) {
        std::uint8_t c = 0;
        if (ReadBytes(&c, 1, kTextAttempts) != 1)
            return LinkResult::BadReply;
        reply.append(static_cast<char>(c));
        if (c == '\r')
            break;
    }
    text = NormalizeTextReply(reply);
    return text.isEmpty() ? LinkResult::BadReply : LinkResult::Ok;
}

LinkResult CDeviceLink::Identify()
{
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    QString text;
    try {
        if (const LinkResult result = TextExchange("@ID@", text); result != LinkResult::Ok)
            return result;
    } catch (const StreamIO::CFileException&) {
        return LinkResult::StreamFailed;
    }

    // Each field lands in the current device as it is split off; a reply cut short leaves the
    // fields before the gap stored.
    DEVICE& device = store.device;
    CReplyFields fields(text);
    QString field;
    QString* const targets[] = {&device.name, &device.hardwareRevision, &device.serialNumber,
                                &device.signature, &device.firmwareVersion};
    for (QString* target : targets) {
        if (!fields.Next(field))
            return LinkResult::BadReply;
        *target = field;
    }
    fields.Last(field); // the boot loader version may be missing: it is then empty
    device.bootloaderVersion = field;

    DEVICE::ParseVersionNumbers(device.firmwareVersion, device.firmwareNumbers);
    DEVICE::ParseVersionNumbers(device.bootloaderVersion, device.bootloaderNumbers);
    device.name = TesterModels::ProductName(device.name);
    return LinkResult::Ok;
}

LinkResult CDeviceLink::ProbeDevice(int port)
{
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    QString text;
    try {
        if (const LinkResult result = TextExchange("ID", text); result != LinkResult::Ok)
            return result;
    } catch (const StreamIO::CFileException&) {
        return LinkResult::StreamFailed;
    }

    auto found = std::make_unique<DEVICE>();
    CReplyFields fields(text);
    if (!fields.Next(found->name) || !fields.Next(found->firmwareVersion))
        return LinkResult::BadReply;
    fields.Last(found->serialNumber);
    // Only Kestrel testers are offered by the search.
    if (!TesterModels::IsSearchedTypeCode(found->name))
        return LinkResult::BadReply;
    found->name = TesterModels::ProductName(found->name);

    const bool later = found->serialNumber.left(4) == QLatin1String("RM73");
    (later ? store.laterPorts : store.foundPorts).Add(port);
    (later ? store.laterDevices : store.foundDevices).Add(found.release());
    return LinkResult::Ok;
}

void CDeviceLink::ScanPorts()
{
    stream.CloseSafe();
    store.ClearFoundDevices();
    portProblems.clear();
    lineSilent = false; // a new search asks every port afresh
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        if (OpenPort(port) != LinkResult::Ok) {
            // A port that exists but may not be opened is worth telling the user about.
            if (lastOpenRefused)
                portProblems.append(lastOpenProblem);
            continue;
        }
        ProbeDevice(port);
        stream.CloseSafe();
    }
    // Testers whose serial number begins with "RM73" are listed last.
    AppendLaterDevices(store);
}

int CDeviceLink::ProbePorts(const std::vector<int>& ports)
{
    if (stream.IsOpen())
        return 0;
    // The port of the tester attached last stays recorded: a look at new ports attaches nothing.
    const int attachedPort = store.portNumber;
    const int before = store.foundDevices.GetSize();
    for (int port : ports) {
        if (port < kFirstPort || port > kLastPort || OpenPort(port) != LinkResult::Ok)
            continue;
        ProbeDevice(port);
        stream.CloseSafe();
    }
    AppendLaterDevices(store);
    store.portNumber = attachedPort;
    return store.foundDevices.GetSize() - before;
}
