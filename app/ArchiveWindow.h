#pragma once
// CArchiveWindow: File > Archive... Filters (tester, serial number, date range, scale, material,
// verdict against the tolerance limits, text in the origins), the series found with their
// statistics, "Open" to load the chosen series as a document of their own, and the trend of the
// series means over time for the chosen series' tester and scale with the tolerance limits.

#include "archive/Archive.h"
#include "data/MeasurementStore.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class CArchiveTrendChart;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CArchiveWindow : public QDialog {
    Q_OBJECT
public:
    // Loads the series (their measurements read back) as a document of their own.
    using OpenSeries = std::function<void(const std::vector<ArchivedSeries>&)>;

    CArchiveWindow(const ArchiveLocation& location, const CToleranceTable& limits, OpenSeries open,
                   QWidget* parent = nullptr);
    ~CArchiveWindow() override;

    // Runs the search with the filters as set; false (the reason shown) when the archive failed.
    bool Search();
    ArchiveFilter Filter() const;
    const std::vector<FoundSeries>& Found() const { return found; }
    QTableWidget* Results() const { return results; }
    CArchiveTrendChart* Trend() const { return trend; }
    QLabel* StatusLabel() const { return status; }

    // The filter controls, for tests.
    QLineEdit* TesterEdit() const { return tester; }
    QLineEdit* SerialEdit() const { return serial; }
    QComboBox* ScaleBox() const { return scale; }
    QComboBox* VerdictBox() const { return verdict; }
    QPushButton* OpenButton() const { return openButton; }

    // "Open": the chosen rows' series.
    void OpenChosen();

private:
    void Build();
    void FillResults();
    void ShowTrend();

    CArchive archive;
    bool opened = false;
    CToleranceTable limits;
    OpenSeries open;
    CMeasurementStore names; // conversion tables for scale and material names
    std::vector<FoundSeries> found;

    QLineEdit* tester = nullptr;
    QLineEdit* serial = nullptr;
    QCheckBox* fromOn = nullptr;
    QDateEdit* from = nullptr;
    QCheckBox* untilOn = nullptr;
    QDateEdit* until = nullptr;
    QComboBox* scale = nullptr;
    QComboBox* material = nullptr;
    QComboBox* verdict = nullptr;
    QLineEdit* text = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* openButton = nullptr;
    QTableWidget* results = nullptr;
    QLabel* status = nullptr;
    CArchiveTrendChart* trend = nullptr;
};
