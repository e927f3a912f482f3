#include "app/ArchiveFeeder.h"

#include "app/MainFrame.h"
#include "archive/ArchiveImport.h"
#include "archive/ArchiveStrings.h"
#include "archive/StoreSeries.h"
#include "resources/StringTable.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

// What the archive keeps of the loaded series, boiled down: equal when nothing it keeps changed
// (a click or a scroll changes the table but not the series).
quint64 Fingerprint(const CMeasurementStore& store)
{
    quint64 h = 1469598103934665603ULL;
    auto mix = [&h](qint64 v) { h = (h ^ static_cast<quint64>(v)) * 1099511628211ULL; };
    mix(store.conversionStandard);
    for (const MSERIE* s : store.series) {
        mix(s->scale);
        mix(s->material);
        mix(s->probe);
        mix(s->seriesNo);
        for (const MEAS* m : s->measurements) {
            mix(m->time);
            mix(m->hidden);
        }
        mix(-1);
    }
    return h;
}

} // namespace

CArchiveFeeder::CArchiveFeeder(CMainFrame& frame) : frame(frame)
{
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    connect(&settle, &QTimer::timeout, this, &CArchiveFeeder::HandOver);
    connect(&frame, &CMainFrame::tableChanged, &settle, qOverload<>(&QTimer::start));
    UseCurrentLocation();
    // A file named on the command line was loaded before the feeder existed.
    settle.start();
}

CArchiveFeeder::~CArchiveFeeder() = default;

void CArchiveFeeder::UseCurrentLocation()
{
    queue.reset();
    QString error;
    const std::optional<ArchiveLocation> location = ArchiveSettings::Current(&error);
    if (!location) {
        frame.SetStatusText(ResString(ArchiveStrings::BadSetting).arg(error));
        return;
    }
    if (location->kind == ArchiveLocation::Kind::Off)
        return;
    // The listener runs on the writer's thread: the status bar is written on the window's.
    QPointer<CArchiveFeeder> self(this);
    queue = std::make_unique<CArchiveQueue>(*location, [self](CArchiveQueue::Event event, const QString& detail) {
        QMetaObject::invokeMethod(
            self.data(), [self, event, detail] {
                if (self)
                    self->Tell(event, detail);
            },
            Qt::QueuedConnection);
    });
    source.clear();
}

void CArchiveFeeder::LoadedFromArchive()
{
    fromArchive = true;
    fromArchivePath = frame.View().store.LastFilePath();
    source.clear();
}

bool CArchiveFeeder::Flush(int timeoutMs)
{
    return !queue || queue->Flush(timeoutMs);
}

void CArchiveFeeder::Tell(CArchiveQueue::Event event, const QString& detail)
{
    switch (event) {
    case CArchiveQueue::Event::Unreachable:
        frame.SetStatusText(ResString(ArchiveStrings::Unreachable));
        break;
    case CArchiveQueue::Event::Reachable:
        frame.SetStatusText(ResString(ArchiveStrings::Reachable));
        break;
    case CArchiveQueue::Event::Refused:
        frame.SetStatusText(ResString(ArchiveStrings::NotRecorded).arg(QString(), detail));
        break;
    }
}

void CArchiveFeeder::HandOver()
{
    const CMeasurementStore& store = frame.View().store;
    if (!queue || store.series.GetSize() == 0)
        return;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const bool live = frame.IsPortOpen();
    const QString path = store.LastFilePath();
    if (fromArchive && path != fromArchivePath)
        fromArchive = false;
    Provenance origin;
    QString from;
    CArchive::Mode mode = CArchive::Mode::Update;
    if (live) {
        // A tester's memory is the authority on its series: discards are taken over.
        origin = Provenance::Download(now);
        from = QStringLiteral("tester:") + store.device.serialNumber;
        fromArchive = false;
    } else if (fromArchive) {
        origin.kind = Provenance::Kind::None;
        from = QStringLiteral("archive");
    } else if (!path.isEmpty()) {
        if (fileHashPath != path) {
            QFile file(path);
            fileHash = file.open(QIODevice::ReadOnly) ? Sha256Text(file.readAll()) : QString();
            fileHashPath = path;
        }
        origin = Provenance::File(QFileInfo(path).fileName(), fileHash, now);
        from = QStringLiteral("file:") + path;
        // A file just opened adds what the archive lacks; an older file never undoes a later
        // conversion or hide. What the user changes afterwards is taken over.
        if (from != source)
            mode = CArchive::Mode::Import;
    } else {
        return; // nothing says where these series came from
    }
    const quint64 print = Fingerprint(store);
    if (from == source && print == handedOver)
        return;
    source = from;
    handedOver = print;
    queue->Submit(ArchivedFromStore(store, origin), mode);
}
