#include "archive/ArchiveImport.h"

#include "archive/StoreSeries.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

QString Sha256Text(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

FileImport ImportFile(CArchive& archive, const QString& path)
{
    FileImport result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = FileImport::Status::Unreadable;
        return result;
    }
    // One byte beyond the limit tells a file (or an endless stream) that is too large.
    const QByteArray bytes = file.read(MeasurementFile::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = FileImport::Status::Unreadable;
        return result;
    }
    if (bytes.size() > MeasurementFile::kMaxFileBytes) {
        result.status = FileImport::Status::TooLarge;
        return result;
    }
    CMeasurementStore store;
    bool whole = false;
    if (MeasurementFile::Parse(store, bytes, &whole) != MeasurementFile::ReadResult::Read) {
        result.status = FileImport::Status::UnknownVersion;
        return result;
    }
    if (!whole) {
        result.status = FileImport::Status::Malformed;
        return result;
    }
    const Provenance origin = Provenance::File(QFileInfo(path).fileName(), Sha256Text(bytes),
                                               QDateTime::currentSecsSinceEpoch());
    if (!archive.Record(ArchivedFromStore(store, origin), CArchive::Mode::Import, &result.counts, &result.error))
        result.status = FileImport::Status::NotRecorded;
    return result;
}
