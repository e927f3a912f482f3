#include "tools/kestrel-sim/Models.h"

#include <cctype>
#include <string>

namespace Sim {
namespace {

// First-generation testers answer the second-generation identity query too, but with a device
// class other than 4, so a second-generation identification of them fails as it should.
const ModelInfo kModels[] = {
    {"kestrel1", "Kestrel 1", "KESTREL", 1, 11, 2900, 3, "1.4.2", "1.0.1", "A", 0x03},
    {"kestrel2", "Kestrel 2", "Kestr2 ", 2, 13, 2448, 6, "2.1.0", "1.0.3", "B", 0x04},
    {"tamarin1", "Tamarin 1", "TAMARIN", 1, 11, 2448, 3, "1.3.0", "1.0.1", "A", 0x03},
    {"tamarin2", "Tamarin 2", "Tamar2 ", 2, 13, 2448, 3, "2.1.0", "1.0.3", "B", 0x04},
};

std::string Folded(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '-' && c != '_')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

const ModelInfo* FindModel(std::string_view name)
{
    const std::string wanted = Folded(name);
    for (const ModelInfo& model : kModels)
        if (wanted == model.key || wanted == Folded(model.productName))
            return &model;
    return nullptr;
}

const ModelInfo* AllModels(int* count)
{
    *count = static_cast<int>(std::size(kModels));
    return kModels;
}

} // namespace Sim
