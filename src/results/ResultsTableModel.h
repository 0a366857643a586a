#pragma once

#include "model/PupilResult.h"

#include <QAbstractTableModel>
#include <QList>

namespace av {

// Results as the teacher's table shows them: When, Pupil, Activity, Score. Texts are made only
// for the rows on show, so a school's year of results opens at once.
class ResultsTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { When, Pupil, Activity, Score, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setResults(QList<PupilResult> results);
    const QList<PupilResult>& results() const { return m_results; }

    // The text of one cell, as shown and printed.
    static QString cellText(const PupilResult& result, int column);
    static QString heading(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QList<PupilResult> m_results;
};

} // namespace av
