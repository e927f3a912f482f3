#pragma once
// The controls of the device settings dialog (dialog resource 201): identifiers, kinds, texts and
// rectangles in dialog units, in the order of the dialog's control list, which is also the order
// the Tab key follows.

#include <QRect>

#include <span>

namespace SettingsCtrl {
constexpr int Tester = 1014;
constexpr int ImpactCounterLabel = 279;
constexpr int ImpactCounter = 277;
constexpr int MeasurementCounterLabel = 278;
constexpr int MeasurementCounter = 58013;
constexpr int FixedImpactsLabel = 280;
constexpr int FixedImpacts = 58014;
constexpr int LockKeys = 1027;
constexpr int Standard = 300;
constexpr int Probe = 301;
constexpr int Scale = 58000;
constexpr int Material = 58001;
// Custom-curve rows HC1..HC3: radio button, base scale, base material, offset.
constexpr int Custom1 = 1015;
constexpr int Custom2 = 1016;
constexpr int Custom3 = 1017;
constexpr int CurveScale1 = 58002;
constexpr int CurveMaterial1 = 58003;
constexpr int CurveScale2 = 58004;
constexpr int CurveMaterial2 = 58005;
constexpr int CurveScale3 = 58006;
constexpr int CurveMaterial3 = 58007;
constexpr int Offset1 = 58010;
constexpr int Offset2 = 58011;
constexpr int Offset3 = 58012;
constexpr int Receive = 1010;
constexpr int Send = 1011;
constexpr int Exit = 1012;
// One line below the buttons where the dialog tells what did not work (a send or key lock the
// tester did not confirm, an entry out of range).
constexpr int Notice = 1030;
// Labels the program never addresses.
constexpr int Static = -1;

// The three controls of custom-curve row i (0..2) and its radio button.
constexpr int kRadio[3] = {Custom1, Custom2, Custom3};
constexpr int kCurveScale[3] = {CurveScale1, CurveScale2, CurveScale3};
constexpr int kCurveMaterial[3] = {CurveMaterial1, CurveMaterial2, CurveMaterial3};
constexpr int kOffset[3] = {Offset1, Offset2, Offset3};
} // namespace SettingsCtrl

enum class ControlKind {
    Label,            // static text
    LabelRight,       // static text, right-aligned
    DigitsEditRight,  // edit accepting digits only, right-aligned
    EditCentred,      // edit, text centred
    CheckBox,
    RadioButton,
    DropList,         // drop-down list (the height includes the dropped list)
    PushButton,
};

struct SSettingsControl {
    int id;
    ControlKind kind;
    int textId; // string resource of the initial text; 0 for none
    QRect units; // x, y, width, height in dialog units
};

// The dialog's client size in dialog units.
constexpr int kSettingsWidthUnits = 354;
constexpr int kSettingsHeightUnits = 190;

// Every control of the dialog, in the order of its control list.
std::span<const SSettingsControl> SettingsControls();
