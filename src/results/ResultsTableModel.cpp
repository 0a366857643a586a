#include "ResultsTableModel.h"

namespace av {

void ResultsTableModel::setResults(QList<PupilResult> results) {
    beginResetModel();
    m_results = std::move(results);
    endResetModel();
}

QString ResultsTableModel::cellText(const PupilResult& result, int column) {
    switch (column) {
    case When:
        return result.when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case Pupil:
        return result.pupil;
    case Activity:
        return result.activity;
    case Score:
        return QStringLiteral("%1 out of %2").arg(result.score).arg(result.outOf);
    default:
        return QString();
    }
}

QString ResultsTableModel::heading(int column) {
    switch (column) {
    case When:
        return QStringLiteral("When");
    case Pupil:
        return QStringLiteral("Pupil");
    case Activity:
        return QStringLiteral("Activity");
    case Score:
        return QStringLiteral("Score");
    default:
        return QString();
    }
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_results.size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_results.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cellText(m_results[index.row()], index.column());
    return {};
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return heading(section);
}

} // namespace av
