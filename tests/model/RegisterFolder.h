#pragma once

#include "model/WorksheetRegister.h"
#include "platform/ProgramFolder.h"
#include "platform/SequentialFile.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace av::test {

// A throwaway worksheet folder with the file and the register copy the program would use; no
// display and no application object.
class RegisterFolder {
  public:
    RegisterFolder();

    QString path() const { return m_dir.path(); }
    void write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;

  private:
    QTemporaryDir m_dir;

  public:
    ProgramFolder folder{m_dir.path()};
    SequentialFile file{folder};
    WorksheetRegister list;
};

} // namespace av::test
