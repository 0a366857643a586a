#pragma once

#include "PupilResult.h"

#include <QDate>
#include <QList>
#include <QString>

namespace av {

// The "results" folder inside a worksheet folder. Every computer and account writes a file of
// its own for each day and only ever appends to it, so programs on many computers sharing one
// network folder need no lock, and a folder whose file system passes no locks loses nothing.
class ResultsFolder {
  public:
    explicit ResultsFolder(QString worksheetFolder);

    QString path() const { return m_path; }

    // The file one computer's account writes on one day.
    static QString fileName(const QString& computer, const QString& account, QDate day);

    // Appends `result` whole to its file and flushes it to disk. A new file is made readable
    // by its account and the folder's group only. False, with the reason, when it could not.
    bool record(const PupilResult& result, QString* error = nullptr) const;

    struct Reading {
        bool readable = true;       // false: the folder exists but may not be listed or read
        QList<PupilResult> results; // newest first
        int skippedFiles = 0;       // files of another format, or unreadable
        int skippedLines = 0;       // damaged lines, and lines cut short by a crash
    };
    Reading read() const;

    // Removes the results files it can, nothing else; false, with the reason, when any stays.
    bool removeAll(QString* error = nullptr) const;

  private:
    QString m_path;
};

} // namespace av
