// Picture decoding: JPEG files into 24-bit RGB rows, top row first, three
// bytes per pixel and no padding. Toolkit-free; the window scales and caches.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Larger pictures are refused rather than allocated (a damaged header can claim anything).
constexpr int MAXIMUM_PICTURE_SIDE = 8192;

bool Decode_Jpeg_Memory(const uint8_t* pData, size_t nSize, int& nWidth, int& nHeight,
                        std::vector<uint8_t>& pixels);
// False (and no message) when the file is missing, unreadable or not a usable JPEG.
bool Decode_Jpeg_File(const char* szPath, int& nWidth, int& nHeight, std::vector<uint8_t>& pixels);
