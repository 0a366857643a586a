#include "SdlAudioOutput.h"

#include "ProgramTitle.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>

namespace av {

struct SdlApi {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_OpenAudioDevice) openAudioDevice;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice;
    decltype(&SDL_GetAudioDeviceStatus) audioDeviceStatus;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice;
};

namespace {

// 256 frames at 22,050 Hz is 11.6 ms a period: short enough that a click follows its command at
// once, long enough that a busy machine does not starve the card.
constexpr Uint16 PeriodFrames = 256;

template <class F> bool resolve(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// Loaded once and kept for the life of the process: SDL's threads and the sound server's client
// library do not survive being unloaded.
const SdlApi* loadSdl() {
    static const SdlApi* api = []() -> const SdlApi* {
        void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static SdlApi loaded;
        const bool complete =
            resolve(library, "SDL_SetHint", loaded.setHint) &&
            resolve(library, "SDL_InitSubSystem", loaded.initSubSystem) &&
            resolve(library, "SDL_QuitSubSystem", loaded.quitSubSystem) &&
            resolve(library, "SDL_OpenAudioDevice", loaded.openAudioDevice) &&
            resolve(library, "SDL_PauseAudioDevice", loaded.pauseAudioDevice) &&
            resolve(library, "SDL_GetAudioDeviceStatus", loaded.audioDeviceStatus) &&
            resolve(library, "SDL_CloseAudioDevice", loaded.closeAudioDevice);
        return complete ? &loaded : nullptr;
    }();
    return api;
}

extern "C" void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound server SDL falls back to ALSA, whose library reports every failure on stderr;
// the program promises silence instead. SDL loads the same library, so the handler holds for it.
void quietenAlsa() {
    static const bool quiet = [] {
        void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) return false;
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        int (*setHandler)(Handler) = nullptr;
        if (!resolve(library, "snd_lib_error_set_handler", setHandler)) return false;
        setHandler(&ignoreAlsaError);
        return true;
    }();
    (void)quiet;
}

} // namespace

SdlAudioOutput::SdlAudioOutput() = default;

SdlAudioOutput::~SdlAudioOutput() {
    close();
}

bool SdlAudioOutput::open() {
    if (m_device) return true;
    m_api = loadSdl();
    if (!m_api) return false;
    m_api->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_api->setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, ProgramTitle);
    m_api->setHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sounds");
    quietenAlsa();
    if (m_api->initSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = WaveRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = PeriodFrames;
    wanted.callback = &SdlAudioOutput::feed;
    wanted.userdata = this;
    SDL_AudioSpec got{};
    // No changes allowed: SDL converts for the card, so the callback always speaks our format.
    m_device = m_api->openAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (m_device == 0) {
        m_api->quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // The stream runs from now on, silent between sounds, so a sound starts within a period.
    m_api->pauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudioOutput::close() {
    if (!m_device) return;
    m_api->closeAudioDevice(m_device);
    m_api->quitSubSystem(SDL_INIT_AUDIO);
    m_device = 0;
    const std::lock_guard lock(m_voice);
    m_playing.reset();
}

bool SdlAudioOutput::lost() const {
    return m_device && m_api->audioDeviceStatus(m_device) == SDL_AUDIO_STOPPED;
}

void SdlAudioOutput::start(WavePtr samples) {
    const std::lock_guard lock(m_voice);
    m_playing = std::move(samples);
    m_position = 0;
}

void SdlAudioOutput::feed(void* self, std::uint8_t* stream, int bytes) {
    auto* out = static_cast<SdlAudioOutput*>(self);
    const std::size_t wanted = std::size_t(std::max(bytes, 0)) / sizeof(std::int16_t);
    std::size_t copied = 0;
    {
        const std::lock_guard lock(out->m_voice);
        if (out->m_playing) {
            const WaveSamples& samples = *out->m_playing;
            copied = std::min(wanted, samples.size() - out->m_position);
            std::memcpy(stream, samples.data() + out->m_position, copied * sizeof(std::int16_t));
            out->m_position += copied;
            if (out->m_position == samples.size()) out->m_playing.reset();
        }
    }
    std::memset(stream + copied * sizeof(std::int16_t), 0, std::size_t(bytes) - copied * 2);
}

} // namespace av
