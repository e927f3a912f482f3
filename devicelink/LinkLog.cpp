#include "devicelink/LinkLog.h"

#include "streams/Rs232Stream.h"

Q_LOGGING_CATEGORY(lcSerialLine, "scleron.serial", QtWarningMsg)

void LogOpenedPort(int port, const StreamIO::CRs232Stream& stream)
{
    const bool on = stream.GetLowLatency() == StreamIO::LowLatency::On;
    qCDebug(lcSerialLine).noquote() << QStringLiteral("COM%1 opened (%2): low latency %3")
                                           .arg(port)
                                           .arg(QString::fromStdString(stream.GetName()),
                                                on ? QStringLiteral("on") : QStringLiteral("not honoured"));
}
