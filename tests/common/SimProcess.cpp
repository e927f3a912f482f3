#include "common/SimProcess.h"

#include <QElapsedTimer>

#ifndef SCLERON_KESTREL_SIM_PATH
#define SCLERON_KESTREL_SIM_PATH "kestrel-sim"
#endif

SimProcess::~SimProcess()
{
    Stop();
}

QString SimProcess::ExecutablePath()
{
    const QString fromEnvironment = qEnvironmentVariable("KESTREL_SIM");
    return fromEnvironment.isEmpty() ? QStringLiteral(SCLERON_KESTREL_SIM_PATH) : fromEnvironment;
}

bool SimProcess::ReadLine(QString* line, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || process_.state() == QProcess::NotRunning)
            return false;
        process_.waitForReadyRead(static_cast<int>(left));
    }
    *line = QString::fromUtf8(process_.readLine()).trimmed();
    return true;
}

bool SimProcess::Start(const QStringList& arguments, QString* error, int timeoutMs)
{
    Stop();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    slavePath_.clear();
    process_.start(ExecutablePath(), arguments);
    started_ = process_.waitForStarted(timeoutMs);
    if (!started_) {
        if (error)
            *error = QStringLiteral("cannot start %1: %2").arg(ExecutablePath(), process_.errorString());
        return false;
    }
    QString line;
    if (!ReadLine(&line, timeoutMs) || !line.startsWith(QLatin1Char('/'))) {
        if (error)
            *error = QStringLiteral("kestrel-sim printed no pseudo-terminal path (exit code %1, first line '%2')")
                         .arg(process_.exitCode())
                         .arg(line);
        Stop();
        return false;
    }
    slavePath_ = line;
    return true;
}

SimReply SimProcess::Command(const QString& line, int timeoutMs)
{
    if (!IsRunning())
        return {false, QStringLiteral("kestrel-sim is not running")};
    process_.write(line.toUtf8() + '\n');
    process_.waitForBytesWritten(timeoutMs);
    QString answer;
    if (!ReadLine(&answer, timeoutMs))
        return {false, QStringLiteral("no answer from kestrel-sim to '%1'").arg(line)};
    if (answer == QLatin1String("ok"))
        return {true, {}};
    if (answer.startsWith(QLatin1String("ok "))) {
        SimReply reply{true, answer.mid(3)};
        if (line.trimmed() == QLatin1String("replug") && reply.text.startsWith(QLatin1Char('/')))
            slavePath_ = reply.text;
        return reply;
    }
    if (answer.startsWith(QLatin1String("error: ")))
        return {false, answer.mid(7)};
    return {false, answer};
}

int SimProcess::Stop(int timeoutMs)
{
    if (!IsRunning())
        return started_ && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    process_.write("quit\n");
    process_.waitForBytesWritten(timeoutMs);
    if (process_.waitForFinished(timeoutMs) && process_.exitStatus() == QProcess::NormalExit)
        return process_.exitCode();
    process_.kill();
    process_.waitForFinished(timeoutMs);
    return -1;
}
