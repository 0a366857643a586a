#pragma once

#include <QString>

namespace av {

// The program's own folder, where its data tree and the worksheets live.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    const QString& root() const { return m_root; }

    // Paths are written with "\" or "/"; a name that is missing exactly is matched without
    // regard to case ("Images" and "images" are one folder). Names that would step outside the
    // folder ("..", ".") are refused with a RuntimeError.
    QString resolve(const QString& relativePath) const;

private:
    QString m_root;
};

} // namespace av
