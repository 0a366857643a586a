#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace av {

// One quiz or scored activity, as a pupil finished it.
struct PupilResult {
    QDateTime when; // local time, to the second
    QString computer;
    QString account;
    QString pupil;
    QString activity; // the quiz's title, or the activity's name
    int score = 0;
    int outOf = 0;
    QStringList wrong; // question numbers, or the texts of labels not in their boxes

    friend bool operator==(const PupilResult&, const PupilResult&) = default;
};

// How many results of `activity` had each entry of `wrong` (a question number, a label) wrong.
QMap<QString, int> wrongCounts(const QList<PupilResult>& results, const QString& activity);

} // namespace av
