#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "halloffame/fame_file.h"
#include "platform/headless.h"
#include "test_support.h"

using FameFileTest = LeagueTest;
namespace fs = std::filesystem;

static void Write_Bytes(const char* szPath, const std::string& szBytes) {
    std::ofstream file(szPath, std::ios::binary);
    file << szBytes;
}

TEST_F(FameFileTest, MissingFileReadsZerosWithMessage) {
    FameFile fame;
    memset(&fame, 0x55, sizeof fame);
    EXPECT_FALSE(Fame_File_Exists());
    EXPECT_FALSE(Read_Fame_File(&fame));
    EXPECT_EQ(fame.anSettings[FS_UPDATE_SWITCH], 0);
    EXPECT_EQ(fame.aTables[3][9].nRating, 0);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Quick Message");
    EXPECT_EQ(Headless_Notices()[0].text, "Couldn't open 'VantorFame.dat'.");
    EXPECT_EQ(Get_Fame_Setting(FS_WINDOW_RIGHT), 0);
}

TEST_F(FameFileTest, RebuildWritesWholeFileWithBuiltInTables) {
    Rebuild_Fame_File();
    EXPECT_TRUE(Logged("Rebuilding permanent file."));
    EXPECT_EQ(fs::file_size(FAME_FILE_NAME), FAME_FILE_SIZE);
    FameFile fame;
    ASSERT_TRUE(Read_Fame_File(&fame));
    const int RATINGS[FAME_ENTRIES] = {761, 755, 702, 683, 674, 663, 653, 647, 613, 604};
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++)
        for (int i = 0; i < FAME_ENTRIES; i++) {
            const FameEntry& e = fame.aTables[nLevel][i];
            EXPECT_EQ(e.nRating, RATINGS[i]);
            EXPECT_EQ(e.nFlag, FAME_BUILT_IN);
            EXPECT_EQ(e.nHandicap, 0);
            EXPECT_GT(strlen(e.szManager), 0u);
            EXPECT_GT(strlen(e.szHome), 0u);
            EXPECT_LT(e.nFirstSeason, e.nLastSeason);
        }
    for (int nWord = 0; nWord < NUMBER_OF_SETTINGS_WORDS; nWord++) EXPECT_EQ(fame.anSettings[nWord], 0);
    EXPECT_FALSE(fs::exists(std::string(FAME_FILE_NAME) + ".tmp"));
}

TEST_F(FameFileTest, SettingsWordsSitAtTheirOffsetsLittleEndian) {
    Rebuild_Fame_File();
    ASSERT_TRUE(Set_Fame_Setting(FS_UPDATE_SWITCH, 117));
    ASSERT_TRUE(Set_Fame_Setting(FS_WINDOW_BOTTOM, 0x01020304));
    std::ifstream file(FAME_FILE_NAME, std::ios::binary);
    std::string szBytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(szBytes.size(), FAME_FILE_SIZE);
    EXPECT_EQ(szBytes[22080 + 4 * 90], 117);
    EXPECT_EQ(szBytes.substr(22080 + 4 * 167, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(Get_Fame_Setting(FS_UPDATE_SWITCH), 117);
    FameFile fame;
    Read_Fame_File(&fame);
    EXPECT_EQ(fame.aTables[2][0].nRating, 761);  // the tables survive a settings change
}

TEST_F(FameFileTest, ShortFileReadsZerosPastItsEnd) {
    std::string szBytes(22080 + 4 * 54, '\0');
    szBytes[22080 + 4 * 53] = 1;
    Write_Bytes(FAME_FILE_NAME, szBytes);
    EXPECT_EQ(Get_Fame_Setting(FS_SKIP_INTRO), 1);
    EXPECT_EQ(Get_Fame_Setting(FS_WINDOW_LEFT), 0);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(FameFileTest, BadWordIndexIsLoggedAndChangesNothing) {
    Rebuild_Fame_File();
    EXPECT_EQ(Get_Fame_Setting(168), 0);
    EXPECT_TRUE(Logged("Invalid nWord in Get_Fame_Setting: 168"));
    EXPECT_FALSE(Set_Fame_Setting(-1, 5));
    EXPECT_TRUE(Logged("Invalid nWord in Set_Fame_Setting: -1"));
}

TEST_F(FameFileTest, SettingWordOfMissingFileKeepsBuiltInTables) {
    ASSERT_TRUE(Set_Fame_Setting(FS_UPDATE_TIME, 42));
    FameFile fame;
    ASSERT_TRUE(Read_Fame_File(&fame));
    EXPECT_EQ(fame.anSettings[FS_UPDATE_TIME], 42);
    EXPECT_EQ(fame.aTables[0][9].nRating, 604);
}

TEST_F(FameFileTest, UnreadableFileIsNeitherReadNorOverwritten) {
    fs::create_directory(FAME_FILE_NAME);  // opens, but every read fails
    FameFile fame;
    EXPECT_FALSE(Read_Fame_File(&fame));
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().text, "Couldn't read 'VantorFame.dat'.");
    EXPECT_FALSE(Set_Fame_Setting(FS_UPDATE_TIME, 1));
    EXPECT_TRUE(fs::is_directory(FAME_FILE_NAME));
}

TEST_F(FameFileTest, FailedWriteLeavesOldFileAndSaysSo) {
    Rebuild_Fame_File();
    FameFile fame;
    Read_Fame_File(&fame);
    fame.anSettings[FS_UPDATE_TIME] = 99;
    // The temporary cannot be written in full, whoever runs the test.
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 16;
    auto pOldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    bool bWritten = Write_Fame_File(&fame);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, pOldHandler);
    EXPECT_FALSE(bWritten);
    EXPECT_EQ(Headless_Notices().back().text, "Couldn't read 'VantorFame.dat' for writing.");
    EXPECT_EQ(Get_Fame_Setting(FS_UPDATE_TIME), 0);
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().rfind(std::string(FAME_FILE_NAME) + ".", 0), std::string::npos)
            << entry.path();
}

TEST_F(FameFileTest, TemporaryNameIsOurOwn) {
    Rebuild_Fame_File();
    // Whatever waits under the old fixed name is neither followed nor in the way.
    fs::create_directory("elsewhere");
    std::ofstream("elsewhere/target") << "keep";
    fs::create_symlink("elsewhere/target", std::string(FAME_FILE_NAME) + ".tmp");
    ASSERT_TRUE(Set_Fame_Setting(FS_UPDATE_TIME, 5));
    EXPECT_EQ(Get_Fame_Setting(FS_UPDATE_TIME), 5);
    std::ifstream target("elsewhere/target");
    std::string szText;
    target >> szText;
    EXPECT_EQ(szText, "keep");
}

TEST_F(FameFileTest, FileIsFoundWhateverItsCase) {
    Rebuild_Fame_File();
    fs::rename(FAME_FILE_NAME, "vantorfame.DAT");
    ASSERT_TRUE(Set_Fame_Setting(FS_SKIP_INTRO, 3));
    EXPECT_EQ(Get_Fame_Setting(FS_SKIP_INTRO), 3);
    EXPECT_FALSE(fs::exists(FAME_FILE_NAME));
}
