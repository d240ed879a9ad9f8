#include "platform/picture.h"

#include <csetjmp>
#include <cstdio>
#include <string>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/files.h"

namespace {
struct JpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void Jpeg_Error_Exit(j_common_ptr pInfo) { longjmp(reinterpret_cast<JpegError*>(pInfo->err)->jump, 1); }
void Jpeg_Silent(j_common_ptr, int) {}
void Jpeg_Silent_Output(j_common_ptr) {}

// Everything between setjmp and the last libjpeg call lives in plain C
// objects, so the jump skips no destructor.
bool Decode(jpeg_decompress_struct* pInfo, JpegError* pError, const uint8_t* pData, size_t nSize,
            std::vector<uint8_t>* pPixels, int* pWidth, int* pHeight) {
    pInfo->err = jpeg_std_error(&pError->manager);
    pError->manager.error_exit = Jpeg_Error_Exit;
    pError->manager.emit_message = Jpeg_Silent;
    pError->manager.output_message = Jpeg_Silent_Output;
    jpeg_create_decompress(pInfo);
    if (setjmp(pError->jump)) {
        jpeg_destroy_decompress(pInfo);
        return false;
    }
    jpeg_mem_src(pInfo, const_cast<unsigned char*>(pData), (unsigned long)nSize);
    jpeg_read_header(pInfo, TRUE);
    if (pInfo->jpeg_color_space == JCS_CMYK || pInfo->jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(pInfo);
        return false;
    }
    pInfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(pInfo);
    int nWidth = (int)pInfo->output_width, nHeight = (int)pInfo->output_height;
    if (nWidth < 1 || nHeight < 1 || nWidth > MAXIMUM_PICTURE_SIDE || nHeight > MAXIMUM_PICTURE_SIDE ||
        pInfo->output_components != 3) {
        jpeg_destroy_decompress(pInfo);
        return false;
    }
    pPixels->assign((size_t)nWidth * nHeight * 3, 0);
    while (pInfo->output_scanline < pInfo->output_height) {
        JSAMPROW pRow = pPixels->data() + (size_t)pInfo->output_scanline * nWidth * 3;
        jpeg_read_scanlines(pInfo, &pRow, 1);
    }
    jpeg_finish_decompress(pInfo);
    jpeg_destroy_decompress(pInfo);
    *pWidth = nWidth;
    *pHeight = nHeight;
    return true;
}
}  // namespace

bool Decode_Jpeg_Memory(const uint8_t* pData, size_t nSize, int& nWidth, int& nHeight,
                        std::vector<uint8_t>& pixels) {
    if (!pData || nSize == 0) return false;
    jpeg_decompress_struct info;
    JpegError error;
    std::vector<uint8_t> decoded;
    int nDecodedWidth = 0, nDecodedHeight = 0;
    if (!Decode(&info, &error, pData, nSize, &decoded, &nDecodedWidth, &nDecodedHeight)) return false;
    nWidth = nDecodedWidth;
    nHeight = nDecodedHeight;
    pixels.swap(decoded);
    return true;
}

bool Decode_Jpeg_File(const char* szPath, int& nWidth, int& nHeight, std::vector<uint8_t>& pixels) {
    std::string szFound = Find_Data_File(szPath);
    if (szFound.empty()) return false;
    FILE* pFile = fopen(szFound.c_str(), "rb");
    if (!pFile) return false;
    std::vector<uint8_t> data;
    uint8_t abBuffer[65536];
    size_t nRead;
    bool bTooLarge = false;  // no picture of ours is near the limit
    while (!bTooLarge && (nRead = fread(abBuffer, 1, sizeof abBuffer, pFile)) > 0) {
        data.insert(data.end(), abBuffer, abBuffer + nRead);
        bTooLarge = data.size() > ((size_t)64 << 20);
    }
    bool bError = bTooLarge || ferror(pFile) != 0;
    fclose(pFile);
    if (bError) return false;
    return Decode_Jpeg_Memory(data.data(), data.size(), nWidth, nHeight, pixels);
}
