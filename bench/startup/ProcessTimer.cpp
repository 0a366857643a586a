#include "ProcessTimer.h"

#include <QProcessEnvironment>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

namespace av::bench {
namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::vector<char*> pointers(std::vector<QByteArray>& strings) {
    std::vector<char*> out;
    for (QByteArray& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

} // namespace

QStringList environmentWith(const QStringList& changes) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& change : changes) {
        const qsizetype eq = change.indexOf(QLatin1Char('='));
        env.insert(change.left(eq), change.mid(eq + 1));
    }
    return env.toStringList();
}

ProcessRun timeProcess(const QString& program, const QStringList& arguments,
                       const QStringList& environment) {
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<QByteArray> env;
    for (const QString& e : environment)
        env.push_back(e.toLocal8Bit());
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);

    ProcessRun run;
    const double start = nowMs();
    // Its warnings would drown the table; a failure shows in the exit code.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.ms = nowMs() - start;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace av::bench
