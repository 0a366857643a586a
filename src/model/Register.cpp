#include "Register.h"

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

void checkSlot(long long i) {
    if (i < 0 || i >= RegisterSlots)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
                           QStringLiteral("register slot %1").arg(i));
}

} // namespace

void writeRegister(SequentialFile& file, const QStringList& names) {
    FileGuard guard(file);
    file.openOutput(RegisterPath);
    file.writeLine(printedNumber(static_cast<int>(names.size())));
    for (const QString& name : names)
        file.writeLine(registerLine(name));
    guard.close();
}

bool isRegistered(const AppState& state, const QString& title) {
    for (int i = 1; i <= state.registerCount && i < RegisterSlots; ++i)
        if (state.registerNames[static_cast<size_t>(i)] == title) return true;
    return false;
}

QString registerLine(const QString& name) {
    const bool needsQuotes = name.contains(QLatin1Char(',')) || name.startsWith(QLatin1Char(' ')) ||
                             name.endsWith(QLatin1Char(' ')) ||
                             name.startsWith(QLatin1Char('\t')) || name.endsWith(QLatin1Char('\t'));
    return needsQuotes ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

void loadRegister(SequentialFile& file, AppState& state) {
    FileGuard guard(file);
    file.openInput(RegisterPath);
    const long long count = fieldToInteger(file.readField());
    if (count > INT_MAX || count < INT_MIN)
        throw RuntimeError(RuntimeError::TypeMismatch, QStringLiteral("register count"));
    state.registerCount = static_cast<int>(count);
    for (long long i = 1; i <= count; ++i) {
        checkSlot(i);
        state.registerNames[static_cast<size_t>(i)] = file.readField();
    }
    guard.close();
}

bool trackworksheets(SequentialFile& file, AppState& state, const QString& title) {
    // A register that is not there yet starts empty: this is the first worksheet.
    if (file.exists(RegisterPath))
        loadRegister(file, state);
    else
        state.registerCount = 0;
    const int count = state.registerCount;
    if (isRegistered(state, title)) return false;
    checkSlot(static_cast<long long>(count) + 1);
    state.registerNames[count + 1] = title;
    QStringList names;
    for (int i = 1; i <= count + 1; ++i)
        names.append(state.registerNames[i]);
    writeRegister(file, names);
    return true;
}

void delworksheet(SequentialFile& file, AppState& state) {
    loadRegister(file, state);
    int position = 0;
    for (int i = 1; i <= state.registerCount; ++i)
        if (state.registerNames[i] == state.deleteName) position = i;
    if (position == 0) return; // shifting from slot 0 would lose the first name
    QStringList names;
    for (int i = 1; i <= state.registerCount; ++i)
        if (i != position) names.append(state.registerNames[i]);
    // The shared copy changes only once the file has, so a failed delete leaves both as they were.
    writeRegister(file, names);
    for (int i = position; i <= state.registerCount - 1; ++i)
        state.registerNames[i] = state.registerNames[i + 1];
    state.registerCount -= 1;
}

} // namespace av
