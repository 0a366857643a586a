#include "ProcessMemory.h"

#include <QFile>
#include <QProcess>
#include <QThread>

namespace av::bench {

double statusMb(const QByteArray& status, const char* field) {
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ')[0].toDouble() / 1024.0;
    return 0;
}

double ownStatusMb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    return status.open(QIODevice::ReadOnly) ? statusMb(status.readAll(), field) : 0;
}

MemoryReading settledMemory(const QString& program, const QStringList& arguments,
                            const QProcessEnvironment& env, int settleMs) {
    QProcess child;
    child.setProcessEnvironment(env);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(program, arguments);
    MemoryReading reading;
    if (!child.waitForStarted(5000)) return reading;
    QThread::msleep(settleMs);
    QFile status(QStringLiteral("/proc/%1/status").arg(child.processId()));
    if (child.state() == QProcess::Running && status.open(QIODevice::ReadOnly)) {
        const QByteArray text = status.readAll();
        reading.residentMb = statusMb(text, "VmRSS:");
        reading.peakMb = statusMb(text, "VmHWM:");
        reading.ok = reading.residentMb > 0;
    }
    child.kill();
    child.waitForFinished(5000);
    return reading;
}

} // namespace av::bench
