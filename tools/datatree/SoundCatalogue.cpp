#include "Sounds.h"

namespace av::datatree {

const std::vector<SoundSpec>& soundCatalogue() {
    static const std::vector<SoundSpec> sounds = {
        {"click.wav", makeClick},
        {"typekey.wav", makeTypeKey},
        {"thud3.wav", makeThud},
        {"fanf2.wav", makeFanfareRising},
        {"fanf3.wav", makeFanfareTriplets},
        {"crowd.wav", makeCrowd},
        {"cheer2.wav", makeCheer},
        {"klaxon.wav", makeKlaxon},
        {"flute.wav", makeFlute},
        {"gong.wav", makeGong},
        {"clap2.wav", makeApplause},
        {"clap3.wav", makeRhythmicClaps},
        {"drumroll.wav", makeDrumRoll},
        {"laser2.wav", makeLaser},
        {"whizz.wav", makeWhizz},
        {"clown.wav", makeClownHorn},
    };
    return sounds;
}

} // namespace av::datatree
