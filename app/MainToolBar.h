#pragma once
// Toolbar 128: its buttons in order (separators as 0) and the picture of each.

#include <vector>

class CommandActions;
class QToolBar;

struct ToolbarButton {
    int command;       // 0 for a separator
    const char* image; // file name under resources/toolbar/ (without ".svg")
};

const std::vector<ToolbarButton>& ToolbarLayout();

// Adds the buttons to the bar: 32 x 32 images, tooltips and status prompts from the actions.
void BuildToolBar(QToolBar* bar, CommandActions& actions);
