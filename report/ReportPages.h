#pragma once
// Lays the report's content out on pages and paints it: on every page a header (title, tester,
// date, a line) and a footer (a line, "Inspected by:" and "Signature:" with lines to sign on,
// "Page %1 of %2"); per series a heading with its mark, its settings, its statistics row, its chart
// and its measurements table, whose title row is repeated when the table goes on to a new page.

#include "report/ReportContent.h"

#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

// How many pages the content takes on device (nothing is drawn).
int CountReportPages(const ReportContent& content, QPagedPaintDevice& device);
// Paints the content on device through painter (already begun on it). pageCount is the figure
// of "Page %1 of %2". False when the device refused a new page.
bool PaintReportPages(const ReportContent& content, QPagedPaintDevice& device, QPainter& painter, int pageCount);
