#include "PupilResult.h"

namespace av {

QMap<QString, int> wrongCounts(const QList<PupilResult>& results, const QString& activity) {
    QMap<QString, int> counts;
    for (const PupilResult& result : results) {
        if (result.activity != activity) continue;
        for (const QString& item : result.wrong)
            ++counts[item];
    }
    return counts;
}

} // namespace av
