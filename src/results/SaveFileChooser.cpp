#include "SaveFileChooser.h"

#include <QFileDialog>

namespace av {

QString DialogSaveFileChooser::chooseSaveFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Pupils' Results"), suggested,
                                        QStringLiteral("Comma-separated values (*.csv)"));
}

} // namespace av
