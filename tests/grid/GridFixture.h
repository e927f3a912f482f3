#pragma once
// A grid laid out like the measurement table: 9 columns, one title row, full-row selection,
// every body cell holding "r<row>c<column>".

#include "grid/GridCtrl.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

inline QString CellName(int row, int column)
{
    return QStringLiteral("r%1c%2").arg(row).arg(column);
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<CGridCtrl>();
        grid->resize(1000, 400);
        grid->SetDefaultCellWidth(100);
        grid->SetDefaultCellHeight(22);
        grid->SetFixedColumnCount(0);
        grid->SetFixedRowCount(1);
        grid->SetFullRowSelection(true);
        grid->SetColumnResize(false);
        grid->SetRowResize(false);
        grid->SetColumnCount(9);
        grid->SetRowCount(kRows);
        for (int c = 1; c < 9; ++c)
            grid->SetItemText(0, c, QStringLiteral("Title%1").arg(c));
        for (int r = 1; r < kRows; ++r)
            for (int c = 0; c < 9; ++c)
                grid->SetItemText(r, c, CellName(r, c));
        // Appended rows reach the view at the next turn of the event loop.
        QCoreApplication::processEvents();
    }

    // Spies on every notification as (code, row, column).
    std::unique_ptr<QSignalSpy> SpyNotify()
    {
        return std::make_unique<QSignalSpy>(grid.get(), &CGridCtrl::notify);
    }

    static constexpr int kRows = 8;   // title row + 7 body rows
    std::unique_ptr<CGridCtrl> grid;
};
