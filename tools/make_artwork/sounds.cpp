// The sound effects, synthesised: "sound/button.wav" and the others the game plays.
#include <cmath>

#include "artwork.h"
#include "output_files.h"

namespace {
typedef std::vector<double> Samples;

int Sample_At(double fSeconds) { return (int)std::lround(fSeconds * SOUND_RATE); }

Samples Silence(double fSeconds) { return Samples((size_t)Sample_At(fSeconds), 0.0); }

// A note with a quick attack and an exponential fade; a little of the octave
// and the fifth above make it sound like brass rather than a test tone.
void Add_Note(Samples& out, double fStart, double fFrequency, double fLength, double fLevel, double fBrightness = 0.3) {
    int n0 = Sample_At(fStart), nLength = Sample_At(fLength);
    for (int i = 0; i < nLength && n0 + i < (int)out.size(); i++) {
        double t = (double)i / SOUND_RATE;
        double fEnvelope = std::min(1.0, t / 0.012) * std::exp(-3.0 * t / fLength);
        double fPhase = 2 * M_PI * fFrequency * t;
        double f = std::sin(fPhase) + fBrightness * std::sin(2 * fPhase) + fBrightness * 0.5 * std::sin(3 * fPhase);
        out[n0 + i] += fLevel * fEnvelope * f / (1 + 1.5 * fBrightness);
    }
}

// Noise through a one-pole low-pass; fSmooth near 1 is darker. fSwell shapes
// the envelope: 0 a burst that fades, 1 a crowd that rises and falls.
void Add_Noise(Samples& out, double fStart, double fLength, double fLevel, double fSmooth, double fSwell,
               uint32_t nSeed) {
    Dice dice = Make_Dice(nSeed);
    int n0 = Sample_At(fStart), nLength = Sample_At(fLength);
    double fLow = 0;
    for (int i = 0; i < nLength && n0 + i < (int)out.size(); i++) {
        double t = (double)i / nLength;
        fLow = fSmooth * fLow + (1 - fSmooth) * (Roll_Unit(dice) * 2 - 1);
        double fEnvelope = fSwell > 0 ? std::sin(M_PI * t) * std::sin(M_PI * t) : std::exp(-6 * t);
        out[n0 + i] += fLevel * fEnvelope * fLow / std::sqrt(1 - fSmooth);
    }
}

Samples Button() {
    Samples out = Silence(0.06);
    Add_Note(out, 0, 1400, 0.05, 0.5, 0.1);
    Add_Noise(out, 0, 0.012, 0.3, 0.2, 0, 1);
    return out;
}

// The drawer slides out, then the bell rings.
Samples Cash() {
    Samples out = Silence(0.9);
    Add_Noise(out, 0, 0.12, 0.4, 0.6, 0, 2);
    Add_Noise(out, 0.1, 0.05, 0.5, 0.3, 0, 3);
    Add_Note(out, 0.16, 2093, 0.7, 0.35, 0.15);
    Add_Note(out, 0.16, 2637, 0.7, 0.25, 0.15);
    return out;
}

// Liquid: dark noise whose level wobbles like a pour, with a few bubbles.
Samples Pour() {
    Samples out = Silence(1.3);
    Samples stream = Silence(1.3);
    Add_Noise(stream, 0, 1.3, 0.5, 0.93, 1, 4);
    for (size_t i = 0; i < out.size(); i++) out[i] = stream[i] * (0.7 + 0.3 * std::sin(2 * M_PI * 7 * i / SOUND_RATE));
    Dice dice = Make_Dice(5);
    for (int i = 0; i < 9; i++) Add_Note(out, 0.2 + Roll_Unit(dice) * 0.9, 500 + Roll_Unit(dice) * 500, 0.05, 0.15, 0);
    return out;
}

// Fanfares for the three championships, each grander than the last.
Samples Celebration(int nLevel) {
    const double C = 523.25, E = 659.25, G = 783.99, HIGH_C = 1046.5;
    double fLength = 1.0 + 0.8 * nLevel;
    Samples out = Silence(fLength + 0.3);
    Add_Note(out, 0, C, 0.3, 0.3);
    Add_Note(out, 0.14, E, 0.3, 0.3);
    Add_Note(out, 0.28, G, 0.6, 0.3);
    if (nLevel >= 2) {
        Add_Note(out, 0.5, HIGH_C, 0.9, 0.3);
        Add_Note(out, 0.5, G, 0.9, 0.2);
    }
    if (nLevel >= 3) {
        double fChord = 1.1;
        for (double f : {C, E, G, HIGH_C}) Add_Note(out, fChord, f, 1.4, 0.18);
    }
    Add_Noise(out, 0.1, fLength + 0.2, 0.05 + 0.05 * nLevel, 0.8, 1, 10 + nLevel);
    return out;
}
}  // namespace

bool Make_Sounds(const std::string& szGame) {
    std::string szSound = szGame + "/sound/";
    return Write_Wave(szSound + "button.wav", Button()) && Write_Wave(szSound + "cash.wav", Cash()) &&
           Write_Wave(szSound + "pour.wav", Pour()) && Write_Wave(szSound + "celeb1.wav", Celebration(1)) &&
           Write_Wave(szSound + "celeb2.wav", Celebration(2)) && Write_Wave(szSound + "celeb3.wav", Celebration(3));
}
