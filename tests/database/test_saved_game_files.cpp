// Where saves may land: names made from stored text, other games' files,
// links, locks and the leftovers of a killed save.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "database/saved_game.h"
#include "saved_game_test_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class SavedGameFilesTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(4);
        Remember_Game_File(nullptr);
        Set_Name("Dynasty");
    }
    void TearDown() override {
        Unlock_Game_File();
        Skip_Automatic_Saves(false);
        Remember_Game_File(nullptr);
        LeagueTest::TearDown();
    }
    static void Set_Name(const std::string& szName) {
        memset(g_League.szGameName, 0, sizeof g_League.szGameName);
        memcpy(g_League.szGameName, szName.data(), std::min(szName.size(), sizeof g_League.szGameName));
    }
    // Whether another open of the file could take the lock now.
    static bool Lockable(const std::string& szPath) {
        int nFd = open(szPath.c_str(), O_RDONLY);
        if (nFd < 0) return false;
        bool bFree = flock(nFd, LOCK_EX | LOCK_NB) == 0;
        close(nFd);
        return bFree;
    }
    static const std::vector<uint8_t> OTHER_GAME;
};

const std::vector<uint8_t> SavedGameFilesTest::OTHER_GAME = {'o', 't', 'h', 'e', 'r'};

TEST_F(SavedGameFilesTest, GameNamesThatCannotBeFileNames) {
    const size_t nField = sizeof g_League.szGameName;
    for (const std::string& szBad : {std::string(), std::string("."), std::string(".."), std::string("a/b"),
                                      std::string("/tmp/victim"), std::string("..\\up"), std::string("x\ny"),
                                      std::string("\x1b]0;title\x07"), std::string("tab\there"), std::string(nField, 'n')}) {
        EXPECT_FALSE(Usable_Game_Name(szBad.c_str())) << szBad;
        EXPECT_EQ(Game_Name_File(szBad.c_str()), "") << szBad;
    }
    for (const std::string& szGood : {std::string("..."), std::string(".hidden"), std::string("Dynasty 1999"),
                                      std::string(nField - 1, 'n')}) {
        EXPECT_TRUE(Usable_Game_Name(szGood.c_str())) << szGood;
        EXPECT_EQ(Game_Name_File(szGood.c_str()), szGood + ".vtr");
    }
}

TEST_F(SavedGameFilesTest, StoredNameNamingAnotherFolderSavesNothing) {
    fs::create_directory("victim");
    for (const char* szName : {"victim/career", "../escaped", "..", "/tmp/brakvell-victim"}) {
        Set_Name(szName);
        EXPECT_EQ(New_Season_File(), "") << szName;
        EXPECT_EQ(Save_New_Season_Game(), SAVE_CANNOT_CREATE) << szName;
    }
    EXPECT_TRUE(fs::is_empty("victim"));
    EXPECT_FALSE(fs::exists(m_WorkDir.parent_path() / "escaped.vtr"));
    EXPECT_FALSE(fs::exists("/tmp/brakvell-victim.vtr"));
    // A name filling the whole field is cut where a typed one would end.
    memset(g_League.szGameName, 'z', sizeof g_League.szGameName);
    EXPECT_EQ(New_Season_File(), std::string(sizeof g_League.szGameName - 1, 'z') + ".vtr");
}

TEST_F(SavedGameFilesTest, SeasonSaveKeepsAnotherGamesFile) {
    Write_Bytes("Dynasty.vtr", OTHER_GAME);
    Write_Bytes("Dynasty 2.vtr", OTHER_GAME);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_EQ(Read_Bytes("Dynasty.vtr"), OTHER_GAME);
    EXPECT_EQ(Read_Bytes("Dynasty 2.vtr"), OTHER_GAME);
    ASSERT_TRUE(fs::exists("Dynasty 3.vtr"));
    // The next season finds its own file and keeps to it.
    Set_Game_State(GS_CURRENT_WEEK, 7);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_FALSE(fs::exists("Dynasty 4.vtr"));
    ASSERT_TRUE(Load_Game("Dynasty 3.vtr"));
    EXPECT_EQ(Current_Week(), 7);
}

TEST_F(SavedGameFilesTest, SeasonSaveReplacesTheGamesOwnFile) {
    ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
    Remember_Game_File(nullptr);
    ASSERT_TRUE(Load_Game("./Dynasty.vtr"));
    Set_Game_State(GS_CURRENT_WEEK, 5);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_FALSE(fs::exists("Dynasty 2.vtr"));
    // The automatic save before play is a copy, not the game's file.
    Set_Game_State(GS_AUTOSAVE, 1);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    ASSERT_EQ(Auto_Save_Before_Play(1), SAVE_OK);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_FALSE(fs::exists("Dynasty 2.vtr"));
    // Working in another folder, the same name there is another game's.
    fs::create_directory("elsewhere");
    Write_Bytes("elsewhere/Dynasty.vtr", OTHER_GAME);
    fs::current_path("elsewhere");
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_EQ(Read_Bytes("Dynasty.vtr"), OTHER_GAME);
    EXPECT_TRUE(fs::exists("Dynasty 2.vtr"));
}

TEST_F(SavedGameFilesTest, SkippedAutomaticSavesWriteNothing) {
    Skip_Automatic_Saves(true);
    Set_Game_State(GS_AUTOSAVE, 1);
    EXPECT_EQ(Auto_Save_Before_Play(4), -1);
    EXPECT_EQ(Save_New_Season_Game(), SAVE_OK);
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_NE(entry.path().extension(), ".vtr") << entry.path();
}

TEST_F(SavedGameFilesTest, SavingThroughALinkReplacesTheFileAndKeepsItsMode) {
    Write_Bytes("real.vtr", OTHER_GAME);
    chmod("real.vtr", 0640);
    fs::create_symlink("real.vtr", "link.vtr");
    ASSERT_EQ(Save_Game("link.vtr"), SAVE_OK);
    EXPECT_TRUE(fs::is_symlink("link.vtr"));
    EXPECT_NE(Read_Bytes("real.vtr"), OTHER_GAME);
    struct stat status;
    ASSERT_EQ(stat("real.vtr", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    ASSERT_TRUE(Load_Game("real.vtr"));
}

TEST_F(SavedGameFilesTest, WhatIsNotARegularFileAfterLinksIsRefused) {
    fs::create_directory("folder");
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("folder", "to-folder.vtr");
    fs::create_symlink("pipe", "to-pipe.vtr");
    fs::create_symlink("missing.vtr", "dangling.vtr");
    fs::create_symlink("/dev/null", "to-null.vtr");
    for (const char* szPath : {"folder", "pipe", "to-folder.vtr", "to-pipe.vtr", "dangling.vtr", "to-null.vtr"})
        EXPECT_EQ(Save_Game(szPath), SAVE_CANNOT_CREATE) << szPath;
    EXPECT_FALSE(fs::exists("missing.vtr"));
    EXPECT_TRUE(fs::is_symlink("to-null.vtr"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_fifo("pipe"));
    // Nothing of the refused saves is left behind.
    EXPECT_EQ(Remove_Abandoned_Saves(""), 0);
}

TEST_F(SavedGameFilesTest, LeftoversOfAKilledSaveGoButNotASaveInProgress) {
    Write_Bytes(".brakvell-save-dead01", OTHER_GAME);
    Write_Bytes(".brakvell-save-busy01", OTHER_GAME);
    Write_Bytes("keep.vtr", OTHER_GAME);
    fs::create_symlink("keep.vtr", ".brakvell-save-link01");
    int nBusy = open(".brakvell-save-busy01", O_RDONLY);
    ASSERT_GE(nBusy, 0);
    ASSERT_EQ(flock(nBusy, LOCK_EX), 0);
    EXPECT_EQ(Remove_Abandoned_Saves(""), 1);
    EXPECT_FALSE(fs::exists(".brakvell-save-dead01"));
    EXPECT_TRUE(fs::exists(".brakvell-save-busy01"));
    EXPECT_TRUE(fs::exists("keep.vtr"));
    close(nBusy);
    EXPECT_EQ(Remove_Abandoned_Saves(m_WorkDir.c_str()), 1);
    EXPECT_FALSE(fs::exists(".brakvell-save-busy01"));
    EXPECT_EQ(Read_Bytes("keep.vtr"), OTHER_GAME);
}

TEST_F(SavedGameFilesTest, LockFollowsTheFileThroughSaves) {
    ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
    ASSERT_EQ(Lock_Game_File("Dynasty.vtr"), GAME_FILE_LOCKED);
    EXPECT_FALSE(Lockable("Dynasty.vtr"));
    EXPECT_EQ(Lock_Game_File("./Dynasty.vtr"), GAME_FILE_LOCKED);  // the same file, already held
    // The save replaces the file: the new one is held from the moment it has the name.
    for (int nSave = 0; nSave < 2; nSave++) {
        Set_Game_State(GS_CURRENT_WEEK, nSave + 1);
        ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
        EXPECT_FALSE(Lockable("Dynasty.vtr"));
    }
    // A save to another file leaves the held one held.
    ASSERT_EQ(Save_Game("Other.vtr"), SAVE_OK);
    EXPECT_TRUE(Lockable("Other.vtr"));
    EXPECT_FALSE(Lockable("Dynasty.vtr"));
    Unlock_Game_File();
    EXPECT_TRUE(Lockable("Dynasty.vtr"));

    int nOther = open("Dynasty.vtr", O_RDONLY);
    ASSERT_EQ(flock(nOther, LOCK_EX), 0);
    EXPECT_EQ(Lock_Game_File("Dynasty.vtr"), GAME_FILE_IN_USE);
    close(nOther);
    ASSERT_EQ(mkfifo("pipe.vtr", 0600), 0);
    EXPECT_EQ(Lock_Game_File("pipe.vtr"), GAME_FILE_UNUSABLE);
    EXPECT_EQ(Lock_Game_File("missing.vtr"), GAME_FILE_UNUSABLE);
}

}  // namespace
