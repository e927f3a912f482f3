#include "app/ArchiveWindow.h"

#include "app/ArchiveTrendChart.h"
#include "archive/ArchiveStrings.h"
#include "archive/SeriesSummary.h"
#include "conversion/ConversionTables.h"
#include "conversion/NumberText.h"
#include "quality/QualityStrings.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace {

using namespace ArchiveWindowStrings;

// Statistics as the table's statistics row writes them: one decimal below 100, none from 100 on.
QString Number(double value)
{
    return FixedText(value, value < 100 ? 1 : 0);
}

QString OriginText(const FoundSeries& f)
{
    QStringList texts;
    for (const Provenance& p : f.origins)
        texts << (p.kind == Provenance::Kind::Download ? ResString(Downloaded).arg(p.computer)
                                                      : ResString(FromFile).arg(p.fileName));
    return texts.join(QStringLiteral("; "));
}

// A row's series number in the found list, kept in the first cell.
constexpr int kIndexRole = Qt::UserRole + 1;

} // namespace

CArchiveWindow::CArchiveWindow(const ArchiveLocation& location, const CToleranceTable& limits, OpenSeries open,
                               QWidget* parent)
    : QDialog(parent), archive(location), limits(limits), open(std::move(open))
{
    BuildConversionTables(names);
    Build();
    QString error;
    opened = archive.Open(&error);
    if (!opened)
        status->setText(ResString(ArchiveStrings::CannotOpen).arg(location.Describe(), error));
    else
        Search();
}

CArchiveWindow::~CArchiveWindow() = default;

void CArchiveWindow::Build()
{
    setWindowTitle(ResString(Title));
    setSizeGripEnabled(true);
    resize(960, 640);

    auto* filters = new QFormLayout;
    tester = new QLineEdit(this);
    serial = new QLineEdit(this);
    text = new QLineEdit(this);
    auto addRow = [&](int label, QWidget* field) {
        auto* caption = new QLabel(ResString(label), this);
        caption->setBuddy(field);
        filters->addRow(caption, field);
    };
    addRow(Tester, tester);
    addRow(Serial, serial);

    auto dateRow = [&](int label, QCheckBox*& on, QDateEdit*& edit) {
        on = new QCheckBox(ResString(label), this);
        edit = new QDateEdit(QDate::currentDate(), this);
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(on, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        filters->addRow(on, edit);
    };
    dateRow(From, fromOn, from);
    dateRow(Until, untilOn, until);

    scale = new QComboBox(this);
    scale->addItem(ResString(Any), -1);
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(names, 0);
    for (int s = 0; s < catalogue.GetSize(); ++s)
        scale->addItem(catalogue[s]->name.simplified(), s);
    addRow(Scale, scale);
    material = new QComboBox(this);
    material->addItem(ResString(Any), -1);
    for (int m = 1; m < names.materialNames.size(); ++m)
        material->addItem(names.materialNames[m].simplified(), m);
    addRow(Material, material);
    verdict = new QComboBox(this);
    verdict->addItem(ResString(Any), int(ArchiveFilter::Verdict::Any));
    verdict->addItem(ResString(QualityIds::Ok), int(ArchiveFilter::Verdict::Ok));
    verdict->addItem(ResString(QualityIds::NotOk), int(ArchiveFilter::Verdict::NotOk));
    addRow(Verdict, verdict);
    addRow(Text, text);

    searchButton = new QPushButton(ResString(ArchiveWindowStrings::Search), this);
    searchButton->setDefault(true);
    connect(searchButton, &QPushButton::clicked, this, [this] { Search(); });

    results = new QTableWidget(0, ColumnCount, this);
    QStringList titles;
    for (int c = 0; c < ColumnCount; ++c)
        titles << ResString(FirstColumn + c);
    results->setHorizontalHeaderLabels(titles);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->verticalHeader()->hide();
    results->horizontalHeader()->setStretchLastSection(true);
    connect(results, &QTableWidget::itemSelectionChanged, this, &CArchiveWindow::ShowTrend);
    connect(results, &QTableWidget::cellDoubleClicked, this, [this] { OpenChosen(); });

    status = new QLabel(this);
    trend = new CArchiveTrendChart(this);
    trend->Clear(ResString(TrendHint));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    openButton = buttons->addButton(ResString(Open), QDialogButtonBox::ActionRole);
    openButton->setEnabled(false);
    connect(openButton, &QPushButton::clicked, this, &CArchiveWindow::OpenChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return searches; the buttons below keep their own keys.
    for (QAbstractButton* b : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(b))
            push->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addLayout(filters, 1);
    auto* searchColumn = new QVBoxLayout;
    searchColumn->addStretch();
    searchColumn->addWidget(searchButton);
    top->addLayout(searchColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results, 3);
    layout->addWidget(status);
    layout->addWidget(trend, 2);
    layout->addWidget(buttons);
}

ArchiveFilter CArchiveWindow::Filter() const
{
    ArchiveFilter f;
    f.tester = tester->text().trimmed();
    f.serial = serial->text().trimmed();
    if (fromOn->isChecked())
        f.from = from->date().startOfDay().toSecsSinceEpoch();
    if (untilOn->isChecked())
        f.to = until->date().addDays(1).startOfDay().toSecsSinceEpoch() - 1;
    if (const int s = scale->currentData().toInt(); s >= 0)
        f.scales = {s};
    if (const int m = material->currentData().toInt(); m >= 0)
        f.material = m;
    f.verdict = static_cast<ArchiveFilter::Verdict>(verdict->currentData().toInt());
    f.limits = limits;
    f.text = text->text().trimmed();
    return f;
}

bool CArchiveWindow::Search()
{
    if (!opened) {
        QString error;
        opened = archive.Open(&error);
        if (!opened) {
            status->setText(ResString(ArchiveStrings::CannotOpen).arg(archive.Location().Describe(), error));
            return false;
        }
    }
    QString error;
    std::vector<FoundSeries> result;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = archive.Find(Filter(), &result, &error);
    QGuiApplication::restoreOverrideCursor();
    if (!ok) {
        // The connection may have gone: the next search connects again.
        archive.Close();
        opened = false;
        status->setText(ResString(ArchiveStrings::CannotOpen).arg(archive.Location().Describe(), error));
        return false;
    }
    found = std::move(result);
    FillResults();
    status->setText(ResString(ArchiveWindowStrings::Found).arg(found.size()));
    return true;
}

void CArchiveWindow::FillResults()
{
    results->setSortingEnabled(false);
    results->setRowCount(static_cast<int>(found.size()));
    const QLocale locale;
    for (int r = 0; r < static_cast<int>(found.size()); ++r) {
        const FoundSeries& f = found[r];
        const SeriesSummary& s = f.summary;
        const std::optional<bool> ok = SummaryVerdict(f, limits);
        const QString cells[ColumnCount] = {
            f.tester.name,
            f.tester.serial,
            QString::number(f.seriesNo),
            locale.toString(QDateTime::fromSecsSinceEpoch(f.firstTime), QLocale::ShortFormat),
            QString::number(s.count),
            s.count ? Number(s.mean) + QLatin1Char(' ') + s.unit : QString(),
            s.count > 1 ? FixedText(s.deviation, s.deviation < 10 ? 2 : 1) : QString(),
            s.count ? Number(s.minimum) : QString(),
            s.count ? Number(s.maximum) : QString(),
            ok ? ResString(*ok ? QualityIds::Ok : QualityIds::NotOk) : QString(),
            OriginText(f),
        };
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0)
                item->setData(kIndexRole, r);
            results->setItem(r, c, item);
        }
    }
    results->resizeColumnsToContents();
    openButton->setEnabled(false);
    ShowTrend();
}

void CArchiveWindow::ShowTrend()
{
    const QList<QTableWidgetItem*> chosen = results->selectedItems();
    openButton->setEnabled(!chosen.isEmpty());
    if (chosen.isEmpty()) {
        trend->Clear(ResString(TrendHint));
        return;
    }
    const FoundSeries& pick = found[results->item(chosen.front()->row(), 0)->data(kIndexRole).toInt()];
    std::vector<CArchiveTrendChart::Point> points;
    for (const FoundSeries& f : found)
        if (f.tester.serial == pick.tester.serial && f.scale == pick.scale && f.material == pick.material
            && f.summary.count > 0)
            points.push_back({f.firstTime, f.summary.mean});
    const QString scaleName = scale->itemText(scale->findData(pick.scale));
    trend->SetTrend(ResString(TrendTitle).arg(pick.tester.serial, scaleName), std::move(points), pick.summary.unit,
                    limits.Find(pick.scale, pick.material));
}

void CArchiveWindow::OpenChosen()
{
    std::set<int> rows;
    for (const QTableWidgetItem* item : results->selectedItems())
        rows.insert(item->row());
    if (rows.empty() || !open)
        return;
    std::vector<ArchivedSeries> series;
    for (int row : rows) {
        ArchivedSeries loaded;
        QString error;
        if (!archive.Load(found[results->item(row, 0)->data(kIndexRole).toInt()].id, &loaded, &error)) {
            status->setText(ResString(ArchiveStrings::CannotOpen).arg(archive.Location().Describe(), error));
            return;
        }
        series.push_back(std::move(loaded));
    }
    open(series);
    accept();
}
