#include "app/ChartDock.h"

#include "app/ChildView.h"
#include "app/MainFrame.h"
#include "app/SeriesChartPanel.h"
#include "grid/GridCtrl.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include <QDockWidget>
#include <QScreen>

QDockWidget* AddSeriesChartDock(CMainFrame& frame, CChildView& view)
{
    auto* dock = new QDockWidget(ResString(ReportIds::ChartTitle), &frame);
    dock->setObjectName(QStringLiteral("seriesChartDock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable
                      | QDockWidget::DockWidgetClosable);
    auto* panel = new CSeriesChartPanel(view.store, view.Limits(), *view.store.grid, dock);
    panel->setObjectName(QStringLiteral("seriesChart"));
    dock->setWidget(panel);
    frame.addDockWidget(Qt::RightDockWidgetArea, dock);
    QObject::connect(&frame, &CMainFrame::tableChanged, panel, qOverload<>(&QWidget::update));
    QObject::connect(&view, &CChildView::LimitsChanged, panel, qOverload<>(&QWidget::update));
    // The window opens wide enough for the view and the chart side by side, within the screen
    // (menu, toolbar and status bar take about 120 pixels of height).
    QSize wanted(view.sizeHint().width() + panel->sizeHint().width() + 16, view.sizeHint().height() + 120);
    if (const QScreen* screen = frame.screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.95);
    frame.resize(wanted);
    return dock;
}
