// Start-up without the window and the routine that follows every league
// taken up: what each leaves behind, in the order the program needs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "base/random.h"
#include "commands/saved_game_dialogs.h"
#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "halloffame/fame_file.h"
#include "personnel/player_creation.h"
#include "test_support.h"

namespace {
namespace fs = std::filesystem;

class StartUpTest : public LeagueTest {
  protected:
    // The shipped league and its name lists in the working folder.
    bool Bring_Default_League() {
        std::string szGame = BRAKVELL_GAME_DIR;
        if (!fs::exists(szGame + "/Universe.dat")) return false;
        fs::create_symlink(szGame + "/Universe.dat", m_WorkDir / "Universe.dat");
        fs::create_directory_symlink(szGame + "/names", m_WorkDir / "names");
        return true;
    }
    static StartUpOptions Seeded(uint32_t nSeed) {
        StartUpOptions options;
        options.bSeedFromClock = false;
        options.nSeed = nSeed;
        return options;
    }
    static int Notices_Titled(const std::string& szTitle) {
        int n = 0;
        for (const RecordedNotice& notice : Headless_Notices()) n += notice.title == szTitle;
        return n;
    }
    static void Empty_The_Pool() {
        Clear_League();
        Refill_Template_Pool();
    }
};

// ---- Start-up ----

TEST_F(StartUpTest, DefaultLeagueStartsWithItsPoolAndNothingToSay) {
    if (!Bring_Default_League()) GTEST_SKIP() << "no default league built";
    { std::ofstream("debug.txt") << "an old log\n"; }
    StartUpReport report = Start_Up_Core(Seeded(7));
    EXPECT_TRUE(report.bUniverseLoaded);
    EXPECT_TRUE(report.bFirstStart);
    EXPECT_EQ(report.nBlankTeamNames, 0);
    EXPECT_TRUE(Fame_File_Exists());
    // The only line is the fame file's rebuilding; the old log is gone.
    std::ifstream log("debug.txt");
    std::string szLog((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_EQ(szLog.find("an old log"), std::string::npos);
    EXPECT_EQ(Headless_Log_Lines().size(), 1u);
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_GE(Number_Of_Teams(), 2);
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        EXPECT_GT(Template_Position_Count(nPosition), 0) << nPosition;
    EXPECT_FALSE(Start_Up_Core(Seeded(7)).bFirstStart);
}

// A given seed reaches the generator after every step that could draw.
TEST_F(StartUpTest, SameSeedSameDraws) {
    if (!Bring_Default_League()) GTEST_SKIP() << "no default league built";
    Start_Up_Core(Seeded(11));
    int anFirst[8];
    for (int& n : anFirst) n = Random(1000000);
    Start_Up_Core(Seeded(11));
    for (int n : anFirst) EXPECT_EQ(Random(1000000), n);
    Seed_Random(11);
    for (int n : anFirst) EXPECT_EQ(Random(1000000), n);
}

// The window places itself between the fame file it reads and the league.
TEST_F(StartUpTest, WindowStepsComeAfterTheFameFileAndBeforeTheLeague) {
    if (!Bring_Default_League()) GTEST_SKIP() << "no default league built";
    bool bFameThen = false;
    int nTeamsThen = -1;
    StartUpOptions options = Seeded(3);
    options.windowSteps = [&] {
        bFameThen = Fame_File_Exists();
        nTeamsThen = Number_Of_Teams();
    };
    Start_Up_Core(options);
    EXPECT_TRUE(bFameThen);
    EXPECT_EQ(nTeamsThen, 0);
    EXPECT_GT(Number_Of_Teams(), 0);
}

TEST_F(StartUpTest, NoDefaultLeagueIsReportedAndEveryPositionMissing) {
    StartUpReport report = Start_Up_Core(Seeded(1));
    EXPECT_FALSE(report.bUniverseLoaded);
    EXPECT_EQ(Notices_Titled("File Load Error"), 1);
    EXPECT_EQ(Notices_Titled("Missing Player Data"), NUMBER_OF_POSITIONS);
    EXPECT_EQ(Template_Pool_Size(), 0);
}

TEST_F(StartUpTest, DamagedDefaultLeagueLeavesTheLeagueAsItWas) {
    Build_Game_League(5, 2);
    { std::ofstream("Universe.dat") << "not a league"; }
    StartUpReport report = Start_Up_Core(Seeded(1));
    EXPECT_FALSE(report.bUniverseLoaded);
    EXPECT_EQ(Number_Of_Teams(), 2);
    // The hand-built teams have one starter a position: the pool is there, but thin.
    EXPECT_GT(Template_Pool_Size(), 0);
    EXPECT_EQ(Notices_Titled("Missing Player Data"), NUMBER_OF_POSITIONS);
}

// ---- Team names ----

TEST_F(StartUpTest, BlankNicknamesOfTeamsInUseAreCounted) {
    Build_Page_League(4);
    EXPECT_EQ(Check_Team_Names(), 0);
    Set_Team_String("", 5, TS_NICKNAME);  // a blank team out of use says nothing
    EXPECT_EQ(Check_Team_Names(), 0);
    EXPECT_TRUE(Headless_Notices().empty());

    Set_Team_String("", 2, TS_NICKNAME);
    EXPECT_EQ(Check_Team_Names(), 1);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Team Names");
    EXPECT_EQ(Headless_Notices()[0].text,
              "You have some blank team names. Please take a minute to complete your team names.");

    Headless_Reset();
    for (TNUM nTeam = 0; nTeam < 4; nTeam++) Set_Team_String("", nTeam, TS_NICKNAME);
    EXPECT_EQ(Check_Team_Names(), 4);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].text,
              "Your team and league names have not yet been initialized. Please take a few minutes to enter team "
              "names.");
}

// ---- After a league is taken up ----

TEST_F(StartUpTest, ResumedGameHasItsOwnPool) {
    Build_Game_League(9, 4);
    ASSERT_EQ(Save_Game("four.vtr"), SAVE_OK);
    Build_Game_League(9, 2);
    ASSERT_EQ(Save_Game("two.vtr"), SAVE_OK);

    Empty_The_Pool();
    ASSERT_TRUE(Resume_Saved_Game("four.vtr"));
    int nFour = Template_Pool_Size();
    EXPECT_GT(nFour, 0);

    // Another game: the pool is the new league's, not the old one's.
    ASSERT_TRUE(Resume_Saved_Game("two.vtr"));
    EXPECT_EQ(Template_Pool_Size() * 2, nFour);
    EXPECT_TRUE(Headless_Notices().empty()) << "the pool's warnings belong to start-up";
}

// New players copy the default league's starters, not the league in play's:
// a pool refilled from a league of copies would pass each generation's bias
// on to the next, and a long game would drift without end.
TEST_F(StartUpTest, TheDefaultLeaguesMouldsOutlastTheLeagueInPlay) {
    if (!Bring_Default_League()) GTEST_SKIP() << "no default league built";
    Start_Up_Core(Seeded(3));
    int nPool = Template_Pool_Size();
    int nQuarterbacks = Template_Position_Count(POS_QB);
    ASSERT_GT(nQuarterbacks, 0);
    // Nobody in play is a regular starter any more: moulds taken from the
    // league in play would all be gone.
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, SS_STARTS, 0);
    Renew_Template_Pool();
    EXPECT_EQ(Template_Pool_Size(), nPool) << "a season's set-up";
    ASSERT_EQ(Save_Game("later.vtr"), SAVE_OK);
    ASSERT_TRUE(Resume_Saved_Game("later.vtr"));
    EXPECT_EQ(Template_Pool_Size(), nPool) << "a load";
    EXPECT_EQ(Template_Position_Count(POS_QB), nQuarterbacks);
}

TEST_F(StartUpTest, WithoutADefaultLeagueThePoolFollowsTheLeagueInPlay) {
    Build_Game_League(9, 4);
    Forget_Kept_Template_Pool();
    After_League_Loaded();
    int nPool = Template_Pool_Size();
    ASSERT_GT(nPool, 0);
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        if (Is_Valid_Player(0, nPlayer)) Set_Player_Season_Stat(0, nPlayer, PERIOD_PREDICTED, SS_STARTS, 0);
    Renew_Template_Pool();
    EXPECT_LT(Template_Pool_Size(), nPool);
    EXPECT_GT(Template_Pool_Size(), 0);
}

// The default league is read for its moulds only when whole and sound; a
// damaged one lends none and leaves the league in play alone.
TEST_F(StartUpTest, OnlyASoundDefaultLeagueLendsItsMoulds) {
    std::string szGame = BRAKVELL_GAME_DIR;
    if (!fs::exists(szGame + "/Universe.dat")) GTEST_SKIP() << "no default league built";
    std::ifstream in(szGame + "/Universe.dat", std::ios::binary);
    std::string szBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::unique_ptr<LeagueDatabase> pImage(new LeagueDatabase);
    auto Read = [&](const std::string& szContent) {
        { std::ofstream("copy.dat", std::ios::binary) << szContent; }
        return Read_League_Image("copy.dat", pImage.get());
    };
    EXPECT_TRUE(Read(szBytes));
    Build_Game_League(9, 2);
    uint32_t nSum = Saved_Data_Checksum();
    for (size_t nLength : {(size_t)0, (size_t)10, szBytes.size() / 2, szBytes.size() - 1})
        EXPECT_FALSE(Read(szBytes.substr(0, nLength))) << nLength << " bytes";
    std::string szFlipped = szBytes;
    szFlipped[szFlipped.size() / 2] ^= 0x40;
    EXPECT_FALSE(Read(szFlipped)) << "a byte changed inside";
    EXPECT_FALSE(Read_League_Image("no such file", pImage.get()));
    EXPECT_EQ(Saved_Data_Checksum(), nSum) << "the league in play is not touched";
}

TEST_F(StartUpTest, RefusedResumeKeepsLeagueAndPool) {
    Build_Game_League(9, 4);
    After_League_Loaded();
    int nPool = Template_Pool_Size();
    { std::ofstream("bad.vtr") << "VTR but nothing else"; }
    EXPECT_FALSE(Resume_Saved_Game("bad.vtr"));
    EXPECT_EQ(Number_Of_Teams(), 4);
    EXPECT_EQ(Template_Pool_Size(), nPool);
}

TEST_F(StartUpTest, NewGameOfTheDefaultLeagueFillsTheFreeAgentPool) {
    if (!Bring_Default_League()) GTEST_SKIP() << "no default league built";
    Start_Up_Core(Seeded(1998));
    ASSERT_TRUE(Start_Default_New_Game(0, 1));
    EXPECT_TRUE(Human_Managed(0));
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
    if (!Valid_Team(NUMBER_OF_FRANCHISES - 1)) {
        EXPECT_FALSE(Start_Default_New_Game(NUMBER_OF_FRANCHISES - 1, 1)) << "a franchise not in use";
    }
}

// ---- The headless tool ----

TEST_F(StartUpTest, BenchNeedsTheDefaultLeague) {
    for (const char* szKind : {"games", "season"}) {
        SimResult result = Run_Sim(std::string("bench ") + szKind + " --count 1");
        EXPECT_EQ(result.nStatus, 1) << szKind;
        EXPECT_NE(result.szOutput.find("needs Universe.dat"), std::string::npos) << result.szOutput;
    }
}

}  // namespace
