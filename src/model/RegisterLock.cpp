#include "RegisterLock.h"

#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

namespace av {
namespace {

// A lock from a program on this computer that is no longer running is taken over at once;
// one from another computer only once it is this old, as its owner cannot be asked.
constexpr std::chrono::milliseconds StaleAfter{30000};

} // namespace

QString RegisterLock::lockPath(const ProgramFolder& folder) {
    return folder.resolveForWriting(QStringLiteral("multiple/track.txt.lock"));
}

RegisterLock::RegisterLock(const ProgramFolder& folder, std::chrono::milliseconds wait)
    : m_file(lockPath(folder)) {
    m_file.setStaleLockTime(StaleAfter);
    if (!m_file.tryLock(wait))
        throw RuntimeError(RuntimeError::PermissionDenied, QStringLiteral("register locked"));
}

RegisterLock::~RegisterLock() {
    m_file.unlock();
}

} // namespace av
