#pragma once
// Settings > Archive...: where the archive is kept (the default file, another address) or that
// it is switched off. The choice is kept in the user's settings; SCLERON_ARCHIVE_URL, when set,
// still takes precedence and the dialog says so.

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

class CArchiveSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CArchiveSettingsDialog(QWidget* parent = nullptr);

    // The setting as text: empty (default file), "off" or the other address.
    QString Text() const;
    void SetText(const QString& text);
    QLineEdit* AddressEdit() const { return address; }

    // OK: checks the address and keeps it; an address that is not valid is told and nothing closes.
    void accept() override;

private:
    QRadioButton* defaultFile = nullptr;
    QRadioButton* off = nullptr;
    QRadioButton* other = nullptr;
    QLineEdit* address = nullptr;
    QLabel* problem = nullptr;
};
