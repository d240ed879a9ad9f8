#include "output_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {
FILE* Create_File(const std::string& szPath) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(szPath).parent_path(), error);
    FILE* pFile = fopen(szPath.c_str(), "wb");
    if (!pFile) fprintf(stderr, "make_artwork: cannot write %s\n", szPath.c_str());
    return pFile;
}

void Put_Little_Endian(std::vector<uint8_t>& bytes, uint32_t nValue, int nBytes) {
    for (int i = 0; i < nBytes; i++) bytes.push_back((uint8_t)(nValue >> (8 * i)));
}

bool Write_Bytes(const std::string& szPath, const void* pData, size_t nSize) {
    FILE* pFile = Create_File(szPath);
    if (!pFile) return false;
    bool bWritten = fwrite(pData, 1, nSize, pFile) == nSize;
    return fclose(pFile) == 0 && bWritten;
}
}  // namespace

bool Write_Jpeg(const std::string& szPath, const Canvas& canvas) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);  // a libjpeg failure ends the tool, and the build with it
    jpeg_create_compress(&info);
    unsigned char* pBuffer = nullptr;
    unsigned long nSize = 0;
    jpeg_mem_dest(&info, &pBuffer, &nSize);
    info.image_width = (JDIMENSION)canvas.nWidth;
    info.image_height = (JDIMENSION)canvas.nHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 88, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW pRow = const_cast<uint8_t*>(&canvas.pixels[(size_t)info.next_scanline * canvas.nWidth * 3]);
        jpeg_write_scanlines(&info, &pRow, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    bool bWritten = Write_Bytes(szPath, pBuffer, nSize);
    free(pBuffer);
    return bWritten;
}

bool Write_Wave(const std::string& szPath, const std::vector<double>& samples) {
    uint32_t nData = (uint32_t)samples.size() * 2;
    std::vector<uint8_t> bytes = {'R', 'I', 'F', 'F'};
    Put_Little_Endian(bytes, 36 + nData, 4);
    for (char c : std::string("WAVEfmt ")) bytes.push_back((uint8_t)c);
    Put_Little_Endian(bytes, 16, 4);
    Put_Little_Endian(bytes, 1, 2);  // PCM
    Put_Little_Endian(bytes, 1, 2);  // mono
    Put_Little_Endian(bytes, SOUND_RATE, 4);
    Put_Little_Endian(bytes, SOUND_RATE * 2, 4);
    Put_Little_Endian(bytes, 2, 2);
    Put_Little_Endian(bytes, 16, 2);
    for (char c : std::string("data")) bytes.push_back((uint8_t)c);
    Put_Little_Endian(bytes, nData, 4);
    for (double f : samples) Put_Little_Endian(bytes, (uint16_t)(int16_t)std::lround(std::clamp(f, -1.0, 1.0) * 32767), 2);
    return Write_Bytes(szPath, bytes.data(), bytes.size());
}

bool Write_Text(const std::string& szPath, const std::string& szText) {
    return Write_Bytes(szPath, szText.data(), szText.size());
}
