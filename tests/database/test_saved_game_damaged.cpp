// Damaged and hostile files: each is refused with its message and the league
// in memory stays exactly as it was.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "database/saved_game.h"
#include "league_builder.h"
#include "saved_game_test_support.h"
#include "test_support.h"

namespace {

const char* const NOT_VALID = "The file \"%s\" is not a valid Brakvell file.";
const char* const NOT_LOADED = "Couldn't load game data. Please re-install Brakvell.";

struct DamagedFile {
    const char* szName;
    const char* szText;  // %s stands for the path
};

const DamagedFile DAMAGED_FILES[] = {
    {"empty.vtr", NOT_VALID},
    {"truncated_header.vtr", NOT_VALID},
    {"short_version.vtr", NOT_VALID},
    {"wrong_magic.vtr", NOT_VALID},
    {"bad_digits.vtr", NOT_VALID},
    {"current_header_cut.vtr", NOT_LOADED},
    {"chunk_length_too_big.vtr", NOT_LOADED},
    {"last_chunk_length_too_big.vtr", NOT_LOADED},
    {"huge_length.vtr", NOT_LOADED},
    {"truncated_chunk.vtr", NOT_LOADED},
    {"corrupt_zlib.vtr", NOT_LOADED},
    {"corrupt_zlib_header.vtr", NOT_LOADED},
    {"short_stream.vtr", NOT_LOADED},
    {"long_stream.vtr", NOT_LOADED},
    {"missing_chunks.vtr", NOT_LOADED},
    {"trailing_garbage.vtr", NOT_LOADED},
    {"corrupt_implode.vtr", NOT_LOADED},
    {"corrupt_oldest.vtr", NOT_LOADED},
    {"garbage_implode.vtr", NOT_LOADED},
};

std::string Expected_Text(const char* szFormat, const std::string& szPath) {
    std::string szText = szFormat;
    size_t nAt = szText.find("%s");
    if (nAt != std::string::npos) szText.replace(nAt, 2, szPath);
    return szText;
}

class DamagedFileTest : public LeagueTest {};

TEST_F(DamagedFileTest, EveryDamagedFileIsRefusedAndTheLeagueKept) {
    Build_Sample_League(21);
    auto pBefore = Snapshot_League();
    int nTeams = Number_Of_Teams();
    for (const DamagedFile& file : DAMAGED_FILES) {
        SCOPED_TRACE(file.szName);
        Headless_Reset();
        std::string szPath = Test_Data(std::string("damaged/") + file.szName);
        ASSERT_TRUE(std::filesystem::exists(szPath));
        EXPECT_FALSE(Load_Game(szPath.c_str()));
        ASSERT_FALSE(Headless_Notices().empty());
        EXPECT_EQ(Headless_Notices().back().title, "Read Error");
        EXPECT_EQ(Headless_Notices().back().text, Expected_Text(file.szText, szPath));
        EXPECT_TRUE(League_Equals(*pBefore));
        EXPECT_EQ(Number_Of_Teams(), nTeams);
    }
}

TEST_F(DamagedFileTest, MissingFileCannotBeOpened) {
    Build_Sample_League(22);
    auto pBefore = Snapshot_League();
    EXPECT_FALSE(Load_Game("nowhere.vtr"));
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "File Load Error");
    EXPECT_EQ(Headless_Notices()[0].text, "Couldn't open \"nowhere.vtr\"");
    EXPECT_TRUE(League_Equals(*pBefore));
}

TEST_F(DamagedFileTest, EveryTruncationOfAGoodFileIsRefused) {
    Build_Sample_League(23);
    ASSERT_EQ(Save_Game("good.vtr"), SAVE_OK);
    std::vector<uint8_t> good = Read_Bytes("good.vtr");
    Build_Sample_League(24);
    auto pBefore = Snapshot_League();
    // A sample of cut points: inside the header, a length field, a stream, the last byte.
    for (size_t nCut : {size_t(24), size_t(27), size_t(500), good.size() / 2, good.size() - 1}) {
        Write_Bytes("cut.vtr", std::vector<uint8_t>(good.begin(), good.begin() + (long)nCut));
        EXPECT_FALSE(Load_Game("cut.vtr")) << nCut;
        EXPECT_TRUE(League_Equals(*pBefore)) << nCut;
    }
}

TEST_F(DamagedFileTest, FlippedLengthBitsNeverCrash) {
    Clear_League();
    ASSERT_EQ(Save_Game("good.vtr"), SAVE_OK);
    std::vector<uint8_t> good = Read_Bytes("good.vtr");
    Build_Sample_League(25);
    auto pBefore = Snapshot_League();
    for (int nBit = 0; nBit < 32; nBit += 3) {
        std::vector<uint8_t> bad = good;
        bad[25 + nBit / 8] ^= (uint8_t)(1 << (nBit % 8));  // the first chunk's length
        Write_Bytes("bad.vtr", bad);
        EXPECT_FALSE(Load_Game("bad.vtr")) << nBit;
        EXPECT_TRUE(League_Equals(*pBefore)) << nBit;
    }
}

TEST_F(DamagedFileTest, OverlongFileIsRefusedWithoutReadingItAll) {
    Build_Sample_League(26);
    auto pBefore = Snapshot_League();
    std::vector<uint8_t> huge = File_Header("2187", true);
    huge.resize(8 * 1024 * 1024, 0x5a);
    Write_Bytes("huge.vtr", huge);
    EXPECT_FALSE(Load_Game("huge.vtr"));
    EXPECT_EQ(Headless_Notices().back().text, NOT_LOADED);
    EXPECT_TRUE(League_Equals(*pBefore));
}

// The tool reports a damaged file on standard error and exits 1; bad usage exits 2.
TEST_F(DamagedFileTest, ToolExitStatus) {
    std::string szSim = BRAKVELL_SIM;
    std::string szBad = Test_Data("damaged/corrupt_zlib.vtr");
    EXPECT_EQ(WEXITSTATUS(system((szSim + " info '" + szBad + "' 2>err.txt >/dev/null").c_str())), 1);
    std::vector<uint8_t> err = Read_Bytes("err.txt");
    EXPECT_NE(std::string(err.begin(), err.end()).find(NOT_LOADED), std::string::npos);
    EXPECT_EQ(WEXITSTATUS(system((szSim + " info 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(system((szSim + " convert only-one 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(system((szSim + " convert '" + szBad + "' out.vtr 2>/dev/null").c_str())), 1);
    EXPECT_FALSE(std::filesystem::exists("out.vtr"));
}

TEST_F(DamagedFileTest, ToolDescribesAndConvertsAGoodFile) {
    Build_Sample_League(27);
    Set_Game_State(GS_SEASON_INDEX, 3);
    Set_Game_State(GS_CURRENT_WEEK, 4);
    ASSERT_EQ(Save_Game("good.vtr"), SAVE_OK);
    std::string szSim = BRAKVELL_SIM;
    ASSERT_EQ(system((szSim + " info good.vtr > info.txt").c_str()), 0);
    std::vector<uint8_t> out = Read_Bytes("info.txt");
    std::string szOut(out.begin(), out.end());
    EXPECT_NE(szOut.find("Version:    2.187"), std::string::npos) << szOut;
    EXPECT_NE(szOut.find("Save mode:  C"), std::string::npos) << szOut;
    EXPECT_NE(szOut.find("Teams:      32"), std::string::npos) << szOut;
    EXPECT_NE(szOut.find("Season:     2001, week 5"), std::string::npos) << szOut;
    EXPECT_NE(szOut.find("Game name:  Sample League 27"), std::string::npos) << szOut;
    EXPECT_NE(szOut.find("Checksum:   matches"), std::string::npos) << szOut;
    ASSERT_EQ(system((szSim + " convert good.vtr copy.vtr >/dev/null").c_str()), 0);
    EXPECT_EQ(Read_Bytes("copy.vtr"), Read_Bytes("good.vtr"));
}

}  // namespace
