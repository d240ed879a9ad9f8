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

TEST_F(SavedGameFilesTest, StoredNamesThatAreNotFileNamesSaveNothing) {
    fs::create_directory("victim");
    for (const std::string& szBad : {std::string("."), std::string(".."), std::string("victim/career"),
                                      std::string("../escaped"), std::string("/tmp/brakvell-victim"),
                                      std::string("..\\up"), std::string("\x1b]0;title\x07")}) {
        Set_Name(szBad);
        EXPECT_EQ(New_Season_File(), "") << szBad;
        EXPECT_EQ(Save_New_Season_Game(), SAVE_CANNOT_CREATE) << szBad;
    }
    EXPECT_TRUE(fs::is_empty("victim"));
    EXPECT_FALSE(fs::exists("/tmp/brakvell-victim.vtr"));
    // A name filling the field is cut where a typed one would end.
    std::string szLongest(sizeof g_League.szGameName - 1, 'z');
    memset(g_League.szGameName, 'z', sizeof g_League.szGameName);
    EXPECT_EQ(New_Season_File(), szLongest + ".vtr");
}

TEST_F(SavedGameFilesTest, SeasonSaveKeepsOtherGamesFilesAndReplacesItsOwn) {
    Write_Bytes("Dynasty.vtr", OTHER_GAME);
    Write_Bytes("Dynasty 2.vtr", OTHER_GAME);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_EQ(Read_Bytes("Dynasty.vtr"), OTHER_GAME);
    EXPECT_EQ(Read_Bytes("Dynasty 2.vtr"), OTHER_GAME);
    // Next season, and after the automatic save (a copy), it finds its own file.
    Set_Game_State(GS_AUTOSAVE, 1);
    ASSERT_EQ(Auto_Save_Before_Play(1), SAVE_OK);
    Set_Game_State(GS_CURRENT_WEEK, 7);
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_FALSE(fs::exists("Dynasty 4.vtr"));
    ASSERT_TRUE(Load_Game("./Dynasty 3.vtr"));
    EXPECT_EQ(Current_Week(), 7);
    // In another folder the same name is another game's.
    fs::create_directory("elsewhere");
    Write_Bytes("elsewhere/Dynasty.vtr", OTHER_GAME);
    fs::current_path("elsewhere");
    ASSERT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_EQ(Read_Bytes("Dynasty.vtr"), OTHER_GAME);
}

TEST_F(SavedGameFilesTest, LinksAreFollowedToRegularFilesOnly) {
    Write_Bytes("real.vtr", OTHER_GAME);
    chmod("real.vtr", 0640);
    fs::create_symlink("real.vtr", "link.vtr");
    ASSERT_EQ(Save_Game("link.vtr"), SAVE_OK);
    EXPECT_TRUE(fs::is_symlink("link.vtr"));
    EXPECT_TRUE(Load_Game("real.vtr"));
    struct stat status;
    ASSERT_EQ(stat("real.vtr", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("pipe", "to-pipe.vtr");
    fs::create_symlink("missing.vtr", "dangling.vtr");
    fs::create_symlink("/dev/null", "to-null.vtr");
    for (const char* szPath : {".", "pipe", "to-pipe.vtr", "dangling.vtr", "to-null.vtr"})
        EXPECT_EQ(Save_Game(szPath), SAVE_CANNOT_CREATE) << szPath;
    EXPECT_FALSE(fs::exists("missing.vtr"));
    EXPECT_EQ(Remove_Abandoned_Saves(""), 0);  // refused saves leave nothing behind
}

TEST_F(SavedGameFilesTest, LeftoversOfAKilledSaveGoButNotASaveInProgress) {
    Write_Bytes(".brakvell-save-dead01", OTHER_GAME);
    Write_Bytes(".brakvell-save-busy01", OTHER_GAME);
    Write_Bytes("keep.vtr", OTHER_GAME);
    fs::create_symlink("keep.vtr", ".brakvell-save-link01");
    int nBusy = open(".brakvell-save-busy01", O_RDONLY);
    ASSERT_EQ(flock(nBusy, LOCK_EX), 0);
    EXPECT_EQ(Remove_Abandoned_Saves(""), 1);
    EXPECT_TRUE(fs::exists(".brakvell-save-busy01"));
    close(nBusy);
    EXPECT_EQ(Remove_Abandoned_Saves(m_WorkDir.c_str()), 1);
    EXPECT_EQ(Read_Bytes("keep.vtr"), OTHER_GAME);
}

TEST_F(SavedGameFilesTest, LockFollowsTheFileThroughSaves) {
    ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
    ASSERT_EQ(Lock_Game_File("Dynasty.vtr"), GAME_FILE_LOCKED);
    // The new file is held from the moment it has the name.
    ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
    EXPECT_FALSE(Lockable("Dynasty.vtr"));
    Unlock_Game_File();
    int nOther = open("Dynasty.vtr", O_RDONLY);
    ASSERT_EQ(flock(nOther, LOCK_EX), 0);
    EXPECT_EQ(Lock_Game_File("Dynasty.vtr"), GAME_FILE_IN_USE);
    close(nOther);
}

}  // namespace
