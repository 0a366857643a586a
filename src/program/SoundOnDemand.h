#pragma once

#include "platform/SdlSoundService.h"

namespace av {

// The program's sounds. The card opens at the first touch of the pointer or keyboard; a sound
// asked for before any (a command given through assistive technology, say) opens it itself.
class SoundOnDemand : public SoundService {
  public:
    explicit SoundOnDemand(SdlSoundService& engine) : m_engine(engine) {}
    void play(const QString& path) override {
        m_engine.prepare();
        m_engine.play(path);
    }

  private:
    SdlSoundService& m_engine;
};

} // namespace av
