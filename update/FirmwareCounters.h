#pragma once
// The firmware check's count of failed contacts with the update server and the threshold after
// which the user is reminded to connect the PC to the Internet, kept in the registry as decimal
// texts "FwUpdateFailCount" and "FwUpdateFailCountMax" under "Software\Halvex\<product>\Settings".

#include <QString>

struct SFirmwareCounters {
    int failCount = 0;    // failed contacts since the last success or the last reminder
    int failCountMax = 1; // failures tolerated before the reminder
};

// The threshold after a successful contact: the reminder comes with the 101st failure in a row.
constexpr int kFirmwareFailCountMaxAfterSuccess = 100;
// The threshold after a reminder triggered by at most this many failures.
constexpr int kFirmwareFailCountMaxSmall = 10;

// "Software\Halvex\<productName>\Settings".
QString FirmwareCheckRegistryKey(const QString& productName);

// Reads both counters from the key. A missing key keeps both as they are; a missing value (or one
// that is no text) keeps failCount and sets failCountMax to 100. A text counts by its leading
// decimal number (0 when it has none).
void ReadFirmwareCounters(const QString& registryKey, SFirmwareCounters& counters);
// Writes both as decimal texts, creating the key when it is missing; a key that cannot be created
// is skipped without a word.
void WriteFirmwareCounters(const QString& registryKey, const SFirmwareCounters& counters);

// One more failed contact. True when it is one too many: the count starts again at 0 and the
// threshold becomes 10 when the count was at most 10, else half the old threshold, and the user is
// to be reminded.
bool CountFirmwareCheckFailure(SFirmwareCounters& counters);
// A successful contact: count 0, threshold 100.
void CountFirmwareCheckSuccess(SFirmwareCounters& counters);
