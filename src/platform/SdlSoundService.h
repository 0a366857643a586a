#pragma once

#include "ProgramFolder.h"
#include "SdlAudioOutput.h"
#include "Services.h"
#include "WaveFile.h"

#include <QHash>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace av {

// Plays the program's wave files, one at a time: a new sound cuts the one playing. play() only
// hands the path to a worker thread, which reads each file once, keeps it, and starts it on the
// card. Nothing is loaded or opened until prepare(), which the program calls once its first
// screen is up and touched. A sound asked for before the card is ready plays when it is, unless it
// is by then more than LateLimit old. Files it cannot play, and a machine without sound, are
// silent.
class SdlSoundService : public SoundService {
  public:
    enum class Device { NotPrepared, Opening, Ready, Unavailable };
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds LateLimit{250};

    explicit SdlSoundService(ProgramFolder folder);
    ~SdlSoundService() override;
    SdlSoundService(const SdlSoundService&) = delete;
    SdlSoundService& operator=(const SdlSoundService&) = delete;

    void play(const QString& path) override;
    // Starts the worker, which loads the sound library and opens the card; later calls do nothing.
    void prepare();
    Device device() const;
    // Waits until the card is open or known to be unavailable; for tests and benchmarks.
    Device waitForDevice(std::chrono::milliseconds timeout) const;

  private:
    struct Request {
        QString path;
        Clock::time_point asked;
    };

    void run();
    bool ensureOpen();
    void serve(const Request& request);
    WavePtr wave(const QString& path);
    void setDevice(Device device);

    const ProgramFolder m_folder;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::optional<Request> m_pending;
    Device m_device = Device::NotPrepared;
    bool m_stop = false;
    std::thread m_worker;

    // The worker's own.
    SdlAudioOutput m_output;
    QHash<QString, WavePtr> m_waves;
    Clock::time_point m_lastAttempt;
};

} // namespace av
