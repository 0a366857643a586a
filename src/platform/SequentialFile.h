#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

namespace av {

class ProgramFolder;

// The program's one file number: a text file opened for reading fields or for writing lines.
// Every failure is a RuntimeError the caller may trap.
class SequentialFile {
  public:
    explicit SequentialFile(const ProgramFolder& folder);
    ~SequentialFile();
    SequentialFile(const SequentialFile&) = delete;
    SequentialFile& operator=(const SequentialFile&) = delete;

    // Text is read as UTF-8 when it starts with the UTF-8 mark (the mark is dropped) or is
    // valid UTF-8 holding other than plain ASCII; otherwise as Windows-1252.
    void openInput(const QString& path);
    // Output goes to a file beside the target and replaces it only when closed, so a failed
    // write never leaves the old file half overwritten.
    void openOutput(const QString& path);

    bool isOpen() const { return m_mode != Mode::Closed; }
    // Whether anything (a file or a folder) stands at the path.
    bool exists(const QString& path) const;

    // One field: leading blanks skipped; ends at a comma or at the end of the line; a field
    // that begins with a double quote runs to the closing quote.
    QString readField();
    bool atEnd() const;

    void writeLine(const QString& text);
    // Hands what was written so far to the disk, so a full disk shows here rather than at close.
    void flush();

    // Closing an output file commits it; closing is always safe, also when nothing is open.
    void close();
    // Closes after a failure: output written so far is thrown away.
    void abandon();

  private:
    enum class Mode { Closed, Input, Output };

    void skipLineEnd();

    const ProgramFolder& m_folder;
    Mode m_mode = Mode::Closed;
    QString m_path;
    QString m_text;
    qsizetype m_pos = 0;
    std::unique_ptr<QSaveFile> m_out;
};

} // namespace av
