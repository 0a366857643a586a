#pragma once

#include <QString>

class QWidget;

namespace av {

// Asks where a file is to be saved; an empty answer means the teacher cancelled.
class SaveFileChooser {
  public:
    virtual ~SaveFileChooser() = default;
    virtual QString chooseSaveFile(QWidget* parent, const QString& suggested) = 0;
};

// The desktop's own save dialog, for comma-separated values.
class DialogSaveFileChooser : public SaveFileChooser {
  public:
    QString chooseSaveFile(QWidget* parent, const QString& suggested) override;
};

} // namespace av
