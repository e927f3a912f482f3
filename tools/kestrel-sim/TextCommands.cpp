// The text form of the link: after the prompt request 0x10 the tester answers '>', reads a command
// up to a carriage return and answers one line.
#include "tools/kestrel-sim/Device.h"

namespace Sim {

std::optional<Reply> Device::HandleText(const Request& request)
{
    const ModelInfo& model = *identity_.model;
    std::string answer;
    int target = kTargetTextOther;
    if (request.text == "ID") {
        // type code; firmware; serial number
        answer = std::string(model.typeCode) + ';' + identity_.firmware + ';' + identity_.serial;
        target = kTargetTextId;
    } else if (request.text == "@ID@") {
        // type code; hardware revision; serial number; signature; firmware; boot loader
        answer = std::string(model.typeCode) + ';' + identity_.hardware + ';' + identity_.serial + ';'
            + identity_.signature + ';' + identity_.firmware + ';' + identity_.bootloader;
        target = kTargetTextIdentity;
    } else {
        answer = "?";
    }
    // In echo mode the line repeats the command, then a space and the answer, and ends in a line
    // feed; otherwise it is the answer alone, ending in a carriage return.
    const std::string line = echo ? request.text + ' ' + answer + '\n' : answer + '\r';
    return Reply{std::vector<std::uint8_t>(line.begin(), line.end()), target, {}};
}

} // namespace Sim
