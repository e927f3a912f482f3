// The text form of the link: after the prompt request 0x10 the tester answers '>', reads a command
// up to a carriage return and answers one line.
#include "tools/kestrel-sim/Device.h"

namespace Sim {

std::optional<Reply> Device::HandleText(const Request& request)
{
    const ModelInfo& model = *identity_.model;
    auto fields = [](std::initializer_list<const std::string*> parts) {
        std::string joined;
        bool first = true;
        for (const std::string* part : parts) {
            if (!first)
                joined += ';';
            first = false;
            joined += *part;
        }
        return joined;
    };
    const std::string typeCode = model.typeCode;
    std::string answer = "?";
    int target = kTargetTextOther;
    if (request.text == "ID") {
        answer = fields({&typeCode, &identity_.firmware, &identity_.serial});
        target = kTargetTextId;
    } else if (request.text == "@ID@") {
        answer = fields({&typeCode, &identity_.hardware, &identity_.serial, &identity_.signature, &identity_.firmware,
                         &identity_.bootloader});
        target = kTargetTextIdentity;
    }
    // In echo mode the line repeats the command, then a space and the answer, and ends in a line
    // feed; otherwise it is the answer alone, ending in a carriage return.
    std::string line;
    if (echo) {
        line = request.text;
        line += ' ';
    }
    line += answer;
    line += echo ? '\n' : '\r';
    return Reply{std::vector<std::uint8_t>(line.begin(), line.end()), target, {}};
}

} // namespace Sim
