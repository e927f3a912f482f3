#include "app/ArchiveSettingsDialog.h"

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveStrings.h"
#include "resources/Registry.h"
#include "resources/StringTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace ArchiveWindowStrings;

CArchiveSettingsDialog::CArchiveSettingsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ResString(SettingsTitle));
    defaultFile = new QRadioButton(ResString(DefaultFile).arg(ArchiveLocation::DefaultSqlitePath()), this);
    off = new QRadioButton(ResString(Off), this);
    other = new QRadioButton(ResString(Other), this);
    address = new QLineEdit(this);
    address->setMinimumWidth(420);
    connect(other, &QRadioButton::toggled, address, &QWidget::setEnabled);
    auto* examples = new QLabel(ResString(Examples), this);
    examples->setWordWrap(true);
    problem = new QLabel(this);
    problem->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(defaultFile);
    layout->addWidget(off);
    layout->addWidget(other);
    layout->addWidget(address);
    layout->addWidget(examples);
    if (qEnvironmentVariableIsSet(ArchiveSettings::kEnvironment)) {
        auto* overridden = new QLabel(ResString(EnvironmentWins).arg(qEnvironmentVariable(ArchiveSettings::kEnvironment)), this);
        overridden->setWordWrap(true);
        layout->addWidget(overridden);
    }
    layout->addWidget(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    SetText(ArchiveSettings::StoredText());
}

QString CArchiveSettingsDialog::Text() const
{
    if (off->isChecked())
        return QStringLiteral("off");
    if (other->isChecked())
        return address->text().trimmed();
    return {};
}

void CArchiveSettingsDialog::SetText(const QString& text)
{
    const QString t = text.trimmed();
    address->setText(t.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0 ? QString() : t);
    if (t.isEmpty())
        defaultFile->setChecked(true);
    else if (t.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0)
        off->setChecked(true);
    else
        other->setChecked(true);
    address->setEnabled(other->isChecked());
}

void CArchiveSettingsDialog::accept()
{
    QString error;
    if (!ArchiveLocation::Parse(Text(), &error)) {
        problem->setText(ResString(ArchiveStrings::BadSetting).arg(error));
        address->setFocus();
        return;
    }
    if (!ArchiveSettings::Store(Text())) {
        problem->setText(ResString(SettingsNotSaved).arg(Registry::FilePath()));
        return;
    }
    QDialog::accept();
}
