// The polling timer (200): while jobs are pending it runs them, otherwise it polls the tester's
// status and handles its events. A tick whose device work failed shows "No connection!" and opens
// the port again; two failed ticks in a row end the connection.
#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "app/NoticeBar.h"
#include "app/TableArea.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/MeasurementRecords.h"
#include "resources/StringTable.h"
#include "settings/Settings.h"
#include "table/TableHost.h"
#include "table/TablePopulation.h"

#include <QComboBox>

void CChildView::OnPollTimer()
{
    m_pollTimer.stop();
    const int W = width();
    CDeviceLink& link = Link();
    bool succeeded = false;
    if (link.jobs == 0) {
        std::uint8_t status = 0;
        succeeded = link.PollStatus(status) == LinkResult::Ok;
        if (!succeeded)
            status = 0;
        if (status & CDeviceLink::eventDiscarded) {
            status &= static_cast<std::uint8_t>(~CDeviceLink::eventDiscarded);
            ShowDiscardedMeasurement();
        }
        if (status != 0) {
            link.events = status;
            ProcessLinkEvents();
            update(DeviceScreenRect(W));
            if (status != CDeviceLink::eventDisplay)
                update(IdentityRect(W));
            if (status & CDeviceLink::eventKeyLock)
                ShowKeyLockChange();
        }
    } else {
        succeeded = RunLinkJobs() > 0;
        update();
        if (link.jobs == 0) {
            m_initialTransfer = false;
            ShowStatus(ResString(AppText::Online));
            m_failureCount = 0;
        }
    }

    int interval = kGoodTickMs;
    if (succeeded) {
        if (m_failureCount > 0) {
            ShowStatus(ConnectionStateText());
            m_failureCount = 0;
        }
    } else {
        interval = kFailedTickMs;
        ShowStatus(ResString(AppText::NoConnection));
        ++m_failureCount;
        if (link.IsOpen())
            link.Close();
        link.OpenPort(store.portNumber);
    }

    if (m_failureCount >= kFailedTicksToDisconnect) {
        EndLostConnection();
        return;
    }
    m_pollTimer.start(interval);
}

QString CChildView::ConnectionStateText()
{
    if (!Link().IsOpen())
        return ResString(AppText::Offline);
    return ResString(Link().jobs == 0 ? AppText::Online : AppText::Connecting);
}

bool CChildView::InitialTransferPending()
{
    // Only the connect's own jobs count: work requested later (settings, memory clear) replaces
    // the whole job mask, and what it leaves pending is no partial download.
    const std::uint32_t jobs = Link().jobs;
    return m_initialTransfer && jobs != 0 && (jobs & ~CDeviceLink::jobsConnect) == 0;
}

void CChildView::EndLostConnection()
{
    CDeviceLink& link = Link();
    m_lostTester = SLostTester{store.device.name, store.device.serialNumber, store.portNumber, false};
    const bool transferDropped = link.jobs != 0 && InitialTransferPending();
    m_deviceList->clear();
    m_attachedLine = -1;
    m_failureCount = 0;
    link.Close();
    std::fill(std::begin(store.displayCodes), std::end(store.displayCodes), ' ');
    store.displayMode = 0;
    if (link.jobs != 0) {
        // A connect whose transfer never completed leaves nothing worth keeping: what arrived is
        // incomplete and still on the tester. Data loaded before other pending work (the settings
        // dialog's requests, a memory clear) stay, as they do when the connection is lost idle.
        if (InitialTransferPending()) {
            store.unsavedData = 0;
            store.DeleteMeasurements(-1, -1);
            SetupTableArea(store);
            ClearCurrentDevice();
        }
        link.jobs = 0;
        store.bootloaderMode = 0;
    }
    m_initialTransfer = false;
    ShowStatus(ConnectionStateText());
    // Told where the operator looks, without stopping the work; the tester is taken back as soon
    // as it answers again.
    QString notice = ResString(AppText::ConnectionLostNotice)
                         .arg(m_lostTester.name, m_lostTester.serialNumber, QString::number(m_lostTester.port));
    if (transferDropped)
        notice += QLatin1Char(' ') + ResString(AppText::UnfinishedTransferDropped);
    m_notice->Tell(notice);
    AwaitLostTester(transferDropped);
    update();
}

void CChildView::TellSendNotAcknowledged(const QString& text)
{
    if (IsSettingsDialogOpen())
        store.settingsDialog->ShowNotice(text);
    m_notice->Tell(text);
}

int CChildView::RunLinkJobs()
{
    CTransferProgressScope progress(m_progress);
    return Link().RunJobs();
}

void CChildView::ProcessLinkEvents()
{
    CTransferProgressScope progress(m_progress);
    Link().ProcessEvents();
}

void CChildView::ShowDiscardedMeasurement()
{
    const int last = store.series.GetSize() - 1;
    const DiscardResult result = HideDiscardedMeasurement(store);
    if (result == DiscardResult::Nothing)
        return;
    const int seriesRow = TableRowOfSeries(store, last);
    const int rows = TableRowCount(store);
    // A collapsed series is the table's last row: its statistics and measurement rows go below
    // it at the end. A table out of step with the store is rebuilt instead.
    if (seriesRow < 0 || (result == DiscardResult::HiddenAndExpanded && seriesRow != rows - 1)) {
        RefreshTableArea(store);
        return;
    }
    if (result == DiscardResult::HiddenAndExpanded)
        AppendSeriesSubRows(store, last);
    FillSeriesRows(store, seriesRow, last);
    ShowLastTableRow(store);
    NotifyTableChanged();
}
