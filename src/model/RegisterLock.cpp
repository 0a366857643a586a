#include "RegisterLock.h"

#include "PlantedLink.h"
#include "Register.h"

#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>

namespace av {
namespace {

// A lock from a program on this computer that is no longer running is taken over at once;
// one from another computer only once it is this old, as its owner cannot be asked.
constexpr std::chrono::milliseconds StaleAfter{30000};

} // namespace

QString RegisterLock::lockPath(const ProgramFolder& folder) {
    return folder.resolveForWriting(QStringLiteral("multiple/track.txt.lock"));
}

// The lock would be read through a link, and a stale one removed; the register would be read
// through one and its names written back into the shared folder.
static QString lockPathWithoutLinks(const ProgramFolder& folder) {
    const QString lock = RegisterLock::lockPath(folder);
    for (const QString& path : {lock, folder.resolve(RegisterPath)})
        if (QFileInfo(path).isSymLink()) throw PlantedLink(path);
    return lock;
}

RegisterLock::RegisterLock(const ProgramFolder& folder, std::chrono::milliseconds wait)
    : m_file(lockPathWithoutLinks(folder)) {
    m_file.setStaleLockTime(StaleAfter);
    if (!m_file.tryLock(wait))
        throw RuntimeError(RuntimeError::PermissionDenied, QStringLiteral("register locked"));
}

RegisterLock::~RegisterLock() {
    m_file.unlock();
}

} // namespace av
