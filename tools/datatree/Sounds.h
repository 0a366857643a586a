#pragma once

#include "Synth.h"

#include <vector>

namespace av::datatree {

struct SoundSpec {
    const char* fileName;
    Samples (*make)();
};

// Every sound the program plays, in the order they are written.
const std::vector<SoundSpec>& soundCatalogue();

// Interface sounds.
Samples makeClick();
Samples makeTypeKey();
Samples makeThud();
Samples makeKlaxon();
Samples makeLaser();
Samples makeWhizz();
Samples makeClownHorn();

// Celebration sounds of the results screen.
Samples makeFanfareRising();
Samples makeFanfareTriplets();
Samples makeCrowd();
Samples makeCheer();
Samples makeFlute();
Samples makeGong();
Samples makeApplause();
Samples makeRhythmicClaps();
Samples makeDrumRoll();

// Building blocks shared by several sounds.
Samples clapHit(Noise& noise, double brightness);
Samples brassNote(double seconds, double frequency);

} // namespace av::datatree
