// Arbitrary bytes as a picture file: the decoder must fail cleanly or hand
// back exactly width x height x 3 bytes within the size limit.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> pixels;
    if (!Decode_Jpeg_Memory(pData, nSize, nWidth, nHeight, pixels)) return 0;
    if (nWidth < 1 || nHeight < 1 || nWidth > MAXIMUM_PICTURE_SIDE || nHeight > MAXIMUM_PICTURE_SIDE) __builtin_trap();
    if (pixels.size() != (size_t)nWidth * nHeight * 3) __builtin_trap();
    return 0;
}
