#include "RecordResult.h"

#include "ResultsFolder.h"

#include <QDir>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace av {

QString computerName() {
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("computer") : name;
}

QString accountName() {
    // The account itself, not $USER, which a pupil could set to anything.
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

PupilResult resultOf(const ScoredOutcome& outcome, const QString& pupil) {
    PupilResult result;
    const QDateTime now = QDateTime::currentDateTime();
    result.when =
        QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    result.computer = computerName();
    result.account = accountName();
    result.pupil = pupil.trimmed().isEmpty() ? QStringLiteral("No name") : pupil.trimmed();
    result.activity = outcome.activity;
    result.score = outcome.score;
    result.outOf = outcome.total;
    result.wrong = outcome.wrong;
    return result;
}

bool recordResult(const QString& worksheetFolder, const ScoredOutcome& outcome,
                  const QString& pupil, QString* error) {
    // An account's own worksheet folder is made with its first saved worksheet; a pupil's
    // result may come first. Without its register the folder reads as an empty list, as before.
    QDir().mkpath(worksheetFolder);
    return ResultsFolder(worksheetFolder).record(resultOf(outcome, pupil), error);
}

} // namespace av
