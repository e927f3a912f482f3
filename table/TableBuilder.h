#pragma once
// TableBuilder: the table population written once for both places the table is built: the grid
// widget (CGridCtrl) and the window-less sheet of the command-line export (CTableSheet). Both
// answer the same grid operations; what the sheet does not keep it ignores.

#include "data/MeasurementStore.h"

#include <QColor>
#include <QDateTime>
#include <QFont>

template <class Grid>
class TableBuilder {
public:
    // Column layout of the table: 9 columns, titles in row 0.
    static constexpr int kColumns = 9;
    static constexpr int kColumnWidths[kColumns] = {30, 100, 100, 100, 100, 110, 150, 150, 100};

    TableBuilder(CMeasurementStore& store, Grid& grid);

    // Builds the conversion tables and resets the grid to the empty table (title row only).
    void Setup();
    // Setup, then every series with its rows (the grid's own refresh steps are the caller's).
    void Rebuild();

    // Adds an empty row of the kind at the end; returns its row number.
    int AppendSeriesRow();
    int AppendStatisticsRow();
    int AppendMeasurementRow();
    // Inserts an empty row of the kind before grid row `row`.
    void InsertStatisticsRow(int row);
    void InsertMeasurementRow(int row);
    // Inserts a statistics row and `measurements` measurement rows before grid row `row` at once.
    void InsertSeriesSubRows(int row, int measurements);

    // Writes series k into its series row `row` and, when expanded, into the rows below it;
    // returns the last row written.
    int FillSeriesRows(int row, int series);
    void FillScaleMaterialCells(int row, int series);

private:
    void StyleSeriesRow(int row);
    void StyleSubRow(int row, bool measurement, Qt::Alignment keyAlignment);
    void FillStatisticsRow(int row, int series, const QStringList& texts);
    void FillMeasurementRow(int row, int series, int index);
    void SetBlackText(int row, int lastColumn);

    CMeasurementStore& store;
    Grid& grid;
    QColor buttonFace;
    QFont boldFont;
    // "Now" for the date and time cells of new rows: one builder serves one operation, and
    // reading the local time is not free.
    QDateTime now;
};
