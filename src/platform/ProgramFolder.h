#pragma once

#include <QString>
#include <QStringList>

namespace av {

// Where the program reads its data and keeps its worksheets.
struct FolderPlan {
    QString data;        // the data tree: pictures, sounds, pages and the shipped quizzes
    QString worksheets;  // the worksheet folder: the register and the teachers' question files
    QString readOnly;    // nothing is written under it (the installed tree); empty when portable
    QStringList shipped; // question files read from the data tree's "multiple", never written
};

// The worksheet folder's name, relative to the program's folder.
inline QString worksheetFolderName() {
    return QStringLiteral("multiple");
}

// The program's folders. Paths are relative, as the screens name them; "multiple" is the
// worksheet folder, which may live apart from the data tree.
class ProgramFolder {
  public:
    // Portable: data and worksheets in one folder.
    explicit ProgramFolder(QString root);
    explicit ProgramFolder(FolderPlan plan);

    const QString& root() const { return m_plan.data; }
    const QString& worksheetFolder() const { return m_plan.worksheets; }
    // What named the worksheet folder (a settings file, "--worksheets"); empty for the default.
    const QString& worksheetSource() const { return m_worksheetSource; }
    void setWorksheetSource(const QString& source) { m_worksheetSource = source; }

    // Paths are written with "\" or "/"; a name that is missing exactly is matched without
    // regard to case ("Images" and "images" are one folder). Names that would step outside the
    // folder ("..", ".") are refused with a RuntimeError.
    QString resolve(const QString& relativePath) const;
    // The same for a file about to be written: a worksheet folder of its own is created with an
    // empty register when first needed, and a path under the read-only tree is refused.
    QString resolveForWriting(const QString& relativePath) const;

  private:
    QString resolveIn(QString path, const QStringList& parts, qsizetype first) const;
    bool isShipped(const QStringList& parts) const;
    bool separateWorksheets() const;
    void prepareWorksheetFolder() const;

    FolderPlan m_plan;
    QString m_worksheetSource;
};

// The register a new worksheet folder starts with: no names.
inline constexpr char EmptyRegister[] = " 0 \r\n";

} // namespace av
