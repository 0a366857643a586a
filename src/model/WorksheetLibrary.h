#pragma once

#include "QuestionSet.h"
#include "WorksheetRegister.h"

#include <QString>
#include <QStringList>

namespace av {

class ProgramFolder;

// The worksheet folder: the register of titles, each worksheet's question file, the lock that
// programs sharing the folder take turns under, and the mending of an unreadable register. A
// title as the register lists it is the worksheet's one identity. Each change either happens
// whole or leaves every file as it was, and says what failed; no caller sees a file or a lock.
class WorksheetLibrary {
  public:
    enum class Failure {
        None,
        Damaged,    // the question file is missing or cannot be read whole
        Refused,    // the title is kept for something else; the message says what
        Exists,     // saving without leave to replace a listed title; nothing was written
        Link,       // a symbolic link stands where the register or its lock belongs
        Unwritable, // the folder, the register or the file could not be written or read
        Unreadable, // the register could not be read; nothing was written
    };
    // Replace::Yes files over a listed title unasked (the worksheet the wizard holds).
    enum class Replace { Ask, Yes };

    struct Outcome {
        Failure failure = Failure::None;
        QString message; // what the teacher is told about the failure; empty when there is none
        QString notice;  // the register was made again: told once, whether the call failed or not
        bool ok() const { return failure == Failure::None; }
    };
    struct Opened : Outcome {
        QuestionSet set;
    };

    explicit WorksheetLibrary(const ProgramFolder& folder);
    WorksheetLibrary(const WorksheetLibrary&) = delete;
    WorksheetLibrary& operator=(const WorksheetLibrary&) = delete;

    // The titles as last read from the register, in its order.
    QStringList titles() const { return m_list.names(); }
    bool contains(const QString& title) const { return m_list.contains(title); }

    // Reads the register again without changing any file. A read that stops part way keeps what
    // it got and the titles from before in the slots it did not reach; a missing register
    // leaves the titles as they were (Unreadable).
    Outcome reload();
    // Reads the register for a teacher's change, making it again from the question files when
    // it cannot be read.
    Outcome refresh();

    // The worksheet filed under the title; its set's title is the title asked for, whatever the
    // file's first line spells.
    Opened open(const QString& title) const;
    // One of the program's own topic quizzes, by its path; the set keeps the file's own title.
    Opened openTopicQuiz(const QString& path) const;

    // Files the set under the title: the question file is written beside its place and takes it
    // only once the register lists the title.
    Outcome save(const QString& title, const QuestionSet& set, Replace replace);
    // Takes the title off the register; its question file stays, as the register alone lists
    // worksheets, so a worksheet whose file is gone or damaged can still be removed.
    Outcome remove(const QString& title);

  private:
    Opened read(const QString& path) const;
    void writeAndRegister(const QString& title, const QuestionSet& set);

    const ProgramFolder& m_folder;
    WorksheetRegister m_list;
};

} // namespace av
