// A small implode encoder for building saved games of the older generations
// in tests: binary literals and copies with the format's fixed codes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// nDictionaryCode 4, 5 or 6 (1, 2 or 4 KiB). bCopies false gives literals only.
std::vector<uint8_t> Implode_For_Tests(const uint8_t* pData, size_t nSize, int nDictionaryCode = 6, bool bCopies = true);

// A whole file of an imploded generation: magic, the four digits, then the
// image in 100 imploded chunks (66938/66974 bytes, or 22758/22806 for the
// oldest layout, chosen by the image size).
std::vector<uint8_t> Imploded_File(const char* szDigits, const uint8_t* pImage, size_t nImageSize);
