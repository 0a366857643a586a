#pragma once

#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace av::test {

// A private PulseAudio server of this process, whose one sink writes into a pipe paced by the
// clock, and a reader that keeps what arrives: what a pupil's loudspeaker would have played.
// The sink takes 48 kHz stereo float, a desktop's usual format; the left channel is kept.
// Starting it points this process's sound clients at it (PULSE_SERVER), so build it before
// any sound library connects.
class PulseCapture {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 48000;

    PulseCapture();
    ~PulseCapture();
    PulseCapture(const PulseCapture&) = delete;
    PulseCapture& operator=(const PulseCapture&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    const QString& failure() const { return m_failure; }
    QString socketPath() const;
    // Stops the server, as a sound server that goes away under the program.
    void stopServer();

    std::size_t frames() const;
    // The samples from frame `from` on, as many as have arrived.
    std::vector<float> since(std::size_t from) const;
    // When frame `frame` arrived in the pipe; empty while it has not.
    std::optional<Clock::time_point> arrival(std::size_t frame) const;
    // Waits until `count` frames in all have arrived; false on timeout.
    bool waitForFrames(std::size_t count, std::chrono::milliseconds timeout) const;
    // Waits for `duration` of sound to arrive after frame `from`.
    bool waitFor(std::size_t from, std::chrono::milliseconds duration) const;

  private:
    struct Chunk {
        std::size_t end; // frames in all once this chunk was read
        Clock::time_point at;
    };

    QString start();
    void read(int fd);

    QTemporaryDir m_dir;
    QString m_failure;
    pid_t m_server = -1;
    std::atomic<bool> m_stop{false};
    std::thread m_reader;
    mutable std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<Chunk> m_chunks;
};

// Frames at the capture's rate in a span of time.
constexpr std::size_t captureFrames(std::chrono::milliseconds span) {
    return std::size_t(span.count()) * PulseCapture::Rate / 1000;
}

} // namespace av::test
