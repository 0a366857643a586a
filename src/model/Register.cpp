#include "Register.h"

#include "platform/Cp1252.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <climits>

namespace av {
namespace {

// Closes the file on the way out, throwing away unfinished output after a failure.
class FileGuard {
  public:
    explicit FileGuard(SequentialFile& file) : m_file(file) {}
    ~FileGuard() { m_file.abandon(); }
    void close() { m_file.close(); }

  private:
    SequentialFile& m_file;
};

} // namespace

void writeRegister(SequentialFile& file, const QStringList& names) {
    FileGuard guard(file);
    // A name the code page cannot hold came from a register edited elsewhere in UTF-8; the
    // register stays in UTF-8 then, so no name is spoilt.
    bool utf8 = false;
    for (const QString& name : names)
        for (QChar c : name)
            utf8 = utf8 || !cp1252::canEncode(c);
    file.openOutput(RegisterPath, utf8);
    file.writeLine(printedNumber(static_cast<int>(names.size())));
    for (const QString& name : names)
        file.writeLine(registerLine(name));
    guard.close();
}

QString registerLine(const QString& name) {
    const bool needsQuotes = name.contains(QLatin1Char(',')) || name.startsWith(QLatin1Char('"')) ||
                             name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')) ||
                             name.startsWith(QLatin1Char('\t')) || name.endsWith(QLatin1Char('\t'));
    return needsQuotes ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

void loadRegister(SequentialFile& file, WorksheetRegister& list) {
    FileGuard guard(file);
    file.openInput(RegisterPath);
    const long long count = fieldToInteger(file.readField());
    if (count > INT_MAX || count < INT_MIN)
        throw RuntimeError(RuntimeError::TypeMismatch, QStringLiteral("register count"));
    list.setCount(static_cast<int>(count));
    for (int i = 1; i <= count; ++i)
        list.setName(i, file.readField());
    guard.close();
}

bool registerWorksheet(SequentialFile& file, WorksheetRegister& list, const QString& title) {
    // A register that is not there yet starts empty: this is the first worksheet.
    if (file.exists(RegisterPath))
        loadRegister(file, list);
    else
        list.setCount(0);
    if (list.contains(title)) return false;
    const int count = list.count();
    list.setName(count + 1, title);
    QStringList names = list.names();
    names.append(title);
    writeRegister(file, names);
    return true;
}

void unregisterWorksheet(SequentialFile& file, WorksheetRegister& list, const QString& title) {
    loadRegister(file, list);
    const int position = static_cast<int>(list.names().lastIndexOf(title)) + 1;
    if (position == 0) return;
    QStringList names = list.names();
    names.removeAt(position - 1);
    // The copy changes only once the file has, so a failed delete leaves both as they were.
    writeRegister(file, names);
    list.removeSlot(position);
}

} // namespace av
