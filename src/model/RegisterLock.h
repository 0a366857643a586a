#pragma once

#include <QLockFile>
#include <chrono>

namespace av {

class ProgramFolder;

// Held around every change to the register, so programs sharing one worksheet folder (two
// teachers, or two computers on a school share) take turns: under it a change re-reads the
// register, applies itself and replaces the file whole. The lock is a file in the worksheet
// folder; one left behind by a program that crashed is taken over.
class RegisterLock {
  public:
    static constexpr std::chrono::milliseconds DefaultWait{3000};

    // Waits up to `wait` for the lock; failing that, throws RuntimeError(PermissionDenied)
    // before anything is written. A symbolic link at the lock or the register is refused at
    // once with PlantedLink.
    explicit RegisterLock(const ProgramFolder& folder,
                          std::chrono::milliseconds wait = DefaultWait);
    ~RegisterLock();
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;

    static QString lockPath(const ProgramFolder& folder);

  private:
    QLockFile m_file;
};

} // namespace av
