#pragma once
// The "Tolerance limits" dialog (Settings menu): choose a scale and material, type its lower
// and/or upper limit (empty: none). The fields always edit the limits of the pair shown; the list
// below shows every pair that has limits, and choosing a line of it shows that pair. OK keeps the
// table (the caller stores it), Cancel forgets every change.

#include "quality/ToleranceLimits.h"

#include <QDialog>

class CMeasurementStore;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

class CToleranceLimitsDialog : public QDialog {
    Q_OBJECT
public:
    // store: its conversion tables give the scale and material names. initial: the pair shown
    // first (the selected series' scale and material).
    CToleranceLimitsDialog(const CMeasurementStore& store, const CToleranceTable& table, const LimitKey& initial,
                           QWidget* parent = nullptr);

    const CToleranceTable& Table() const { return m_table; }
    LimitKey CurrentKey() const;

    QComboBox* ScaleBox() const { return m_scale; }
    QComboBox* MaterialBox() const { return m_material; }
    QLineEdit* LowerEdit() const { return m_lower; }
    QLineEdit* UpperEdit() const { return m_upper; }
    QListWidget* List() const { return m_list; }

private:
    void FillMaterials(int material);
    void ShowLimitsOfCurrentKey();
    void ApplyFields();
    void FillList();
    void ShowKey(const LimitKey& key);
    QString KeyText(const LimitKey& key) const;

    const CMeasurementStore& m_store;
    CToleranceTable m_table;
    QComboBox* m_scale = nullptr;
    QComboBox* m_material = nullptr;
    QLineEdit* m_lower = nullptr;
    QLineEdit* m_upper = nullptr;
    QLabel* m_problem = nullptr;
    QListWidget* m_list = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    bool m_loading = false;
};
