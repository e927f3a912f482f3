#include "app/ToleranceLimitsDialog.h"

#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "data/MeasurementStore.h"
#include "quality/QualityStrings.h"
#include "quality/Verdicts.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The materials a scale offers with either impact body, Leeb D's order first.
QList<int> MaterialsOf(const CMeasurementStore& store, int scale)
{
    QList<int> materials;
    for (const int probe : {ProbeType::LeebD, ProbeType::LeebDL}) {
        const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, probe);
        if (scale >= catalogue.GetSize())
            continue;
        for (const int m : catalogue[scale]->materials)
            if (m > 0 && !materials.contains(m))
                materials << m;
    }
    return materials;
}

QString UnitOf(const CMeasurementStore& store, int scale)
{
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, ProbeType::LeebD);
    return scale < catalogue.GetSize() ? catalogue[scale]->unit : QString();
}

} // namespace

CToleranceLimitsDialog::CToleranceLimitsDialog(const CMeasurementStore& store, const CToleranceTable& table,
                                               const LimitKey& initial, QWidget* parent)
    : QDialog(parent), m_store(store), m_table(table)
{
    using namespace LimitsDialogIds;
    setWindowTitle(ResString(Title));
    m_scale = new QComboBox(this);
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, ProbeType::LeebD);
    for (int t = 0; t < catalogue.GetSize() && t < CToleranceTable::kScaleCount; ++t)
        if (t != ScaleType::RockwellA)
            m_scale->addItem(catalogue[t]->name, t);
    m_material = new QComboBox(this);
    m_lower = new QLineEdit(this);
    m_upper = new QLineEdit(this);
    for (QLineEdit* edit : {m_lower, m_upper})
        edit->setPlaceholderText(ResString(None));
    auto* remove = new QPushButton(ResString(Remove), this);
    remove->setAutoDefault(false);
    m_problem = new QLabel(ResString(Invalid), this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #c81e1e"));
    m_problem->hide();
    m_list = new QListWidget(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    auto addRow = [&](int textId, QWidget* field) {
        auto* label = new QLabel(ResString(textId), this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    addRow(Scale, m_scale);
    addRow(Material, m_material);
    addRow(Lower, m_lower);
    addRow(Upper, m_upper);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(remove, 0, Qt::AlignLeft);
    layout->addWidget(m_problem);
    layout->addWidget(new QLabel(ResString(ListTitle), this));
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);
    resize(460, 420);

    connect(m_scale, &QComboBox::currentIndexChanged, this, [this] {
        FillMaterials(0);
        ShowLimitsOfCurrentKey();
    });
    connect(m_material, &QComboBox::currentIndexChanged, this, [this] { ShowLimitsOfCurrentKey(); });
    connect(m_lower, &QLineEdit::textEdited, this, [this] { ApplyFields(); });
    connect(m_upper, &QLineEdit::textEdited, this, [this] { ApplyFields(); });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_table.Remove(CurrentKey());
        ShowLimitsOfCurrentKey();
        FillList();
    });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowKey(LimitKey{item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt()});
    });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ShowKey(LimitKey{item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt()});
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    ShowKey(initial);
    FillList();
}

LimitKey CToleranceLimitsDialog::CurrentKey() const
{
    const int material = m_material->count() > 0 ? m_material->currentData().toInt() : 0;
    return LimitKey{m_scale->currentData().toInt(), material};
}

void CToleranceLimitsDialog::ShowKey(const LimitKey& key)
{
    const int index = m_scale->findData(key.scale);
    m_loading = true;
    m_scale->setCurrentIndex(index >= 0 ? index : 0);
    m_loading = false;
    FillMaterials(key.material);
    ShowLimitsOfCurrentKey();
}

void CToleranceLimitsDialog::FillMaterials(int material)
{
    const bool loading = m_loading;
    m_loading = true;
    m_material->clear();
    for (const int m : MaterialsOf(m_store, m_scale->currentData().toInt()))
        m_material->addItem(m < m_store.materialNames.size() ? m_store.materialNames[m] : QString::number(m), m);
    m_material->setEnabled(m_material->count() > 0);
    const int index = m_material->findData(material);
    m_material->setCurrentIndex(index >= 0 ? index : 0);
    m_loading = loading;
}

void CToleranceLimitsDialog::ShowLimitsOfCurrentKey()
{
    if (m_loading)
        return;
    const LimitKey key = CurrentKey();
    const ToleranceLimits limits = m_table.Find(key.scale, key.material);
    m_lower->setText(limits.lower ? LimitNumberText(*limits.lower) : QString());
    m_upper->setText(limits.upper ? LimitNumberText(*limits.upper) : QString());
    m_problem->hide();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
}

void CToleranceLimitsDialog::ApplyFields()
{
    bool lowerOk = false;
    bool upperOk = false;
    const ToleranceLimits limits{ParseLimitNumber(m_lower->text(), &lowerOk), ParseLimitNumber(m_upper->text(), &upperOk)};
    const bool valid = lowerOk && upperOk && limits.IsValid();
    if (valid) {
        m_table.Set(CurrentKey(), limits);
        FillList();
    }
    // Typed limits that make no sense keep the dialog from closing with OK until they are mended.
    m_problem->setVisible(!valid);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

QString CToleranceLimitsDialog::KeyText(const LimitKey& key) const
{
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(m_store, ProbeType::LeebD);
    QString text = key.scale < catalogue.GetSize() ? catalogue[key.scale]->name : QString::number(key.scale);
    if (key.material > 0 && key.material < m_store.materialNames.size())
        text += QStringLiteral(" / ") + m_store.materialNames[key.material];
    return text;
}

void CToleranceLimitsDialog::FillList()
{
    m_list->clear();
    for (const auto& [key, limits] : m_table.Entries()) {
        auto* item = new QListWidgetItem(KeyText(key) + QStringLiteral(":  ") + LimitsText(limits, UnitOf(m_store, key.scale)),
                                         m_list);
        item->setData(Qt::UserRole, key.scale);
        item->setData(Qt::UserRole + 1, key.material);
    }
}
