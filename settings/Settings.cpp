// The settings dialog's window: its controls built from the dialog's control list, their layout
// in dialog units, opening and closing, and the keys Enter and Esc.
#include "settings/Settings.h"

#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "resources/StringTable.h"
#include "settings/DialogUnits.h"
#include "settings/SettingsControls.h"
#include "settings/SettingsStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {
// Widgets carry their dialog id under this property, as the main window's controls do.
constexpr const char* kControlIdProperty = "controlId";
} // namespace

CSettings::CSettings(CMeasurementStore& store, QWidget* parent, std::function<void(bool)> keyLockChanged)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_store(store)
    , m_keyLockChanged(std::move(keyLockChanged))
{
    setModal(false);
    setProperty(kControlIdProperty, kResourceId);
    setWindowTitle(ResString(SettingsText::Title));
    QWidget* previous = nullptr;
    for (const SSettingsControl& entry : SettingsControls()) {
        QWidget* control = CreateControl(entry);
        m_layout.emplace_back(control, &entry);
        if (entry.id != SettingsCtrl::Static) {
            control->setProperty(kControlIdProperty, entry.id);
            m_controls[entry.id] = control;
        }
        // The Tab key follows the control list.
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    // A notice may run to two lines.
    Get<QLabel>(SettingsCtrl::Notice)->setWordWrap(true);
    LayOut();
    ConnectActions();
}

CSettings::~CSettings() = default;

QWidget* CSettings::CreateControl(const SSettingsControl& entry)
{
    const QString text = entry.textId ? ResString(entry.textId) : QString();
    switch (entry.kind) {
    case ControlKind::Label:
    case ControlKind::LabelRight: {
        auto* label = new QLabel(text, this);
        label->setAlignment((entry.kind == ControlKind::LabelRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::DigitsEditRight: {
        auto* edit = new QLineEdit(this);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edit->installEventFilter(this);
        return edit;
    }
    case ControlKind::EditCentred: {
        auto* edit = new QLineEdit(this);
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        edit->installEventFilter(this);
        return edit;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ControlKind::RadioButton: {
        // The dialog decides which curve is checked, none included: the buttons do not exclude
        // each other by themselves.
        auto* radio = new QRadioButton(text, this);
        radio->setAutoExclusive(false);
        return radio;
    }
    case ControlKind::DropList: {
        auto* list = new QComboBox(this);
        list->setEditable(false);
        return list;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, this);
        // Enter clicks the button that has the focus; on any other control it closes the dialog.
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

void CSettings::LayOut()
{
    if (m_layingOut)
        return;
    m_layingOut = true;
    const SDialogBaseUnits base = FitText(DialogBaseUnits(fontMetrics()));
    setFixedSize(DialogUnitsToPixels(QRect(0, 0, kSettingsWidthUnits, kSettingsHeightUnits), base).size());
    for (const auto& [control, entry] : m_layout) {
        QRect rect = DialogUnitsToPixels(entry->units, base);
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            // The rectangle of a drop-down list includes its dropped list; the closed box is as
            // high as the font needs, and the rest tells how many lines the list shows.
            const int closed = list->sizeHint().height();
            const int line = qMax(1, list->fontMetrics().height() + 4);
            list->setMaxVisibleItems(qMax(1, (rect.height() - closed) / line));
            rect.setHeight(closed);
        }
        control->setGeometry(rect);
    }
    m_layingOut = false;
}

SDialogBaseUnits CSettings::FitText(SDialogBaseUnits base) const
{
    // A font whose letters run wider than its average (or a longer translation) could cut a
    // label short: the whole dialog then grows across, keeping its proportions, until every
    // fixed text fits.
    const SDialogBaseUnits fontBase = base;
    for (const auto& [control, entry] : m_layout) {
        if (entry->textId == 0 || entry->id == SettingsCtrl::Tester || entry->units.width() <= 0)
            continue;
        int needed = control->sizeHint().width();
        if (auto* label = qobject_cast<QLabel*>(control))
            needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        while (DialogUnitsToPixelsX(entry->units.width(), base) < needed && base.x < 2 * fontBase.x)
            ++base.x;
    }
    return base;
}

void CSettings::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        LayOut();
}

QWidget* CSettings::Control(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

bool CSettings::Create()
{
    if (IsOpen())
        return false;
    auto* standard = Get<QComboBox>(SettingsCtrl::Standard);
    standard->clear();
    standard->addItems({ResString(SettingsText::StandardDefault), ResString(SettingsText::StandardCustomJ)});
    // Testers before firmware 2 know no conversion standard.
    const bool knowsStandard = m_store.device.firmwareNumbers[0] >= 2;
    standard->setEnabled(knowsStandard);
    standard->setCurrentIndex(knowsStandard ? m_store.conversionStandard : 0);
    auto* probe = Get<QComboBox>(SettingsCtrl::Probe);
    probe->clear();
    probe->addItems({ResString(SettingsText::ProbeD), ResString(SettingsText::ProbeDL)});
    ShowNotice({});
    AssignJobs(CDeviceLink::jobsSettingsDialog);
    // What the store holds shows at once; the replies refresh it as they arrive.
    Refresh();
    show();
    raise();
    activateWindow();
    return true;
}

void CSettings::ShowNotice(const QString& text)
{
    Get<QLabel>(SettingsCtrl::Notice)->setText(text);
}

QString CSettings::Notice() const
{
    return Get<QLabel>(SettingsCtrl::Notice)->text();
}

void CSettings::Exit()
{
    Refresh();
    hide();
}

void CSettings::accept()
{
    Exit();
}

void CSettings::reject()
{
    Exit();
}

void CSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter on a push button is its click; anywhere else it closes the dialog.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
                button->click();
            else
                accept();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

bool CSettings::eventFilter(QObject* watched, QEvent* event)
{
    const bool leaving = event->type() == QEvent::FocusOut;
    // Enter acts on the edit first, then closes the dialog.
    const bool entering = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if ((leaving || entering) && isVisible()) {
        const int id = watched->property(kControlIdProperty).toInt();
        switch (id) {
        case SettingsCtrl::MeasurementCounter: OnMeasurementCounterEdited(); break;
        case SettingsCtrl::FixedImpacts: OnFixedImpactsEdited(); break;
        case SettingsCtrl::Offset1: OnOffsetEdited(0); break;
        case SettingsCtrl::Offset2: OnOffsetEdited(1); break;
        case SettingsCtrl::Offset3: OnOffsetEdited(2); break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSettings::ConnectActions()
{
    using namespace SettingsCtrl;
    // "activated" comes from the operator only: the lists the dialog fills itself notify nothing.
    connect(Get<QComboBox>(Scale), &QComboBox::activated, this, &CSettings::OnScaleSelected);
    connect(Get<QComboBox>(Material), &QComboBox::activated, this, &CSettings::OnMaterialSelected);
    connect(Get<QComboBox>(Standard), &QComboBox::activated, this, &CSettings::OnStandardSelected);
    connect(Get<QComboBox>(Probe), &QComboBox::activated, this, &CSettings::OnProbeSelected);
    for (int curve = 0; curve < 3; ++curve) {
        connect(Get<QRadioButton>(kRadio[curve]), &QRadioButton::clicked, this, [this, curve] { OnCustomCurveClicked(curve); });
        connect(Get<QComboBox>(kCurveScale[curve]), &QComboBox::activated, this,
                [this, curve](int position) { OnCurveScaleSelected(curve, position); });
        connect(Get<QComboBox>(kCurveMaterial[curve]), &QComboBox::activated, this,
                [this, curve](int position) { OnCurveMaterialSelected(curve, position); });
    }
    connect(Get<QCheckBox>(LockKeys), &QCheckBox::clicked, this, &CSettings::OnLockKeysClicked);
    connect(Get<QPushButton>(Receive), &QPushButton::clicked, this, &CSettings::OnReceive);
    connect(Get<QPushButton>(Send), &QPushButton::clicked, this, &CSettings::OnSend);
    connect(Get<QPushButton>(SettingsCtrl::Exit), &QPushButton::clicked, this, &CSettings::Exit);
}

void CSettings::AssignJobs(std::uint32_t mask)
{
    if (m_store.link)
        m_store.link->jobs = mask;
}
