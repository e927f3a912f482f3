#pragma once
// CSettings: the modeless "Device Settings" dialog. It shows and edits the connected tester's
// settings as the measurement store holds them (measuring mode, impact body, conversion standard,
// fixed number of impacts, counters, the custom curves HC1..HC3 of the current impact body, the
// key lock) and asks the device link to read or send them by assigning its job mask. Only its
// "Lock Keys" box talks to the tester at once.
//
// The store owns the one object; its window comes and goes: Create() builds it (the lists, the
// read jobs), Exit, Enter, Esc and the title bar's close button refresh it once more and take it
// away again. While it is open the link's job follow-ups and the main view's lock symbol call
// Refresh().

#include "settings/DialogUnits.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class CMeasurementStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct CPARA;
struct SSettingsControl;

class CSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr int kResourceId = 201;

    // keyLockChanged: called after "Lock Keys" asked the tester for the other key lock, with
    // whether the tester confirmed it, so the main view redraws its lock symbol or says so.
    CSettings(CMeasurementStore& store, QWidget* parent, std::function<void(bool confirmed)> keyLockChanged);
    ~CSettings() override;

    // Opens the window unless it is open already (false then): fills the conversion standard and
    // impact body lists, shows the store and asks the link to read the settings, the custom
    // curves and the key lock (jobs 0x0340).
    bool Create();
    // Whether the window exists (from Create until it is closed).
    bool IsOpen() const { return isVisible(); }
    // Shows the store in every control and writes corrected values back (the material of a scale
    // that does not offer it, offsets rounded and limited by their base scale).
    void Refresh();
    // Exit, Enter, Esc: Refresh, then the window goes; the object stays for the next Create.
    void Exit();

    // The control with a dialog id (nullptr for an unknown id).
    QWidget* Control(int id) const;
    // Tells the operator in the dialog's notice line what did not work (an empty text clears it);
    // the line is cleared again when the dialog opens and when Receive or Send is clicked.
    void ShowNotice(const QString& text);
    QString Notice() const;

protected:
    // Enter on anything but a push button closes the dialog like "Exit"; Esc as well.
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void accept() override;
    // The edits act when they lose the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- construction (Settings.cpp) -------------------------------------------------------
    QWidget* CreateControl(const SSettingsControl& entry);
    // Places every control from its dialog-unit rectangle with the dialog font's base units.
    void LayOut();
    // The base units of the dialog font, widened where a fixed text would not fit its control.
    SDialogBaseUnits FitText(SDialogBaseUnits base) const;
    void ConnectActions();
    void changeEvent(QEvent* event) override;

    // ---- Refresh, step by step (SettingsRefresh.cpp) ----------------------------------------
    void ShowTesterAndLock();
    void ShowCounters();
    void FillScaleLists();
    void ShowMeasuringMode();
    void ShowCustomCurves();
    void ShowOffsets();
    void EnableActiveCurve();
    // Selects `material` in the list of a scale's materials; writes the first material, or 0 when
    // the scale offers none, back into `material` when it is not offered.
    void ShowMaterials(QComboBox* list, int scale, std::int32_t& material);

    // ---- what the operator does (SettingsActions.cpp) ---------------------------------------
    void OnScaleSelected(int position);
    void OnMaterialSelected(int position);
    void OnCustomCurveClicked(int curve);
    void OnCurveScaleSelected(int curve, int position);
    void OnCurveMaterialSelected(int curve, int position);
    void OnOffsetEdited(int curve);
    void OnStandardSelected(int position);
    void OnProbeSelected(int position);
    void OnMeasurementCounterEdited();
    void OnFixedImpactsEdited();
    void OnLockKeysClicked();
    void OnReceive();
    void OnSend();
    // The custom-curve entry HC1..HC3 (curve 0..2) of the current impact body.
    CPARA* CustomCurve(int curve);
    // The material index whose name is the text (the last one), -1 when no name matches.
    int MaterialOfName(const QString& name) const;
    void AssignJobs(std::uint32_t mask);

    template <class T>
    T* Get(int id) const { return static_cast<T*>(Control(id)); }

    CMeasurementStore& m_store;
    std::function<void(bool)> m_keyLockChanged;
    std::map<int, QWidget*> m_controls;
    // Every control with its dialog-unit rectangle, for the layout.
    std::vector<std::pair<QWidget*, const SSettingsControl*>> m_layout;
    bool m_layingOut = false;
};
