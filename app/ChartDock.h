#pragma once
// The dock at the right of the main window that holds the series chart beside the table.

class CChildView;
class CMainFrame;
class CSeriesChartPanel;

// Creates the dock (movable and floatable, not closable: the chart is part of the window) with the
// chart of the view's table, and lets it redraw whenever the table changes (the frame's
// tableChanged) and when the view's limits change.
CSeriesChartPanel* AddSeriesChartDock(CMainFrame& frame, CChildView& view);
