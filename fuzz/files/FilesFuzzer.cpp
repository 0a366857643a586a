#include "model/QuestionFile.h"
#include "model/Register.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace av;

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

struct Folder {
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    Folder() { QDir(dir.path()).mkpath(QStringLiteral("multiple")); }

    void put(const QString& relative, const QByteArray& bytes) const {
        QFile file(dir.path() + QLatin1Char('/') + relative);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
        file.write(bytes);
    }
    QByteArray get(const QString& relative) const {
        QFile file(dir.path() + QLatin1Char('/') + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

const QString FieldsPath = QStringLiteral("multiple/input.txt");
const QString WrittenPath = QStringLiteral("multiple/written.txt");

// Every read takes at least one character or one delimiter, so the fields run out in time, and
// reading past the last one is the trappable end-of-file error.
void readAllFields(const Folder& f, qsizetype size) {
    SequentialFile file(f.folder);
    file.openInput(FieldsPath);
    qsizetype fields = 0;
    qsizetype characters = 0;
    while (!file.atEnd()) {
        const QString field = file.readField();
        check(++fields <= size, "more fields than bytes");
        characters += field.size();
    }
    check(characters <= size, "fields hold more characters than the file");
    try {
        file.readField();
        check(false, "read past the end");
    } catch (const RuntimeError& e) {
        check(e.code() == RuntimeError::InputPastEnd, "wrong error past the end");
    }
    file.close();
}

// A field the writer puts on a line of its own and the reader gives back unchanged.
bool survivesALine(const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) return false;
    if (text.startsWith(QLatin1Char('"'))) return false;
    return !text.startsWith(QLatin1Char(' ')) && !text.startsWith(QLatin1Char('\t'));
}

bool writable(const QuestionSet& s) {
    if (!survivesALine(s.title)) return false;
    for (int n = 1; n <= 10; ++n) {
        const Question& q = s.question(n);
        for (const QString* text :
             {&q.text, &q.choices[0], &q.choices[1], &q.choices[2], &q.choices[3], &q.correct})
            if (!survivesALine(*text)) return false;
        if (q.correct.contains(QLatin1Char(','))) return false; // digit lines are not escaped
    }
    return true;
}

bool sameSet(const QuestionSet& a, const QuestionSet& b) {
    if (a.title != b.title) return false;
    for (int n = 1; n <= 10; ++n)
        if (a.question(n).text != b.question(n).text ||
            a.question(n).choices != b.question(n).choices ||
            a.question(n).correct != b.question(n).correct)
            return false;
    return true;
}

// Whatever loads, written back and loaded again, is the same set.
void loadQuestions(const Folder& f) {
    SequentialFile file(f.folder);
    QuestionSet set;
    file.openInput(FieldsPath);
    try {
        readQuestionSet(file, set);
    } catch (const RuntimeError& e) {
        check(e.code() == RuntimeError::InputPastEnd,
              "reading the set failed other than at the end");
        return;
    }
    file.close();
    if (!writable(set)) return;
    file.openOutput(WrittenPath);
    writeQuestionFile(file, set);
    file.close();
    QuestionSet again;
    file.openInput(WrittenPath);
    readQuestionSet(file, again);
    check(file.atEnd(), "a written question file has more than 72 lines");
    file.close();
    check(sameSet(set, again), "a question set changed on its way through a file");
}

QStringList listed(SequentialFile& file, WorksheetRegister& list) {
    loadRegister(file, list);
    return list.names();
}

// Names a wizard can produce; a title never holds a double quote or a line end.
bool typeable(const QStringList& names) {
    for (const QString& name : names)
        if (name.contains(QLatin1Char('"')) || name.contains(QLatin1Char('\r')) ||
            name.contains(QLatin1Char('\n')))
            return false;
    return true;
}

// After a load, an append and a delete of a title not yet listed give back the same names.
void loadRegisterFile(const Folder& f, const QByteArray& bytes, const QString& title) {
    f.put(QStringLiteral("multiple/track.txt"), bytes);
    SequentialFile file(f.folder);
    auto list = std::make_unique<WorksheetRegister>();
    QStringList names;
    try {
        names = listed(file, *list);
    } catch (const RuntimeError& e) {
        check(!file.isOpen(), "a failed load left the register open");
        check(e.code() == RuntimeError::InputPastEnd || e.code() == RuntimeError::TypeMismatch ||
                  e.code() == RuntimeError::SubscriptOutOfRange,
              "unexpected register error");
        return;
    }
    check(!file.isOpen(), "the register was left open");
    if (list->count() < 0 || names.contains(title) || !typeable(names)) return;
    if (list->count() == 1000) {
        try {
            registerWorksheet(file, *list, title);
            check(false, "a 1001st name was registered");
        } catch (const RuntimeError&) {
            check(f.get(QStringLiteral("multiple/track.txt")) == bytes, "a full register changed");
        }
        return;
    }
    registerWorksheet(file, *list, title);
    check(listed(file, *list) == names + QStringList{title}, "append lost or changed a name");
    unregisterWorksheet(file, *list, title);
    check(listed(file, *list) == names, "delete did not give the names back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Folder f;
    static const QString titles[] = {QStringLiteral("Rome, Greece"), QStringLiteral(" Romans"),
                                     QStringLiteral("Egypt "), QStringLiteral("Plain"),
                                     QStringLiteral("\tTabbed, too")};
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    f.put(FieldsPath, bytes);
    readAllFields(f, bytes.size());
    loadQuestions(f);
    loadRegisterFile(f, bytes, titles[size % 5]);
    return 0;
}
