#include "ResultsSelection.h"

#include <QSet>
#include <algorithm>

namespace av {
namespace {

// Alphabetical without regard to case, then by case so that the order never varies; question
// numbers by their value, before any label's text.
bool readsBefore(const QString& a, const QString& b) {
    bool aNumber = false, bNumber = false;
    const int x = a.toInt(&aNumber), y = b.toInt(&bNumber);
    if (aNumber && bNumber) return x < y;
    if (aNumber != bNumber) return aNumber;
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QStringList sortedOnce(const QSet<QString>& items) {
    QStringList list(items.begin(), items.end());
    std::sort(list.begin(), list.end(), readsBefore);
    return list;
}

} // namespace

ResultsSelection::ResultsSelection(QList<PupilResult> results) : m_all(std::move(results)) {}

QStringList ResultsSelection::pupils() const {
    QSet<QString> names;
    for (const PupilResult& r : m_all)
        names.insert(r.pupil);
    return sortedOnce(names);
}

QStringList ResultsSelection::activities() const {
    QSet<QString> names;
    for (const PupilResult& r : m_all)
        names.insert(r.activity);
    return sortedOnce(names);
}

void ResultsSelection::choosePupil(const QString& pupil) {
    m_pupil = pupil;
}

void ResultsSelection::chooseActivity(const QString& activity) {
    m_activity = activity;
}

QList<PupilResult> ResultsSelection::shown() const {
    if (m_pupil.isEmpty() && m_activity.isEmpty()) return m_all;
    QList<PupilResult> chosen;
    for (const PupilResult& r : m_all)
        if ((m_pupil.isEmpty() || r.pupil == m_pupil) &&
            (m_activity.isEmpty() || r.activity == m_activity))
            chosen << r;
    return chosen;
}

QList<ResultsSelection::WrongCount> ResultsSelection::wrongByQuestion() const {
    QList<WrongCount> counts;
    if (m_activity.isEmpty()) return counts;
    const QMap<QString, int> byItem = wrongCounts(shown(), m_activity);
    QStringList items = byItem.keys();
    std::sort(items.begin(), items.end(), readsBefore);
    for (const QString& item : items)
        counts << WrongCount{item, byItem.value(item)};
    return counts;
}

} // namespace av
