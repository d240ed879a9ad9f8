#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "database/player.h"
#include "database/saved_game.h"
#include "league_builder.h"
#include "saved_game_test_support.h"
#include "test_support.h"

namespace {

class SavedGameTest : public LeagueTest {
  protected:
    void TearDown() override {
        Platform_Install(nullptr);
        LeagueTest::TearDown();
    }
};

// An independent reader: header fields and every chunk inflated with zlib.
struct ParsedFile {
    std::vector<uint8_t> header;
    std::vector<uint32_t> lengths;
    std::vector<uint8_t> image;
    std::vector<uint8_t> levelFlags;  // second byte of each zlib stream
    std::vector<size_t> plainSizes;
    bool bComplete = false;
};

ParsedFile Parse_File(const std::vector<uint8_t>& bytes) {
    ParsedFile parsed;
    if (bytes.size() < 25) return parsed;
    parsed.header.assign(bytes.begin(), bytes.begin() + 25);
    size_t nPos = 25;
    for (int nChunk = 0; nChunk < 100; nChunk++) {
        if (nPos + 4 > bytes.size()) return parsed;
        uint32_t nLength = bytes[nPos] | bytes[nPos + 1] << 8 | bytes[nPos + 2] << 16 | (uint32_t)bytes[nPos + 3] << 24;
        nPos += 4;
        if (nPos + nLength > bytes.size()) return parsed;
        parsed.lengths.push_back(nLength);
        parsed.levelFlags.push_back(bytes[nPos + 1]);
        std::vector<uint8_t> plain(70000);
        uLongf nPlain = plain.size();
        if (uncompress(plain.data(), &nPlain, bytes.data() + nPos, nLength) != Z_OK) return parsed;
        parsed.plainSizes.push_back(nPlain);
        parsed.image.insert(parsed.image.end(), plain.begin(), plain.begin() + nPlain);
        nPos += nLength;
    }
    parsed.bComplete = nPos == bytes.size();
    return parsed;
}

TEST_F(SavedGameTest, VariedLeagueComesBackByteForByte) {
    Build_Sample_League(7);
    ASSERT_EQ(Save_Game("varied.vtr"), SAVE_OK);
    auto pSaved = Snapshot_League();
    Build_Sample_League(8);  // something else in memory
    ASSERT_TRUE(Load_Game("varied.vtr"));
    EXPECT_TRUE(League_Equals(*pSaved));
    EXPECT_EQ(Number_Of_Teams(), 32);
    EXPECT_EQ(Last_Load_Info().nVersion, 2187);
    EXPECT_EQ(Last_Load_Info().nSaveMode, 'C');
    EXPECT_TRUE(Last_Load_Info().bChecksumMatches);
    EXPECT_FALSE(Game_Has_Unsaved_Changes());
}

TEST_F(SavedGameTest, FileLayoutReadsWithPlainZlib) {
    Build_Sample_League(11);
    Set_Game_State(GS_SAVE_MODE, 0);
    ASSERT_EQ(Save_Game("layout.vtr"), SAVE_OK);
    ParsedFile parsed = Parse_File(Read_Bytes("layout.vtr"));
    ASSERT_TRUE(parsed.bComplete);
    const uint8_t EXPECTED_HEADER[25] = {'Z', 'E', 'P', 'H', 'R', 'O', 'N', 'I', 'L', 'K', 'A', 'R', 'D',
                                         '2', '1', '8', '7', '0', '0', '0', '0', 'U', 0,   0,   0};
    EXPECT_EQ(memcmp(parsed.header.data(), EXPECTED_HEADER, 25), 0);
    ASSERT_EQ(parsed.image.size(), sizeof g_League);
    EXPECT_EQ(memcmp(parsed.image.data(), &g_League, sizeof g_League), 0);
    for (uint32_t nLength : parsed.lengths) EXPECT_LE(nLength, 66938u);
    for (int nChunk = 0; nChunk < 100; nChunk++) EXPECT_EQ(parsed.plainSizes[nChunk], nChunk == 99 ? 66974u : 66938u);
    for (uint8_t nFlags : parsed.levelFlags) EXPECT_EQ(nFlags, 0x9c);  // default level
}

TEST_F(SavedGameTest, AutoSaveIsFastLevelWithoutProgressWindow) {
    Build_Sample_League(3);
    Install_Progress_Recorder();
    ASSERT_EQ(Save_Game("[Auto Save].vtr"), SAVE_OK);
    EXPECT_TRUE(Progress_Log().captions.empty());
    ParsedFile parsed = Parse_File(Read_Bytes("[Auto Save].vtr"));
    ASSERT_TRUE(parsed.bComplete);
    for (uint8_t nFlags : parsed.levelFlags) EXPECT_EQ(nFlags, 0x01);  // fastest level

    ASSERT_EQ(Save_Game("normal.vtr"), SAVE_OK);
    ASSERT_EQ(Progress_Log().captions.size(), 1u);
    EXPECT_EQ(Progress_Log().captions[0], "Compressing...");
    EXPECT_EQ(Progress_Log().nSteps, 100);
}

TEST_F(SavedGameTest, LoadProgressNamesTheVersionOrTheDatabase) {
    Build_Sample_League(4);
    ASSERT_EQ(Save_Game("game.vtr"), SAVE_OK);
    std::filesystem::copy_file("game.vtr", "UNIVERSE.DAT");
    Install_Progress_Recorder();
    ASSERT_TRUE(Load_Game("game.vtr"));
    ASSERT_TRUE(Load_Game("UNIVERSE.DAT"));
    ASSERT_EQ(Progress_Log().captions.size(), 2u);
    EXPECT_EQ(Progress_Log().captions[0], "Restoring V2.187 Saved Game...");
    EXPECT_EQ(Progress_Log().captions[1], "Loading Database...");
}

TEST_F(SavedGameTest, ChecksumCoversTheWholeRecordButItsOwnEntry) {
    Build_Sample_League(5);
    uint32_t nSum = Saved_Data_Checksum();
    Set_Game_State(GS_SAVED_SUM, 12345);
    EXPECT_EQ(Saved_Data_Checksum(), nSum);
    g_League.abTail[sizeof g_League.abTail - 1] ^= 1;  // last byte of the record
    EXPECT_NE(Saved_Data_Checksum(), nSum);
    g_League.abTail[sizeof g_League.abTail - 1] ^= 1;
    g_League.szNotes[0] ^= 1;  // outside the team blocks and cities
    EXPECT_NE(Saved_Data_Checksum(), nSum);
}

TEST_F(SavedGameTest, SavingMarksTheGameSavedUntilItChanges) {
    Build_Sample_League(6);
    EXPECT_TRUE(Game_Has_Unsaved_Changes());
    ASSERT_EQ(Save_Game("game.vtr"), SAVE_OK);
    EXPECT_FALSE(Game_Has_Unsaved_Changes());
    g_League.aHistory[100].anStats[SS_COMPLETIONS]++;
    EXPECT_TRUE(Game_Has_Unsaved_Changes());
}

TEST_F(SavedGameTest, SaveIntoMissingFolderCannotCreate) {
    Build_Sample_League(1);
    int32_t nSum = Get_Game_State(GS_SAVED_SUM);
    EXPECT_EQ(Save_Game("no such folder/game.vtr"), SAVE_CANNOT_CREATE);
    EXPECT_EQ(Get_Game_State(GS_SAVED_SUM), nSum);
    std::filesystem::create_directory("taken.vtr");
    EXPECT_EQ(Save_Game("taken.vtr"), SAVE_CANNOT_CREATE);
    EXPECT_TRUE(std::filesystem::is_directory("taken.vtr"));
}

// A full disk, imitated by a file-size limit: the write fails part way.
TEST_F(SavedGameTest, FailedWriteKeepsTheOldSaveAndTheUnsavedMark) {
    Clear_League();
    ASSERT_EQ(Save_Game("game.vtr"), SAVE_OK);
    std::vector<uint8_t> oldFile = Read_Bytes("game.vtr");
    Build_Sample_League(9);
    int32_t nSum = Get_Game_State(GS_SAVED_SUM);

    struct rlimit oldLimit;
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    struct rlimit limit = oldLimit;
    limit.rlim_cur = 20000;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    int nResult = Save_Game("game.vtr");
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(nResult, SAVE_WRITE_FAILED);
    EXPECT_EQ(Read_Bytes("game.vtr"), oldFile);
    EXPECT_EQ(Get_Game_State(GS_SAVED_SUM), nSum);
    EXPECT_TRUE(Game_Has_Unsaved_Changes());
    int nFiles = 0;
    for (auto& entry : std::filesystem::directory_iterator(".")) nFiles += entry.path().filename() != "debug.txt";
    EXPECT_EQ(nFiles, 1) << "the partial file must be gone";
}

TEST_F(SavedGameTest, IncompressibleChunkIsRefusedNotWrittenUnreadable) {
    // A chunk that cannot shrink below its plain size could never be read back.
    Clear_League();
    ASSERT_EQ(Save_Game("game.vtr"), SAVE_OK);
    std::vector<uint8_t> oldFile = Read_Bytes("game.vtr");
    TestDraw draw = {42};
    uint8_t* pImage = reinterpret_cast<uint8_t*>(&g_League);
    for (size_t i = 43 * 66938; i < 44 * 66938; i++) pImage[i] = (uint8_t)draw.Next();  // inside the game records
    EXPECT_EQ(Save_Game("game.vtr"), SAVE_WRITE_FAILED);
    EXPECT_EQ(Read_Bytes("game.vtr"), oldFile);
}

TEST_F(SavedGameTest, LongestFileNameStillSaves) {
    std::string szName = std::string(251, 'n') + ".vtr";  // the longest a folder entry may be
    EXPECT_EQ(Save_Game(szName.c_str()), SAVE_OK);
    EXPECT_TRUE(Load_Game(szName.c_str()));
}

TEST_F(SavedGameTest, SavedFileGetsOrdinaryPermissions) {
    mode_t nOld = umask(022);
    ASSERT_EQ(Save_Game("game.vtr"), SAVE_OK);
    umask(nOld);
    struct stat status;
    ASSERT_EQ(stat("game.vtr", &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

}  // namespace
