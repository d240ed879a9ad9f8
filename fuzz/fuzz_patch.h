// The damage the league fuzzers do: the input is a list of patches, each an
// offset into the league record, a length and the bytes to write there, so
// that a mutation reaches any field of a sound league without losing the
// rest of it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "commands/start_up.h"
#include "database/league_database.h"

// The core started as the programs start it, with a fixed seed so that runs repeat.
inline StartUpReport Start_Seeded_Core() {
    StartUpOptions options;
    options.bSeedFromClock = false;
    options.nSeed = 1;
    return Start_Up_Core(options);
}

// The sound league every input damages: kept once, put back before each input.
inline std::unique_ptr<LeagueDatabase>& Sound_League() {
    static std::unique_ptr<LeagueDatabase> pSound;
    return pSound;
}
inline void Keep_Sound_League() {
    Sound_League() = std::make_unique<LeagueDatabase>();
    memcpy(Sound_League().get(), &g_League, sizeof g_League);
}
inline void Restore_Sound_League() { memcpy(&g_League, Sound_League().get(), sizeof g_League); }

// Applies every whole patch of the input to the league; a cut last one is dropped.
inline void Apply_Patches(const uint8_t* pData, size_t nSize) {
    uint8_t* pLeague = reinterpret_cast<uint8_t*>(&g_League);
    size_t nPos = 0;
    while (nSize - nPos >= 5) {
        uint32_t nOffset;
        memcpy(&nOffset, pData + nPos, 4);
        size_t nLength = pData[nPos + 4];
        nPos += 5;
        if (nLength > nSize - nPos) break;
        // Most fields worth damaging are integers, so the offset keeps their alignment.
        size_t nAt = (nOffset % sizeof g_League) & ~size_t(3);
        if (nLength > sizeof g_League - nAt) nLength = sizeof g_League - nAt;
        memcpy(pLeague + nAt, pData + nPos, nLength);
        nPos += nLength;
    }
}
