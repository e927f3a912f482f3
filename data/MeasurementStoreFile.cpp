// The store's Save and Open operations: the file dialogs, and what a failed write tells the user.
#include "data/FileWriter.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"


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
    // An existing file is replaced only once the new one was written whole; a device or FIFO is
    // written into (FileWriter.h).
    QString reason;
    if (FileWriter::WriteFile(path, MeasurementFile::Serialize(*this), &reason) == FileWriter::Result::Written)
        return true;
    if (error)
        *error = reason;
    return false;
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
    // Files that cannot be opened or carry another version are passed over silently; one too
    // large to be a measurement file is worth a word, since it cannot be what the user meant.
    const MeasurementFile::ReadResult result = MeasurementFile::Load(*this, chosen);
    if (result == MeasurementFile::ReadResult::Read)
        lastFilePath = chosen;
    else if (result == MeasurementFile::ReadResult::TooLarge)
        Prompts().Message(ResString(Ids::FileTooLarge).arg(chosen), PromptButtons::Ok, PromptIcon::Error);
}
