#pragma once
// What the program knows about each tester model: the type codes of the identification replies,
// product names, record sizes, custom-curve slots and memory capacity.

#include <QString>

namespace TesterModels {

inline constexpr const char* kKestrel1 = "Kestrel 1";
inline constexpr const char* kKestrel2 = "Kestrel 2";
inline constexpr const char* kTamarin1 = "Tamarin 1";
inline constexpr const char* kTamarin2 = "Tamarin 2";

// The product name of a seven-character type code; any other code is returned as received.
QString ProductName(const QString& typeCode);
// True for the type codes the port search offers ("KESTREL" and "Kestr2 ").
bool IsSearchedTypeCode(const QString& typeCode);
// Bytes per measurement record: 11 for "Kestrel 1", 13 for "Kestrel 2", 0 (no records) otherwise.
int RecordSize(const QString& productName);
// Custom-curve slots on the tester: 6 on "Kestrel 2" (HC1..HC3 for each probe), else 3.
int CustomCurveSlots(const QString& productName);
// Measurements the tester's memory holds: 2900 for "Kestrel 1", 2448 for any other name.
int MemoryCapacity(const QString& productName);
// The line of the connect list for a found tester: "%s %s  @ COM%d".
QString FoundDeviceLine(const QString& productName, const QString& serialNumber, int port);

} // namespace TesterModels
