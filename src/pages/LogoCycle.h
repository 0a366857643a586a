#pragma once

namespace av {

// The acknowledgments' turning logo: which of its twenty frames was shown last. It starts at
// frame 0 and is never reset, so each opening carries on where the last one stopped.
class LogoCycle {
  public:
    static constexpr int Frames = 20;

    // Moves on to the next frame, after the last the first, and gives its number.
    int advance() {
        m_frame = (m_frame + 1) % Frames;
        return m_frame;
    }
    int frame() const { return m_frame; }

  private:
    int m_frame = 0;
};

} // namespace av
