#pragma once
// The conversion commands of the table's context menus: each (scale, material) pair the menus
// offer has three commands (All, Selected, This) with fixed identifiers in 32800..32898.

#include <optional>
#include <vector>

// What a table command acts on: every series, the selected rows, or the clicked row.
enum class CommandScope { All, Selected, This };

struct ConversionRow {
    int scale;
    int material;
    int all;       // identifiers of the three commands
    int selected;
    int thisRow;
    // The target exists for Leeb D only: a Leeb DL series is left as it is.
    bool leebDOnly;
    // Offered in the Leeb DL context menu.
    bool inLeebDLMenu;
};

// Every conversion the menus offer, in menu order (by scale, then material).
const std::vector<ConversionRow>& ConversionRows();

struct ConversionCommand {
    int scale;
    int material;
    CommandScope scope;
    bool leebDOnly;
};

// The conversion command with identifier id; nothing for any other identifier.
std::optional<ConversionCommand> FindConversionCommand(int id);
