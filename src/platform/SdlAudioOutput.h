#pragma once

#include "WaveFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

namespace av {

struct SdlApi;

// The sound card through SDL's own audio, which is loaded from its shared library when the
// device is opened, so nothing of it weighs on the program's start. It has one voice: start()
// cuts whatever is playing. Used from one thread; SDL's audio thread reads the voice.
class SdlAudioOutput {
  public:
    SdlAudioOutput();
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    // Loads SDL and opens the default device; false when there is no library, server or device.
    bool open();
    void close();
    bool isOpen() const { return m_device != 0; }
    // The device went away under us (the sound server stopped, the card was unplugged).
    bool lost() const;
    void start(WavePtr samples);

  private:
    static void feed(void* self, std::uint8_t* stream, int bytes);

    const SdlApi* m_api = nullptr;
    std::uint32_t m_device = 0;
    std::mutex m_voice;
    WavePtr m_playing;
    std::size_t m_position = 0;
};

} // namespace av
