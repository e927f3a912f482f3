#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "app/TableArea.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QResizeEvent>

CChildView::CChildView()
{
    m_pollTimer.setSingleShot(true);
    SetControlId(this, CtrlId::View);
    setFocusPolicy(Qt::StrongFocus);
}

CChildView::~CChildView()
{
    m_pollTimer.stop();
}

void CChildView::Create(QWidget* parent, IViewFrame* frame, const QStringList& commandLine)
{
    setParent(parent);
    m_frame = frame;
    ShowStatus(ResString(AppText::Offline));
    m_table = CreateTableWindow(store, this);
    std::fill(std::begin(store.displayCodes), std::end(store.displayCodes), ' ');
    store.displayMode = 0;
    SetupTableArea(store);
    // The view's pictures (device, key lock open and closed) are loaded here with its painting.
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
    m_deviceList->show();
}

void CChildView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_table)
        m_table->setGeometry(0, kDeviceAreaHeight, width(), qMax(0, height() - kDeviceAreaHeight));
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
    if (alsoDevice)
        ForgetDevice();
    return true;
}

void CChildView::ForgetDevice()
{
    store.device.Clear();
    m_pollTimer.stop();
    // The device link, once the view has one, is closed here.
    if (m_deviceList)
        m_deviceList->clear();
    m_failureCount = 0;
    std::fill(std::begin(store.displayCodes), std::end(store.displayCodes), ' ');
    store.displayMode = 0;
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
