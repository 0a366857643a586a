#pragma once

#include <QStringList>

namespace av::bench {

struct ProcessRun {
    bool ok = false;   // exited by itself with code 0
    double ms = 0;     // exec to exit, wall clock
    double peakMb = 0; // its peak resident memory
};

// Runs a program to its end with some environment variables replaced, and times it.
ProcessRun timeProcess(const QString& program, const QStringList& arguments,
                       const QStringList& environment);

// The environment of this process with each "NAME=value" of changes put in.
QStringList environmentWith(const QStringList& changes);

} // namespace av::bench
