#include "SdlSoundService.h"

#include "RuntimeError.h"

#include <QFile>

namespace av {

namespace {

// The longest sound we ship is three seconds; anything far bigger is no sound of ours.
constexpr qint64 LargestFile = 16 * 1024 * 1024;
// A card that failed is tried again on a later sound, but not more often than this.
constexpr std::chrono::seconds RetryAfter{2};

} // namespace

SdlSoundService::SdlSoundService(ProgramFolder folder) : m_folder(std::move(folder)) {}

SdlSoundService::~SdlSoundService() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_worker.joinable()) m_worker.join();
}

void SdlSoundService::play(const QString& path) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = Request{path, Clock::now()};
    }
    m_changed.notify_all();
}

void SdlSoundService::prepare() {
    const std::lock_guard lock(m_mutex);
    if (m_device != Device::NotPrepared) return;
    m_device = Device::Opening;
    m_worker = std::thread(&SdlSoundService::run, this);
}

SdlSoundService::Device SdlSoundService::device() const {
    const std::lock_guard lock(m_mutex);
    return m_device;
}

SdlSoundService::Device SdlSoundService::waitForDevice(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [this] { return m_device != Device::Opening; });
    return m_device;
}

void SdlSoundService::setDevice(Device device) {
    {
        const std::lock_guard lock(m_mutex);
        m_device = device;
    }
    m_changed.notify_all();
}

void SdlSoundService::run() {
    ensureOpen();
    for (;;) {
        Request request;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop) break;
            request = std::move(*m_pending);
            m_pending.reset();
        }
        serve(request);
    }
    m_output.close();
}

bool SdlSoundService::ensureOpen() {
    if (m_output.lost()) {
        m_output.close();
        setDevice(Device::Unavailable);
    }
    if (m_output.isOpen()) return true;
    const Clock::time_point now = Clock::now();
    if (m_lastAttempt != Clock::time_point() && now - m_lastAttempt < RetryAfter) return false;
    m_lastAttempt = now;
    setDevice(Device::Opening);
    const bool open = m_output.open();
    setDevice(open ? Device::Ready : Device::Unavailable);
    return open;
}

void SdlSoundService::serve(const Request& request) {
    WavePtr samples = wave(request.path);
    if (!ensureOpen()) return;
    // A sound that waited for the card too long would no longer belong to what the pupil did.
    if (Clock::now() - request.asked > LateLimit) return;
    // A file that cannot be played is silent, and cuts the sound before it all the same.
    m_output.start(std::move(samples));
}

WavePtr SdlSoundService::wave(const QString& path) {
    if (const auto found = m_waves.constFind(path); found != m_waves.constEnd()) return *found;
    QString full;
    try {
        full = m_folder.resolve(path);
    } catch (const RuntimeError&) {
        return nullptr;
    }
    QFile file(full);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestFile) return nullptr;
    WavePtr samples = decodeWave(file.readAll());
    // Only sounds that play are kept: a file put right later is read again.
    if (samples) m_waves.insert(path, samples);
    return samples;
}

} // namespace av
