#pragma once

#include <QString>
#include <stdexcept>

namespace av {

// A failure a handler may trap; the code says which kind, as the screens' error steps need.
class RuntimeError : public std::runtime_error {
  public:
    enum Code {
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        BadFileName = 52,
        FileNotFound = 53,
        FileAlreadyOpen = 55,
        InputPastEnd = 62,
        PermissionDenied = 70,
        PathAccess = 75,
        PathNotFound = 76,
        InvalidPicture = 481,
        PrinterError = 482,
        ObjectMissing = 91,
    };

    RuntimeError(Code code, const QString& what)
        : std::runtime_error(what.toStdString()), m_code(code) {}
    Code code() const { return m_code; }

  private:
    Code m_code;
};

// Runs one step of a load; a failure is passed over so that the steps after it still run.
template <class Step> void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

} // namespace av
