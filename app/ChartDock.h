#pragma once
// The dock at the right of the main window that holds the series chart beside the table.

class CChildView;
class CMainFrame;
class QDockWidget;

// Creates the dock (movable, floatable and closable; View > Series chart brings it back) with the
// chart of the view's table, and lets it redraw whenever the table changes (the frame's
// tableChanged) and when the view's limits change.
QDockWidget* AddSeriesChartDock(CMainFrame& frame, CChildView& view);
