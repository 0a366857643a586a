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

void writeRegister(SequentialFile& file, const AppState& state, int count) {
    FileGuard guard(file);
    file.openOutput(RegisterPath);
    file.writeLine(printedNumber(count));
    for (int i = 1; i <= count; ++i) file.writeLine(registerLine(state.registerNames[i]));
    guard.close();
}

} // namespace

QString registerLine(const QString& name) {
    const bool needsQuotes = name.contains(QLatin1Char(',')) ||
                             name.startsWith(QLatin1Char(' ')) ||
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

void trackworksheets(SequentialFile& file, AppState& state, const QString& title) {
    loadRegister(file, state);
    const int count = state.registerCount;
    for (int i = 1; i <= count; ++i)
        if (state.registerNames[i] == title) return;
    checkSlot(static_cast<long long>(count) + 1);
    state.registerNames[count + 1] = title;
    writeRegister(file, state, count + 1);
}

void delworksheet(SequentialFile& file, AppState& state) {
    loadRegister(file, state);
    int position = 0;
    for (int i = 1; i <= state.registerCount; ++i)
        if (state.registerNames[i] == state.deleteName) position = i;
    if (position == 0) return; // shifting from slot 0 would lose the first name
    for (int i = position; i <= state.registerCount - 1; ++i)
        state.registerNames[i] = state.registerNames[i + 1];
    state.registerCount -= 1;
    writeRegister(file, state, state.registerCount);
}

} // namespace av
