#pragma once

#include "PupilResult.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace av {

// The results a teacher looks at: all of them, or those of one pupil, one activity, or both.
class ResultsSelection {
  public:
    explicit ResultsSelection(QList<PupilResult> results = {});

    const QList<PupilResult>& all() const { return m_all; }
    // The pupils and the activities that have results, in alphabetical order.
    QStringList pupils() const;
    QStringList activities() const;

    // An empty choice takes every pupil or activity.
    void choosePupil(const QString& pupil);
    void chooseActivity(const QString& activity);
    const QString& pupil() const { return m_pupil; }
    const QString& activity() const { return m_activity; }

    // The results chosen, newest first.
    QList<PupilResult> shown() const;

    // For the activity chosen, question by question (or label by label): how many of the
    // results shown got it wrong. Questions are in their numbers' order.
    struct WrongCount {
        QString item;
        int pupils = 0;
    };
    QList<WrongCount> wrongByQuestion() const;

  private:
    QList<PupilResult> m_all;
    QString m_pupil;
    QString m_activity;
};

} // namespace av
