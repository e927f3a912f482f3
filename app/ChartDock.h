#pragma once
// The dock at the right of the main window that holds the series chart beside the table.

class CChildView;
class CSeriesChartPanel;
class QMainWindow;

// Creates the dock (movable and floatable, not closable: the chart is part of the window) with the
// chart of the view's table, and lets it redraw when the view's limits change.
CSeriesChartPanel* AddSeriesChartDock(QMainWindow& frame, CChildView& view);
