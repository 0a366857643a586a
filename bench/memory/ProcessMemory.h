#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace av::bench {

struct MemoryReading {
    bool ok = false;
    double residentMb = 0; // VmRSS
    double peakMb = 0;     // VmHWM
};

// A field of a /proc/PID/status text, such as "VmRSS:", in megabytes.
double statusMb(const QByteArray& status, const char* field);
// The same for this process.
double ownStatusMb(const char* field);

// Starts a program that keeps running, lets it settle for settleMs, reads its memory and
// ends it.
MemoryReading settledMemory(const QString& program, const QStringList& arguments,
                            const QProcessEnvironment& env, int settleMs);

} // namespace av::bench
