#include "base/random.h"

#include <cmath>

namespace {
constexpr int MT_N = 624;
constexpr int MT_M = 397;
constexpr uint32_t MATRIX_A = 0x9908B0DFu;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7FFFFFFFu;
constexpr int NEVER_SEEDED = MT_N + 1;

uint32_t g_State[MT_N];
int g_nPosition = NEVER_SEEDED;

void Regenerate() {
    if (g_nPosition == NEVER_SEEDED) Seed_Random(4357);
    static const uint32_t mag01[2] = {0, MATRIX_A};
    int k = 0;
    for (; k < MT_N - MT_M; k++) {
        uint32_t y = (g_State[k] & UPPER_MASK) | (g_State[k + 1] & LOWER_MASK);
        g_State[k] = g_State[k + MT_M] ^ (y >> 1) ^ mag01[y & 1];
    }
    for (; k < MT_N - 1; k++) {
        uint32_t y = (g_State[k] & UPPER_MASK) | (g_State[k + 1] & LOWER_MASK);
        g_State[k] = g_State[k + (MT_M - MT_N)] ^ (y >> 1) ^ mag01[y & 1];
    }
    uint32_t y = (g_State[MT_N - 1] & UPPER_MASK) | (g_State[0] & LOWER_MASK);
    g_State[MT_N - 1] = g_State[MT_M - 1] ^ (y >> 1) ^ mag01[y & 1];
    g_nPosition = 0;
}

// A draw as a fraction in [0, 1), in extended precision as the old runtime did.
}  // namespace

// The draw is y x (2^-32 + 2^-64) x n in 64-bit-mantissa arithmetic, then
// truncated. y x (2^32 + 1) spans 64 bits exactly, so only the product with
// n rounds; doing that rounding on integers keeps every result the same
// without going through the slow extended-precision unit.
int64_t Scale_Draw(uint32_t y, int64_t n) {
    if (n <= 0) {
        static const long double SCALE = 1.0L / 4294967296.0L + 1.0L / 18446744073709551616.0L;
        return (int64_t)((long double)y * SCALE * (long double)n);
    }
    unsigned __int128 p = (unsigned __int128)(((uint64_t)y << 32) | y) * (uint64_t)n;
    uint64_t nHigh = (uint64_t)(p >> 64);
    if (nHigh == 0) return 0;
    // With at most 32 bits rounded off, rounding can only carry into the
    // integer part when the fraction lies within 2^31 of the next integer.
    if ((nHigh >> 32) == 0 && (uint64_t)p < 0xFFFFFFFF80000000ull) return (int64_t)nHigh;
    int nShift = 64 - __builtin_clzll(nHigh);  // bits beyond the 64 the mantissa keeps
    unsigned __int128 q = p >> nShift;
    unsigned __int128 rest = p & ((((unsigned __int128)1) << nShift) - 1);
    unsigned __int128 half = ((unsigned __int128)1) << (nShift - 1);
    if (rest > half || (rest == half && (q & 1))) q++;  // nearest, ties to even
    return (int64_t)((q << nShift) >> 64);
}

void Seed_Random(uint32_t nSeed) {
    for (int i = 0; i < MT_N; i++) {
        g_State[i] = nSeed & 0xFFFF0000u;
        nSeed = 69069u * nSeed + 1u;
        g_State[i] |= (nSeed & 0xFFFF0000u) >> 16;
        nSeed = 69069u * nSeed + 1u;
    }
    g_nPosition = MT_N;
}

uint32_t Random_Next() {
    if (g_nPosition >= MT_N) Regenerate();
    uint32_t y = g_State[g_nPosition++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

int Random(int n) { return (int)Scale_Draw(Random_Next(), n); }

int Perturb(int a, int b, int k) {
    int64_t f = 1000;
    for (int i = 0; i < k; i++) {
        int64_t d = Scale_Draw(Random_Next(), 2 * (int64_t)b) - b + 1000;
        f = (f * d + 500) / 1000;
    }
    return (int)(((int64_t)a * f + 500) / 1000);
}

int Round_To(int a, int b) {
    if (b == 0) return a;
    int nHalf = a + b / 2;
    return nHalf - nHalf % b;
}

int Root(int64_t x) { return (int)(std::sqrt((double)(x < 0 ? -x : x)) + 0.5); }

// Only for tests that must start from a never-seeded generator.
void Random_Forget_Seed() { g_nPosition = NEVER_SEEDED; }
