#include "WrongCountsModel.h"

namespace av {

void WrongCountsModel::setCounts(QList<ResultsSelection::WrongCount> counts) {
    beginResetModel();
    m_counts = std::move(counts);
    endResetModel();
}

QString WrongCountsModel::itemText(const QString& item) {
    bool number = false;
    item.toInt(&number);
    return number ? QStringLiteral("Question ") + item : item;
}

QString WrongCountsModel::pupilsText(int pupils) {
    return pupils == 1 ? QStringLiteral("1 pupil") : QStringLiteral("%1 pupils").arg(pupils);
}

int WrongCountsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_counts.size());
}

int WrongCountsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant WrongCountsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_counts.size()) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const ResultsSelection::WrongCount& count = m_counts[index.row()];
    return index.column() == 0 ? itemText(count.item) : pupilsText(count.pupils);
}

QVariant WrongCountsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("Answered wrongly") : QStringLiteral("By");
}

} // namespace av
