#pragma once
// The tester simulator for a benchmark: started with the arguments given, its pseudo-terminal made
// COM1, stopped when the object goes.

#include <QProcess>
#include <QStringList>

class CBenchSimulator {
public:
    bool Start(const QStringList& arguments)
    {
        process.start(QStringLiteral(SCLERON_KESTREL_SIM_PATH), arguments);
        if (!process.waitForStarted(5000))
            return false;
        while (!process.canReadLine())
            if (!process.waitForReadyRead(5000))
                return false;
        const QByteArray path = process.readLine().trimmed();
        qputenv("SCLERON_SERIAL_PORTS", path);
        return path.startsWith('/');
    }
    ~CBenchSimulator()
    {
        process.write("quit\n");
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished();
        }
    }

private:
    QProcess process;
};
