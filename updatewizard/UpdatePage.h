#pragma once
// A page of the update wizard whose Next and Finish buttons the page sets itself, as one state:
// none (Cancel only), Next, or Finish.

#include <QWizardPage>

class CAutoUpdate;
class QLabel;

class CUpdatePage : public QWizardPage {
    Q_OBJECT
public:
    CUpdatePage(CAutoUpdate* sheet, int dialogId, int titleTextId);

    // CAutoUpdate::kButtonsNone, kButtonNext or kButtonFinish.
    void SetWizardButtons(int buttons);
    int WizardButtons() const { return m_buttons; }
    bool isComplete() const override { return m_buttons != 0; }
    // A page that offers Finish has no page after it: Next disappears.
    int nextId() const override;

protected:
    // A text line of the page with its control number as object name ("ctrl22003").
    QLabel* AddLine(int controlId);
    // "\r\n" line breaks of the string table as the label shows them.
    static QString ForLabel(const QString& text);

    CAutoUpdate* m_sheet;

private:
    int m_buttons = 0;
};
