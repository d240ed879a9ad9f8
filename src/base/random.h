// The one random generator of the league and the integer arithmetic every
// subsystem shares. Results of the simulation depend on the exact sequence of
// draws and on the rounding here, so neither may change.
#pragma once
#include <cstdint>

// MT19937 seeded the 1998 way (two linear congruential steps per word).
void Seed_Random(uint32_t nSeed);
uint32_t Random_Next();
// Uniform 0..n-1 (0 for n = 0).
int Random(int n);
// A raw word y scaled to 0..n-1 as a draw does.
int64_t Scale_Draw(uint32_t y, int64_t n);
// a times k random factors of about 1 +- b/1000, rounded.
int Perturb(int a, int b, int k);

// a x b / c rounded half up with a 64-bit product; 0 when c is 0.
// The half divisor is added even for negative products: Ratio(1, -7, 2) is -3.
inline int Ratio(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return 0;
    return (int)((a * b + c / 2) / c);
}
inline int Min(int a, int b) { return a < b ? a : b; }
inline int Max(int a, int b) { return a > b ? a : b; }
// lo wins when lo exceeds hi.
inline int Clamp(int nLo, int x, int nHi) { return Max(nLo, Min(x, nHi)); }
int Round_To(int a, int b);
// Square root of |x|, rounded.
int Root(int64_t x);
inline void Swap_Int(int& p, int& q) {
    int t = p;
    p = q;
    q = t;
}

// Stored per-mille settings and their list positions: 13 steps 650..1250 and 5 steps 800..1200.
inline int Step50_Index(int a) { return Clamp(0, (a + 25) / 50 - 13, 12); }
inline int Step50_Value(int nIndex) { return 650 + 50 * nIndex; }
inline int Step100_Index(int a) { return Clamp(0, (a + 50) / 100 - 8, 4); }
inline int Step100_Value(int nIndex) { return 800 + 100 * nIndex; }

// Tests only: return the generator to its never-seeded state.
void Random_Forget_Seed();
