#pragma once
// The measurement file (".hkp"): tab-separated 8-bit text with CR LF line ends. Version 3 is
// written; versions 1, 2 and 3 are read.

#include <QByteArray>
#include <QString>

class CMeasurementStore;

namespace MeasurementFile {

constexpr int kWrittenVersion = 3;
// The filter of the save and open dialogs.
inline constexpr const char* kDialogFilter =
    "Halvex Kestrel (*.hkp)|*.hkp|Text (*.txt)|*.txt|All Files (*.*)|*.*||";
inline constexpr const char* kInitialName = "*.hkp";
inline constexpr const char* kDefaultExtension = "hkp";
// Device texts read from a file are kept up to this many characters.
constexpr int kMaxDeviceText = 255;
// No tester memory or merged archive comes near this size; anything larger (or a stream without
// an end) is refused before it can exhaust memory.
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;

enum class ReadResult {
    Read,           // the file's series were appended (possibly only up to a malformed spot)
    Unreadable,     // the file could not be opened; nothing changed
    UnknownVersion, // the version line is not 1, 2 or 3; nothing changed
    TooLarge,       // more than kMaxFileBytes (or no end); nothing changed
};

// The whole version 3 file for the store's current content.
QByteArray Serialize(const CMeasurementStore& store);
// Reads a measurement file's text into the store (series are appended). `whole`, when given, tells
// whether the text held the complete layout: every count met, every field converted, nothing after
// the last measurement. Callers that must take a file whole or not at all look at it.
ReadResult Parse(CMeasurementStore& store, const QByteArray& text, bool* whole = nullptr);
// Reads the file at path into the store.
ReadResult Load(CMeasurementStore& store, const QString& path, bool* whole = nullptr);

} // namespace MeasurementFile
