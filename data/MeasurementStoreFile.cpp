// The store's Save and Open operations: the file dialogs, and what a failed write tells the user.
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

#include <QSaveFile>

namespace {
FileDialogRequest MeasurementFileDialog(bool save)
{
    FileDialogRequest request;
    request.filter = QString::fromLatin1(MeasurementFile::kDialogFilter);
    request.initialName = QString::fromLatin1(MeasurementFile::kInitialName);
    request.defaultExtension = QString::fromLatin1(MeasurementFile::kDefaultExtension);
    request.save = save;
    return request;
}
} // namespace

bool CMeasurementStore::SaveMeasurementsTo(const QString& path, QString* error)
{
    // The file is written beside the target under a temporary name and renamed over it only when
    // everything was written, so an existing file is never left half-written.
    QSaveFile file(path);
    const QByteArray text = MeasurementFile::Serialize(*this);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

int CMeasurementStore::SaveMeasurements()
{
    lastFilePath.clear();
    const QString path = Prompts().FileName(MeasurementFileDialog(true));
    if (path.isEmpty())
        return 0;
    QString reason;
    if (!SaveMeasurementsTo(path, &reason)) {
        // Nothing is marked saved: a pending close or reset stops and the data stay.
        Prompts().Message(ResString(Ids::SaveFailed).arg(path, reason), PromptButtons::Ok, PromptIcon::Error);
        return 0;
    }
    unsavedData = 0;
    ClearChanges();
    lastFilePath = path;
    return 1;
}

void CMeasurementStore::OpenMeasurements(const QString& path)
{
    lastFilePath.clear();
    QString chosen = path;
    if (chosen.isEmpty()) {
        chosen = Prompts().FileName(MeasurementFileDialog(false));
        if (chosen.isEmpty())
            return;
    }
    if (MeasurementFile::Load(*this, chosen) == MeasurementFile::ReadResult::Read)
        lastFilePath = chosen;
}
