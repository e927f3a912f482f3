// What the operator does in the settings dialog. Every action changes the store (or asks the link
// for work) and ends with Refresh, which shows the result and corrects what needs correcting.
#include "settings/Settings.h"

#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"
#include "settings/SettingsControls.h"
#include "settings/SettingsStrings.h"
#include "settings/SettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <ctime>

namespace {
constexpr int kCustomCurveScale = 9;
constexpr long long kLargestCounter = 0xFFFF; // the tester counts in 16 bits
constexpr int kFewestImpacts = 1;
constexpr int kMostImpacts = 99;
} // namespace

void CSettings::OnScaleSelected(int position)
{
    if (position >= 0)
        m_store.deviceScale = ScaleAtListPosition(position);
    Refresh();
}

void CSettings::OnMaterialSelected(int position)
{
    const int material = MaterialOfName(Get<QComboBox>(SettingsCtrl::Material)->itemText(position));
    if (position >= 0 && material >= 0)
        m_store.deviceMaterial = material;
    Refresh();
}

void CSettings::OnCustomCurveClicked(int curve)
{
    m_store.deviceScale = kCustomCurveScale;
    m_store.deviceMaterial = CMeasurementStore::kCustomCurveFirst + curve;
    Refresh();
}

void CSettings::OnCurveScaleSelected(int curve, int position)
{
    m_store.deviceScale = kCustomCurveScale;
    m_store.deviceMaterial = CMeasurementStore::kCustomCurveFirst + curve;
    CPARA* entry = CustomCurve(curve);
    if (entry && position >= 0)
        entry->scale = ScaleAtListPosition(position);
    Refresh();
}

void CSettings::OnCurveMaterialSelected(int curve, int position)
{
    m_store.deviceScale = kCustomCurveScale;
    m_store.deviceMaterial = CMeasurementStore::kCustomCurveFirst + curve;
    CPARA* entry = CustomCurve(curve);
    const int material = MaterialOfName(Get<QComboBox>(SettingsCtrl::kCurveMaterial[curve])->itemText(position));
    if (entry && position >= 0 && material >= 0)
        entry->material = material;
    Refresh();
}

void CSettings::OnOffsetEdited(int curve)
{
    CPARA* entry = CustomCurve(curve);
    if (entry) {
        const float typed = ReadOffsetText(Get<QLineEdit>(SettingsCtrl::kOffset[curve])->text());
        // An offset beyond what the tester keeps is refused and told; the refresh shows the
        // curve's offset again.
        if (CurveOffsetFits(typed, entry->scale)) {
            entry->offset = RoundCurveOffset(typed, entry->scale);
        } else {
            const float limit = CurveOffsetLimit(entry->scale);
            ShowNotice(ResString(SettingsText::OffsetRefused)
                           .arg(curve + 1)
                           .arg(Get<QLineEdit>(SettingsCtrl::kOffset[curve])->text().trimmed(), OffsetText(-limit),
                                OffsetText(limit)));
        }
    }
    Refresh();
}

void CSettings::OnStandardSelected(int position)
{
    if (position >= 0)
        m_store.conversionStandard = position;
    Refresh();
}

void CSettings::OnProbeSelected(int position)
{
    if (position == 0 || position == 1)
        m_store.deviceProbe = position;
    Refresh();
}

void CSettings::OnMeasurementCounterEdited()
{
    auto* edit = Get<QLineEdit>(SettingsCtrl::MeasurementCounter);
    // A disabled (emptied) edit of a "Kestrel 1" keeps the counter as it is.
    if (edit->isEnabled()) {
        // The tester keeps 16 bits: a larger number would arrive cut short, so it is refused with
        // a word and the refresh shows the counter again.
        const long long value = ReadWholeNumber(edit->text());
        if (value >= 0 && value <= kLargestCounter)
            m_store.measurementCounter = static_cast<std::uint32_t>(value);
        else
            ShowNotice(ResString(SettingsText::CounterRefused).arg(edit->text().trimmed()).arg(kLargestCounter));
    }
    Refresh();
}

void CSettings::OnFixedImpactsEdited()
{
    auto* edit = Get<QLineEdit>(SettingsCtrl::FixedImpacts);
    if (edit->isEnabled()) {
        const long long value = ReadWholeNumber(edit->text());
        if (value >= kFewestImpacts && value <= kMostImpacts)
            m_store.fixedImpacts = static_cast<std::uint8_t>(value);
        else if (!edit->text().trimmed().isEmpty()) // an emptied edit simply keeps the number
            ShowNotice(ResString(SettingsText::FixedImpactsRefused)
                           .arg(edit->text().trimmed())
                           .arg(kFewestImpacts)
                           .arg(kMostImpacts));
    }
    Refresh();
}

void CSettings::OnLockKeysClicked()
{
    // The key lock goes to the tester at once, outside the jobs; the box and the store change only
    // when the tester confirmed it.
    const bool confirmed = m_store.link && m_store.link->ChangeKeyLock(m_store.device.keysLocked ? 0 : 1) == LinkResult::Ok;
    if (!confirmed)
        ShowNotice(ResString(LinkStrings::KeyLockNotConfirmed));
    Get<QCheckBox>(SettingsCtrl::LockKeys)->setChecked(m_store.device.keysLocked != 0);
    if (m_keyLockChanged)
        m_keyLockChanged(confirmed);
    Refresh();
}

void CSettings::OnReceive()
{
    ShowNotice({});
    AssignJobs(CDeviceLink::jobsSettingsDialog);
    Refresh();
}

void CSettings::OnSend()
{
    ShowNotice({});
    m_store.clockTime = static_cast<std::int64_t>(std::time(nullptr));
    AssignJobs(CDeviceLink::jobsSendSettings);
    Refresh();
}

int CSettings::MaterialOfName(const QString& name) const
{
    if (name.isEmpty())
        return -1;
    return static_cast<int>(m_store.materialNames.lastIndexOf(name));
}
