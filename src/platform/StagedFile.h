#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

namespace av {

// A file written beside its target under a name of its own ("<target>.XXXXXX") and moved over
// the target only when complete. Neither the staged file nor the target is ever opened through
// a symbolic link: a link standing at the target is replaced, never written through, so a link
// planted in a shared folder cannot lead a save to a file elsewhere.
class StagedFile {
  public:
    explicit StagedFile(QString target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Each returns false on failure; commit() then leaves the old target as it was.
    bool open();
    bool write(const QByteArray& bytes);
    // Writes out what is buffered, so a full disk shows here rather than at commit.
    bool flush();
    bool commit();
    // Throws away what was written; safe to call at any time.
    void cancel();

    bool isOpen() const { return m_fd >= 0; }

  private:
    bool writeOut(const char* data, qsizetype size);

    QString m_target;
    QString m_staged;
    QByteArray m_buffer;
    int m_fd = -1;
};

// Whether a file name is one a StagedFile gives its staged copy ("First sheet.txt.tNiHeh").
bool isStagedName(const QString& fileName);

// Removes staged copies in the folder that a save killed half way left behind, once they are
// older than `age`, so that no save still in progress (on this computer or another sharing the
// folder) loses its file. Returns how many were removed.
int removeAbandonedStagedFiles(const QString& folder, std::chrono::seconds age);

// Far longer than any save takes, with room for clocks of computers sharing a folder to differ.
inline constexpr std::chrono::hours AbandonedAfter{1};

} // namespace av
