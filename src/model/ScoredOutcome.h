#pragma once

#include <QString>
#include <QStringList>

namespace av {

// What a finished quiz or scored activity hands to the results screen.
struct ScoredOutcome {
    QString activity; // what was done: the quiz's title, or "The Pyramids: Labelling Activity"
    QString heading;  // the heading the certificate names
    int score = 0;
    int total = 0;
    QStringList wrong; // the numbers of the questions answered wrongly, or the labels not placed
};

} // namespace av
