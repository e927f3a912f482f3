#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "app/NoticeBar.h"
#include "app/TableArea.h"
#include "app/VerdictOverlay.h"
#include "data/UserPrompts.h"
#include "devicelink/DeviceLink.h"
#include "grid/GridCtrl.h"
#include "mirror/DeviceMirror.h"
#include "quality/LimitsSettings.h"
#include "resources/StringTable.h"
#include "update/FirmwareCheck.h"

#include <QComboBox>
#include <QResizeEvent>

CChildView::CChildView()
    : m_followUps(store, m_progress, [this](const QString& text) { TellSendNotAcknowledged(text); })
    , m_progress(CTransferProgress::Hooks{
          [this] { return m_frame ? m_frame->StatusText() : QString(); },
          [this](const QString& text) { ShowStatus(text); },
          [this] { window()->repaint(); },
      })
{
    m_pollTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, &CChildView::OnPollTimer);
    connect(&m_reattachTimer, &QTimer::timeout, this, [this] { TryReattachNow(); });
    m_notice = new CNoticeBar(this);
    connect(m_notice, &CNoticeBar::RoomChanged, this, [this] { PlaceTable(width(), height()); });
    SetControlId(this, CtrlId::View);
    setFocusPolicy(Qt::StrongFocus);
    // The device area is painted whole on every paint: no background is erased beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    store.link = MakeLayerPtr(new CDeviceLink(store));
    store.link->SetFollowUps(&m_followUps);
    store.screen = MakeLayerPtr(new CDeviceMirror(store));
    // The button looks pressed while a tester is attached, released once the connection is over.
    m_commands.Add(Cmd::ConnectDevice, [this] { Connect(); },
                   [this](CommandState& state) { state.checked = Link().IsOpen(); });
    m_commands.Add(Cmd::FirmwareUpgrade, [this] { UpgradeFirmware(); });
    AddFileCommands();
    AddDeviceCommands();
    m_commands.Add(Cmd::Help, [this] { ShowHelp(); });
    AddTableCommands();
    CreateSettingsDialog();
    AddQualityCommands();
}

CChildView::~CChildView()
{
    // A firmware check still running is stopped before anything it reports to goes.
    m_firmwareCheck.reset();
    m_pollTimer.stop();
    m_reattachTimer.stop();
    store.link->SetFollowUps(nullptr);
}

CDeviceLink& CChildView::Link()
{
    return *store.link;
}

const CDeviceLink& CChildView::Link() const
{
    return *store.link;
}

void CChildView::Create(QWidget* parent, IViewFrame* frame, const QStringList& commandLine)
{
    setParent(parent);
    m_frame = frame;
    ShowStatus(ResString(AppText::Offline));
    m_table = CreateTableWindow(store, this);
    m_limits = LimitsSettings::Load();
    store.grid->SetCellOverlay(MakeVerdictOverlay(store, m_limits));
    std::fill(std::begin(store.displayCodes), std::end(store.displayCodes), ' ');
    store.displayMode = 0;
    SetupTableArea(store);
    LoadViewImages();
    CreateDeviceList();
    const QString file = MeasurementFileArgument(commandLine);
    if (!file.isEmpty()) {
        store.OpenMeasurements(file);
        RefreshTableArea(store);
    }
    show();
}

void CChildView::CreateDeviceList()
{
    m_deviceList = new QComboBox(this);
    SetControlId(m_deviceList, CtrlId::DeviceList);
    const int height = m_deviceList->sizeHint().height();
    m_deviceList->setGeometry(kDeviceListLeft, kDeviceListTop, kDeviceListRight - kDeviceListLeft, height);
    // The list drops down to the box's lower edge at 140.
    const int listHeight = kDeviceListBottom - kDeviceListTop - height;
    const int lineHeight = qMax(1, m_deviceList->fontMetrics().height() + 4);
    m_deviceList->setMaxVisibleItems(qMax(1, listHeight / lineHeight));
    // Only the user's choice counts: lines the program selects itself notify nothing.
    connect(m_deviceList, &QComboBox::activated, this, &CChildView::OnDeviceListSelection);
    m_deviceList->show();
}

void CChildView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceTable(width(), height());
}

void CChildView::ShowStatus(const QString& text)
{
    if (m_frame)
        m_frame->SetStatusText(text);
}

bool CChildView::ResetData(bool alsoDevice)
{
    if (store.series.GetSize() == 0)
        store.unsavedData = 0;
    else if (store.HasChanges())
        store.unsavedData = 1;
    if (store.unsavedData == 1) {
        switch (Prompts().Message(ResString(AppText::AskSaveMeasurements), PromptButtons::YesNoCancel, PromptIcon::Warning)) {
        case PromptAnswer::Yes:
            if (store.SaveMeasurements() == 0)
                return false;
            break;
        case PromptAnswer::No:
            break;
        default:
            return false;
        }
    }
    store.unsavedData = 0;
    store.bootloaderMode = 0;
    store.DeleteMeasurements(-1, -1);
    SetupTableArea(store);
    // The operator has moved on: a tester lost earlier is no longer waited for.
    StopAwaitingLostTester();
    m_notice->Clear();
    if (alsoDevice)
        ForgetDevice();
    return true;
}

void CChildView::ClearCurrentDevice()
{
    store.device.Clear();
}

void CChildView::ForgetDevice()
{
    ClearCurrentDevice();
    m_pollTimer.stop();
    if (Link().IsOpen())
        Link().Close();
    if (m_deviceList)
        m_deviceList->clear();
    m_attachedLine = -1;
    m_failureCount = 0;
    m_initialTransfer = false;
    std::fill(std::begin(store.displayCodes), std::end(store.displayCodes), ' ');
    store.displayMode = 0;
}

QRect CChildView::DeviceScreenRect(int W) const
{
    // From (W - 357, 30) to (W - 242, 70) of the picture, right and bottom edges excluded.
    return InView(QRect(QPoint(W - 357, 30), QPoint(W - 243, 69)));
}

QRect CChildView::IdentityRect(int W) const
{
    // From (0, 40) to the picture's left edge (W - 440 where it is whole), down to y = 142.
    const DeviceBand band = BandLayout(W);
    const int right = band.height > kDeviceAreaHeight
                          ? W
                          : qRound(band.picture.map(QPointF(W - MirrorGeometry::kPictureWidth, 0)).x());
    return QRect(QPoint(0, 40), QPoint(right - 1, 141));
}

QString MeasurementFileArgument(const QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (!argument.startsWith(QLatin1Char('-')) && !argument.isEmpty())
            return argument;
    }
    return {};
}
