#include "tools/cli/LiveLogger.h"

#include "archive/ArchiveQueue.h"
#include "archive/ArchiveStrings.h"
#include "archive/StoreSeries.h"

#include "conversion/MeasurementValue.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/MeasurementRecords.h"
#include "export/CsvExport.h"
#include "export/ExportColumns.h"
#include "export/ExportStrings.h"
#include "resources/StringTable.h"
#include "table/TablePopulation.h"
#include "table/TableSheet.h"

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <numeric>
#include <utility>

namespace {

constexpr int kReconnectEveryMs = 1000;
// How long the end of a watch waits for the archive to take what is still queued.
constexpr int kArchiveFlushMs = 10000;

void TellError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

void PrintLine(const QString& text, bool toStandardError)
{
    std::FILE* stream = toStandardError ? stderr : stdout;
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
    std::fflush(stream);
}

QString RawText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

// The table's refresh, on a sheet nobody sees: it puts the store's scales and materials right
// (a material the scale does not offer becomes none), so the log and the file show what the
// window would show.
void NormaliseAsTheTableDoes(CMeasurementStore& store)
{
    CTableSheet sheet;
    RefreshTable(store, sheet);
}

} // namespace

CLiveLogger::CLiveLogger(CMeasurementStore& store, CDeviceLink& link, const Files& files, TickWait wait)
    : store(store), link(link), files(files), wait(std::move(wait))
{
}

void CLiveLogger::Start()
{
    NormaliseAsTheTableDoes(store);
    journal.Baseline(store);
    serialNumber = store.device.serialNumber;
    deviceName = store.device.name;
    SaveHkp();
    std::vector<int> all(store.series.GetSize());
    std::iota(all.begin(), all.end(), 0);
    Archive(all);
    TellError(ResString(ExportStrings::Watching)
                  .arg(store.device.name, store.device.serialNumber, QString::number(store.portNumber),
                       QString::number(store.CountMeasurements())));
}

bool CLiveLogger::Tick()
{
    if (link.jobs != 0)
        return link.RunJobs() > 0;
    std::uint8_t status = 0;
    const bool answered = link.PollStatus(status) == LinkResult::Ok;
    if (!answered)
        status = 0;
    // The discard first, as the window does: it concerns the last measurement already here.
    if (status & CDeviceLink::eventDiscarded) {
        status &= static_cast<std::uint8_t>(~CDeviceLink::eventDiscarded);
        HideDiscardedMeasurement(store);
    }
    if (status != 0) {
        link.events = status;
        link.ProcessEvents();
    }
    return answered;
}

int CLiveLogger::Run()
{
    using namespace TesterTiming;
    int failedTicks = 0;
    int interval = kGoodTickMs;
    while (wait(interval)) {
        if (Tick()) {
            failedTicks = 0;
            interval = kGoodTickMs;
        } else {
            interval = kFailedTickMs;
            link.Close();
            link.OpenPort(store.portNumber);
            ++failedTicks;
        }
        ReportChanges();
        if (failedTicks < kFailedTicksToGiveUp)
            continue;
        TellError(ResString(ExportStrings::ConnectionLost));
        const int back = Reconnect();
        if (back != 0)
            return back < 0 ? 0 : back;
        TellError(ResString(ExportStrings::ConnectionBack));
        ReportChanges();
        failedTicks = 0;
        interval = kGoodTickMs;
    }
    return 0;
}

int CLiveLogger::Reconnect()
{
    // The tester keeps its own mark of what it has sent: once it answers again it offers the
    // impacts made meanwhile as new ones, so its memory is not read whole a second time.
    constexpr std::uint32_t kJobsAgain = CDeviceLink::jobsConnect & ~CDeviceLink::jobReadMeasurements;
    while (wait(kReconnectEveryMs)) {
        link.Close();
        if (link.OpenPort(store.portNumber) != LinkResult::Ok || link.CheckApplication() != LinkResult::Ok
            || link.LastApplicationCheck() != CDeviceLink::ApplicationCheck::Application)
            continue;
        if (!RunJobsToEnd(store, link, kJobsAgain, wait))
            continue;
        if (store.device.serialNumber != serialNumber || store.device.name != deviceName) {
            TellError(ResString(ExportStrings::AnotherTester)
                          .arg(store.device.name, store.device.serialNumber, QString::number(store.portNumber)));
            return 4;
        }
        return 0;
    }
    return -1;
}

void CLiveLogger::ReportChanges()
{
    const std::vector<CImpactJournal::Entry> entries = journal.Catch(store);
    if (entries.empty()) {
        FlushLog();
        return;
    }
    NormaliseAsTheTableDoes(store);
    const CsvDialect dialect = files.log ? files.log->Dialect() : CsvDialect::C();
    std::vector<int> touched;
    for (const CImpactJournal::Entry& entry : entries) {
        if (std::find(touched.begin(), touched.end(), entry.series) == touched.end())
            touched.push_back(entry.series);
        const MSERIE& serie = *store.series[entry.series];
        const MEAS& meas = *serie.measurements[entry.measurement];
        const QString seriesNo = QString::number(serie.seriesNo);
        const QString measurementNo = QString::number(entry.measurement + 1);
        if (entry.discard) {
            ++discards;
            PrintLine(ResString(ExportStrings::DiscardLine).arg(seriesNo, measurementNo), files.linesToStandardError);
        } else {
            ++impacts;
            QString line = ResString(ExportStrings::ImpactLine)
                               .arg(seriesNo, measurementNo, ExportTimeText(meas.time),
                                    FormatMeasurementValue(store, entry.series, entry.measurement), RawText(meas.value),
                                    QString::number(meas.angle));
            if (meas.hidden)
                line = ResString(ExportStrings::HiddenImpact).arg(line);
            PrintLine(line, files.linesToStandardError);
        }
        if (files.log)
            QueueRow(MeasurementCsvRow(store, entry.series, entry.measurement, dialect, entry.discard));
    }
    FlushLog();
    SaveHkp();
    Archive(touched);
}

void CLiveLogger::Archive(const std::vector<int>& seriesIndices)
{
    if (!files.archive)
        return;
    // A live tester is the authority on its series: hidden impacts (discards) are taken over.
    const Provenance origin = Provenance::Download(QDateTime::currentSecsSinceEpoch());
    std::vector<ArchivedSeries> batch;
    for (int index : seriesIndices)
        if (store.series[index]->Count() > 0)
            batch.push_back(ArchivedFromStore(store, index, origin));
    files.archive->Submit(std::move(batch), CArchive::Mode::Update);
}

void CLiveLogger::QueueRow(const QByteArray& row)
{
    pendingRows.push_back(row);
}

bool CLiveLogger::FlushLog()
{
    while (files.log && !pendingRows.empty()) {
        QString reason;
        if (!files.log->Append(pendingRows.front(), &reason)) {
            // Kept in order and tried again after the next poll: a full disk may get room.
            if (!logFailureTold)
                TellError(ResString(ExportStrings::CannotWrite).arg(files.logPath, reason));
            logFailureTold = true;
            return false;
        }
        pendingRows.pop_front();
        logFailureTold = false;
    }
    return true;
}

bool CLiveLogger::SaveHkp()
{
    if (files.hkpPath.isEmpty())
        return true;
    QString reason;
    if (store.SaveMeasurementsTo(files.hkpPath, &reason)) {
        hkpFailureTold = false;
        return true;
    }
    if (!hkpFailureTold)
        TellError(ResString(Ids::SaveFailed).arg(files.hkpPath, reason));
    hkpFailureTold = true;
    return false;
}

int CLiveLogger::Finish()
{
    ReportChanges();
    // The last word on the files is always told.
    logFailureTold = false;
    hkpFailureTold = false;
    bool complete = FlushLog();
    complete = SaveHkp() && complete;
    bool archived = true;
    if (files.archive && !files.archive->Flush(kArchiveFlushMs)) {
        archived = false;
        TellError(ResString(ArchiveStrings::NotWritten).arg(files.archive->PendingSeries()));
    }
    TellError(ResString(ExportStrings::Ended).arg(QString::number(impacts), QString::number(discards)));
    return !complete ? 5 : archived ? 0 : 6;
}
