// The damage the league fuzzers do: the input is a list of patches, each an
// offset into the league record, a length and the bytes to write there, so
// that a mutation reaches any field of a sound league without losing the
// rest of it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "database/league_database.h"

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
