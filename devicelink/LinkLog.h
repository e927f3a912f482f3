#pragma once
// The link's debug log (Qt logging category "scleron.serial", off unless switched on, e.g. with
// QT_LOGGING_RULES="scleron.serial.debug=true").

#include <QLoggingCategory>

namespace StreamIO {
class CRs232Stream;
}

Q_DECLARE_LOGGING_CATEGORY(lcSerialLine)

// Logs a port the link opened: its COM number, device and whether low-latency mode took.
void LogOpenedPort(int port, const StreamIO::CRs232Stream& stream);
