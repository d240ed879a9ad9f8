#include <cstdio>
#include <fstream>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/picture.h"
#include "test_support.h"

using PictureTest = LeagueTest;

// A picture with a red left half and a blue right half, as JPEG bytes.
static std::vector<uint8_t> Encode_Test_Jpeg(int nWidth, int nHeight, bool bGray = false) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* pBuffer = nullptr;
    unsigned long nSize = 0;
    jpeg_mem_dest(&info, &pBuffer, &nSize);
    info.image_width = nWidth;
    info.image_height = nHeight;
    info.input_components = bGray ? 1 : 3;
    info.in_color_space = bGray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(nWidth * info.input_components);
    for (int x = 0; x < nWidth; x++) {
        if (bGray) {
            row[x] = 128;
            continue;
        }
        row[3 * x] = x < nWidth / 2 ? 220 : 10;
        row[3 * x + 1] = 10;
        row[3 * x + 2] = x < nWidth / 2 ? 10 : 220;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW pRow = row.data();
        jpeg_write_scanlines(&info, &pRow, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(pBuffer, pBuffer + nSize);
    free(pBuffer);
    return bytes;
}

static void Near(const uint8_t* p, int r, int g, int b) {
    EXPECT_NEAR(p[0], r, 12);
    EXPECT_NEAR(p[1], g, 12);
    EXPECT_NEAR(p[2], b, 12);
}

TEST_F(PictureTest, DecodesToTopDownRgb) {
    std::vector<uint8_t> jpeg = Encode_Test_Jpeg(64, 24);
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(Decode_Jpeg_Memory(jpeg.data(), jpeg.size(), nWidth, nHeight, pixels));
    EXPECT_EQ(nWidth, 64);
    EXPECT_EQ(nHeight, 24);
    ASSERT_EQ(pixels.size(), 64u * 24 * 3);
    Near(&pixels[(5 * 64 + 4) * 3], 220, 10, 10);
    Near(&pixels[(20 * 64 + 60) * 3], 10, 10, 220);
}

TEST_F(PictureTest, GrayscaleComesOutAsRgb) {
    std::vector<uint8_t> jpeg = Encode_Test_Jpeg(8, 8, true);
    int nWidth, nHeight;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(Decode_Jpeg_Memory(jpeg.data(), jpeg.size(), nWidth, nHeight, pixels));
    ASSERT_EQ(pixels.size(), 8u * 8 * 3);
    Near(&pixels[0], 128, 128, 128);
}

TEST_F(PictureTest, DamagedDataFailsAndLeavesOutputsAlone) {
    std::vector<uint8_t> jpeg = Encode_Test_Jpeg(32, 32);
    int nWidth = -5, nHeight = -6;
    std::vector<uint8_t> pixels = {1, 2, 3};
    std::vector<uint8_t> header(jpeg.begin(), jpeg.begin() + 20);
    EXPECT_FALSE(Decode_Jpeg_Memory(header.data(), header.size(), nWidth, nHeight, pixels));
    std::vector<uint8_t> junk(500, 0x41);
    EXPECT_FALSE(Decode_Jpeg_Memory(junk.data(), junk.size(), nWidth, nHeight, pixels));
    EXPECT_FALSE(Decode_Jpeg_Memory(nullptr, 0, nWidth, nHeight, pixels));
    EXPECT_EQ(nWidth, -5);
    EXPECT_EQ(nHeight, -6);
    EXPECT_EQ(pixels.size(), 3u);
}

TEST_F(PictureTest, HugeClaimedSizeIsRefused) {
    std::vector<uint8_t> jpeg = Encode_Test_Jpeg(16, 16);
    // The SOF0 marker holds height and width after its length and precision.
    for (size_t i = 0; i + 8 < jpeg.size(); i++)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = 0xFF;  // height 65296
            jpeg[i + 7] = 0xFF;  // width 65296
            break;
        }
    int nWidth, nHeight;
    std::vector<uint8_t> pixels;
    EXPECT_FALSE(Decode_Jpeg_Memory(jpeg.data(), jpeg.size(), nWidth, nHeight, pixels));
}

TEST_F(PictureTest, FileIsFoundByTheGamesName) {
    std::vector<uint8_t> jpeg = Encode_Test_Jpeg(10, 6);
    std::filesystem::create_directory("news");
    std::ofstream("news/standing.JPG", std::ios::binary).write((const char*)jpeg.data(), jpeg.size());
    int nWidth, nHeight;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(Decode_Jpeg_File("News\\Standing.jpg", nWidth, nHeight, pixels));
    EXPECT_EQ(nWidth, 10);
    EXPECT_EQ(nHeight, 6);
    EXPECT_FALSE(Decode_Jpeg_File("News\\Missing.jpg", nWidth, nHeight, pixels));
}
