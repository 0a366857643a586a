#pragma once

#include "model/ResultsSelection.h"

#include <QAbstractTableModel>

namespace av {

// For one quiz or activity: each question (or label) that pupils got wrong, and how many did.
class WrongCountsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCounts(QList<ResultsSelection::WrongCount> counts);

    // "Question 3" for a question's number, a label's own text otherwise.
    static QString itemText(const QString& item);
    static QString pupilsText(int pupils);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QList<ResultsSelection::WrongCount> m_counts;
};

} // namespace av
