// Prints how long the grid takes for the measurement table's heavy operations on 100,000 rows:
// filling row by row as a full rebuild does (shown and hidden), expanding a series in the middle,
// copying everything and writing the text, and the process's peak memory.
#include "grid/GridCtrl.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kRows = 100000;

long PeakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Wall-clock and processor time of one step; the processor time is the figure to compare when
// the machine is busy with other work.
class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart()
    {
        m_wall.start();
        m_cpu = CpuMs();
    }
    void Print(const char* what)
    {
        std::printf("%-48s %9.1f ms wall %9.1f ms cpu\n", what, m_wall.nsecsElapsed() / 1e6, CpuMs() - m_cpu);
        Restart();
    }

private:
    static double CpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

void Setup(CGridCtrl& grid)
{
    grid.DeleteAllItems();
    grid.SetDefaultCellWidth(100);
    grid.SetDefaultCellHeight(22);
    grid.SetFixedColumnCount(0);
    grid.SetFixedRowCount(1);
    grid.SetFullRowSelection(true);
    grid.SetColumnResize(false);
    grid.SetRowResize(false);
    grid.SetColumnCount(9);
    grid.SetRowCount(1);
}

// One measurement-like row: key and tree image, index, date and time cells, value, attributes.
void FillRow(CGridCtrl& grid, int row, const QFont& normal, const QColor& buttonFace, const QDateTime& when)
{
    grid.SetItem(row, 0, QStringLiteral("%1.%2").arg(row / 50).arg(row % 50), 2, buttonFace);
    grid.SetItem(row, 1, QStringLiteral("%1.%2").arg(row / 50 + 1).arg(row % 50), -1, buttonFace);
    for (int c : {2, 3}) {
        grid.SetCellType(row, c, GridCellType::DateTime);
        grid.SetDateTimeDisplay(row, c, c == 2 ? GridDateTimeDisplay::Date : GridDateTimeDisplay::Time);
        grid.SetDateTime(row, c, when);
    }
    grid.SetItemText(row, 4, QStringLiteral("%1 HLD").arg(400 + row % 300));
    grid.SetItemText(row, 5, QStringLiteral("1.00"));
    for (int c = 0; c < 9; ++c) {
        CGridCell cell = grid.GetCell(row, c);
        cell.SetFont(normal);
        cell.SetTextClr(Qt::black);
        cell.SetState(c == 2 || c == 3 ? 0 : GridState::ReadOnly);
        cell.SetFormat(c == 0 || c == 1 ? Qt::AlignRight : Qt::AlignHCenter);
    }
}

void Fill(CGridCtrl& grid)
{
    const QFont normal = grid.font();
    const QColor face = grid.palette().color(QPalette::Button);
    const QDateTime when = QDateTime::currentDateTime();
    Setup(grid);
    for (int i = 0; i < kRows; ++i) {
        const int row = grid.InsertRow();
        FillRow(grid, row, normal, face, when);
    }
    grid.EnsureVisible(grid.GetRowCount() - 1, 0);
    grid.SetFocusCell(grid.GetRowCount() - 1, 0);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CGridCtrl grid;
    grid.resize(1000, 600);
    const QFont normal = grid.font();
    const QColor face = grid.palette().color(QPalette::Button);
    std::printf("%d rows of 9 cells (about 60 cell calls per row)\n", kRows);

    Stopwatch watch;
    Fill(grid);
    watch.Print("fill row by row, grid hidden");
    grid.show();
    QApplication::processEvents();
    watch.Restart();
    Fill(grid);
    watch.Print("fill row by row, grid shown");

    for (int i = 0; i < 100; ++i)
        FillRow(grid, grid.InsertRow(kRows / 2), normal, face, QDateTime::currentDateTime());
    QApplication::processEvents();
    watch.Print("insert 100 rows in the middle one by one");
    grid.DeleteRows(kRows / 2, 100);
    watch.Restart();
    const int first = grid.InsertRows(kRows / 2, 1000);
    for (int i = 0; i < 1000; ++i)
        FillRow(grid, first + i, normal, face, QDateTime::currentDateTime());
    QApplication::processEvents();
    watch.Print("insert 1000 rows in the middle as one block");

    for (int i = 0; i < 100; ++i)
        grid.DeleteRow(kRows / 2);
    QApplication::processEvents();
    watch.Print("delete 100 rows in the middle one by one");
    grid.DeleteRows(kRows / 2, 900);
    QApplication::processEvents();
    watch.Print("delete 900 rows in the middle as one block");

    grid.SelectAllCells();
    const QString copied = grid.GetCopyText();
    watch.Print("copy text of all rows");

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    grid.WriteText(out, QStringLiteral("header"));
    watch.Print("write text of all rows");

    std::printf("copied %lld characters, wrote %lld bytes\n", static_cast<long long>(copied.size()),
                static_cast<long long>(out.size()));
    std::printf("peak memory: %.1f MB\n", PeakMemoryKiB() / 1024.0);
    return 0;
}
