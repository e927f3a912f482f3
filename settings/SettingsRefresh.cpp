// Refresh: every control shown from the store, in seven steps; corrected values go back into the
// store.
#include "settings/Settings.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/TesterModels.h"
#include "settings/SettingsControls.h"
#include "settings/SettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int kCustomCurveScale = 9;

// Refills a list only when its lines change, so an open list or the operator's place in it is
// not disturbed by a refresh that changes nothing.
void SetLines(QComboBox* list, const QStringList& lines)
{
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current << list->itemText(i);
    if (current == lines)
        return;
    list->clear();
    list->addItems(lines);
}

bool IsKestrel1(const CMeasurementStore& store)
{
    return store.device.name == QLatin1String(TesterModels::kKestrel1);
}

// The scale catalogue of the current impact body, built when the tables are not there yet.
const CArray<CONVERSION*>& Catalogue(CMeasurementStore& store)
{
    if (store.scalesD.GetSize() == 0 || store.scalesDL.GetSize() == 0)
        BuildConversionTables(store);
    return ScaleCatalogue(store, store.deviceProbe);
}

const CONVERSION* CatalogueEntry(CMeasurementStore& store, int scale)
{
    const CArray<CONVERSION*>& catalogue = Catalogue(store);
    return scale >= 0 && scale < catalogue.GetSize() ? catalogue[scale] : nullptr;
}
} // namespace

void CSettings::Refresh()
{
    ShowTesterAndLock();
    ShowCounters();
    FillScaleLists();
    ShowMeasuringMode();
    ShowCustomCurves();
    ShowOffsets();
    EnableActiveCurve();
}

void CSettings::ShowTesterAndLock()
{
    using namespace SettingsCtrl;
    Get<QLabel>(Tester)->setText(m_store.device.name + QStringLiteral("   ") + m_store.device.serialNumber);
    Get<QLabel>(ImpactCounter)->setText(QString::number(m_store.impactCounter));
    Get<QCheckBox>(LockKeys)->setChecked(m_store.device.keysLocked != 0);
    // A tester without a conversion standard (the list is disabled) shows the first item.
    auto* standard = Get<QComboBox>(Standard);
    standard->setCurrentIndex(standard->isEnabled() ? m_store.conversionStandard : 0);
    Get<QComboBox>(Probe)->setCurrentIndex(m_store.deviceProbe == 1 ? 1 : 0);
}

void CSettings::ShowCounters()
{
    using namespace SettingsCtrl;
    auto* probe = Get<QComboBox>(Probe);
    auto* counter = Get<QLineEdit>(MeasurementCounter);
    auto* fixed = Get<QLineEdit>(FixedImpacts);
    // The first tester model has only the Leeb D probe and neither counter.
    const bool kestrel1 = IsKestrel1(m_store);
    if (kestrel1) {
        probe->setCurrentIndex(0);
        counter->clear();
        fixed->clear();
    } else {
        counter->setText(QString::number(m_store.measurementCounter));
        fixed->setText(QString::number(m_store.fixedImpacts));
    }
    probe->setEnabled(!kestrel1);
    counter->setEnabled(!kestrel1);
    fixed->setEnabled(!kestrel1);
}

void CSettings::FillScaleLists()
{
    using namespace SettingsCtrl;
    const CArray<CONVERSION*>& catalogue = Catalogue(m_store);
    QStringList modes;
    QStringList bases;
    for (int scale = 0; scale < catalogue.GetSize(); ++scale) {
        if (ModeListPosition(scale) >= 0)
            modes << catalogue[scale]->name;
        if (CurveListPosition(scale) >= 0)
            bases << catalogue[scale]->name;
    }
    SetLines(Get<QComboBox>(Scale), modes);
    for (int curve = 0; curve < 3; ++curve)
        SetLines(Get<QComboBox>(kCurveScale[curve]), bases);
}

void CSettings::ShowMaterials(QComboBox* list, int scale, std::int32_t& material)
{
    QStringList names;
    int selected = -1;
    const CONVERSION* entry = CatalogueEntry(m_store, scale);
    const int count = entry ? entry->materials.GetSize() : 0;
    for (int i = 0; i < count; ++i) {
        const int offered = entry->materials[i];
        names << (offered >= 0 && offered < m_store.materialNames.size() ? m_store.materialNames[offered] : QString());
        if (offered == material && selected < 0)
            selected = i;
    }
    SetLines(list, names);
    if (count == 0) {
        material = 0;
    } else if (selected < 0) {
        selected = 0;
        material = entry->materials[0];
    }
    list->setCurrentIndex(selected);
}

void CSettings::ShowMeasuringMode()
{
    Get<QComboBox>(SettingsCtrl::Scale)->setCurrentIndex(ModeListPosition(m_store.deviceScale));
    ShowMaterials(Get<QComboBox>(SettingsCtrl::Material), m_store.deviceScale, m_store.deviceMaterial);
}

void CSettings::ShowCustomCurves()
{
    for (int curve = 0; curve < 3; ++curve) {
        CPARA* entry = CustomCurve(curve);
        if (!entry)
            continue;
        Get<QComboBox>(SettingsCtrl::kCurveScale[curve])->setCurrentIndex(CurveListPosition(entry->scale));
        ShowMaterials(Get<QComboBox>(SettingsCtrl::kCurveMaterial[curve]), entry->scale, entry->material);
    }
}

void CSettings::ShowOffsets()
{
    for (int curve = 0; curve < 3; ++curve) {
        CPARA* entry = CustomCurve(curve);
        if (!entry)
            continue;
        entry->offset = RoundCurveOffset(entry->offset, entry->scale);
        Get<QLineEdit>(SettingsCtrl::kOffset[curve])->setText(OffsetText(entry->offset));
    }
}

void CSettings::EnableActiveCurve()
{
    using namespace SettingsCtrl;
    const int first = CMeasurementStore::kCustomCurveFirst;
    const bool custom = m_store.deviceScale == kCustomCurveScale && m_store.deviceMaterial >= first
        && m_store.deviceMaterial < first + 3;
    for (int curve = 0; curve < 3; ++curve) {
        const bool active = custom && m_store.deviceMaterial == first + curve;
        Get<QComboBox>(kCurveScale[curve])->setEnabled(active);
        Get<QComboBox>(kCurveMaterial[curve])->setEnabled(active);
        Get<QLineEdit>(kOffset[curve])->setEnabled(active);
        auto* radio = Get<QRadioButton>(kRadio[curve]);
        radio->setChecked(active);
        radio->setEnabled(true);
    }
}

CPARA* CSettings::CustomCurve(int curve)
{
    CArray<CPARA>& table = m_store.deviceProbe == 1 ? m_store.customDL : m_store.customD;
    const int index = CMeasurementStore::kCustomCurveFirst + curve;
    return index < table.GetSize() ? &table[index] : nullptr;
}
