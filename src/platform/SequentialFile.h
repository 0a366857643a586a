#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace av {

class ProgramFolder;
class StagedFile;

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
    // write never leaves the old file half overwritten; a symbolic link at the target is
    // replaced, never written through.
    // Lines are written in Windows-1252, or with `utf8` in UTF-8 behind its mark, for text the
    // code page cannot hold that came from a file written elsewhere.
    void openOutput(const QString& path, bool utf8 = false);

    bool isOpen() const { return m_mode != Mode::Closed; }
    // Whether anything (a file or a folder) stands at the path.
    bool exists(const QString& path) const;

    // One field, ending at a comma or at the end of the line. Blanks and double quotes are text
    // like any other: what a teacher types comes back as typed.
    QString readPlainField();
    // The same, except that a field beginning with a double quote is quoted: it runs to the
    // first quote on its line that only blanks separate from a comma or the line's end, or to
    // the line's end when there is none. The register quotes names that need it this way.
    QString readField();
    bool atEnd() const;

    // A line holding a line break, or a character the file's encoding cannot store, is refused
    // with a RuntimeError, so a file never gains a line or a '?' its writer did not mean.
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
    void skipBlanks();
    QString readQuoted();
    void endField();

    const ProgramFolder& m_folder;
    Mode m_mode = Mode::Closed;
    QString m_path;
    bool m_utf8 = false;
    QString m_text;
    qsizetype m_pos = 0;
    std::unique_ptr<StagedFile> m_out;
};

} // namespace av
