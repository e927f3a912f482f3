#include "settings/SettingsControls.h"

#include "settings/SettingsStrings.h"

namespace {
using namespace SettingsCtrl;
using K = ControlKind;
namespace T = SettingsText;

const SSettingsControl kControls[] = {
    {Tester, K::Label, T::TesterPlaceholder, QRect(11, 8, 237, 10)},
    {ImpactCounterLabel, K::Label, T::ImpactCounter, QRect(6, 25, 79, 11)},
    {ImpactCounter, K::LabelRight, 0, QRect(92, 26, 44, 11)},
    {MeasurementCounterLabel, K::Label, T::MeasurementCounter, QRect(5, 39, 81, 10)},
    {MeasurementCounter, K::DigitsEditRight, 0, QRect(91, 37, 46, 13)},
    {FixedImpactsLabel, K::Label, T::FixedImpacts, QRect(5, 54, 81, 10)},
    {FixedImpacts, K::DigitsEditRight, 0, QRect(91, 52, 46, 13)},
    {LockKeys, K::CheckBox, T::LockKeys, QRect(256, 12, 76, 10)},
    {Static, K::Label, T::ConversionStandard, QRect(175, 28, 74, 10)},
    {Standard, K::DropList, 0, QRect(255, 26, 91, 35)},
    {Static, K::Label, T::ImpactBody, QRect(175, 42, 74, 10)},
    {Probe, K::DropList, 0, QRect(255, 41, 91, 35)},
    {Scale, K::DropList, 0, QRect(7, 73, 151, 97)},
    {Material, K::DropList, 0, QRect(163, 73, 132, 97)},
    {Custom1, K::RadioButton, T::Custom1, QRect(8, 96, 61, 10)},
    {CurveScale1, K::DropList, 0, QRect(75, 95, 99, 105)},
    {CurveMaterial1, K::DropList, 0, QRect(175, 95, 100, 110)},
    {Offset1, K::EditCentred, 0, QRect(279, 95, 46, 13)},
    {Custom2, K::RadioButton, T::Custom2, QRect(7, 112, 61, 10)},
    {CurveScale2, K::DropList, 0, QRect(75, 111, 99, 100)},
    {CurveMaterial2, K::DropList, 0, QRect(175, 111, 100, 98)},
    {Offset2, K::EditCentred, 0, QRect(279, 111, 46, 13)},
    {Custom3, K::RadioButton, T::Custom3, QRect(7, 128, 61, 10)},
    {CurveScale3, K::DropList, 0, QRect(76, 127, 99, 104)},
    {CurveMaterial3, K::DropList, 0, QRect(176, 127, 99, 103)},
    {Offset3, K::EditCentred, 0, QRect(280, 127, 46, 13)},
    {Receive, K::PushButton, T::Receive, QRect(4, 149, 71, 17)},
    {Send, K::PushButton, T::Send, QRect(79, 149, 71, 17)},
    {Exit, K::PushButton, T::Exit, QRect(276, 149, 71, 17)},
    {Notice, K::Label, 0, QRect(5, 168, 344, 20)},
};
} // namespace

std::span<const SSettingsControl> SettingsControls()
{
    return kControls;
}
