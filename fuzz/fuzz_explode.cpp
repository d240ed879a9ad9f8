// Arbitrary bytes as one saved-game chunk: the decoder must stay inside its
// buffers and keep its CRC in step with what it wrote.
#include <cstddef>
#include <cstdint>

#include "database/explode.h"
#include "platform/headless.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    static uint8_t s_aOut[66974];
    static unsigned s_nRuns = 0;
    size_t nWritten = 0;
    uint32_t nCrc = 0;
    int nResult = Explode_Buffer(pData, nSize, s_aOut, sizeof s_aOut, &nWritten, &nCrc);
    if (nResult < EXPLODE_OK || nResult > EXPLODE_NO_ROOM || nWritten > sizeof s_aOut) __builtin_trap();
    if (nCrc != Crc32_Update(0, s_aOut, nWritten)) __builtin_trap();
    if (++s_nRuns % 4096 == 0) Headless_Reset();  // the recorded boxes would pile up
    return 0;
}
