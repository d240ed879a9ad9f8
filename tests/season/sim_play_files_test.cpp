// brakvell-sim play with files and arguments a careless or hostile caller gives it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "database/saved_game.h"
#include "database/team.h"
#include "default_season_fixture.h"

namespace fs = std::filesystem;

namespace {
class SimPlayFilesTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(3);
        ASSERT_EQ(Save_Game("new.vtr"), SAVE_OK);
        m_szBytes = Contents("new.vtr");
    }
    static std::string Contents(const std::string& szPath) {
        std::ifstream file(szPath, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string m_szBytes;
};
}  // namespace

TEST_F(SimPlayFilesTest, NumbersOutOfRangeAreRefusedByName) {
    for (const char* szArguments : {"--weeks 1 --seed 4294967297", "--weeks 1 --seed 99999999999999999999",
                                    "--weeks 1 --seed -1", "--seed 1 --weeks 4294967297", "--seed 1 --weeks 1001"}) {
        SimResult result = Run_Sim("play new.vtr " + std::string(szArguments));
        EXPECT_EQ(result.nStatus, 2) << szArguments;
        // The last option given is the one out of range.
        std::string szLast = std::string(szArguments).substr(std::string(szArguments).rfind("--"));
        EXPECT_NE(result.szOutput.find("brakvell-sim: " + szLast + " is out of range"), std::string::npos)
            << result.szOutput;
    }
    EXPECT_EQ(Contents("new.vtr"), m_szBytes);
}

TEST_F(SimPlayFilesTest, WithoutASeedTheClockSeedIsPrintedAndRepeats) {
    fs::copy_file("new.vtr", "again.vtr");
    SimResult first = Run_Sim("play new.vtr --weeks 1");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    ASSERT_EQ(first.szOutput.rfind("Seed ", 0), 0u) << first.szOutput;
    std::string szSeed = first.szOutput.substr(5, first.szOutput.find('\n') - 5);
    SimResult again = Run_Sim("play again.vtr --weeks 1 --seed " + szSeed);
    ASSERT_EQ(again.nStatus, 0) << again.szOutput;
    EXPECT_EQ(first.szOutput.substr(first.szOutput.find('\n') + 1), again.szOutput);
    EXPECT_EQ(Contents("new.vtr"), Contents("again.vtr"));
}

TEST_F(SimPlayFilesTest, TheDefaultLeagueAndWhatCannotBeWrittenBackAreNotPlayed) {
    fs::copy_file("new.vtr", "UNIVERSE.DAT");
    ASSERT_EQ(mkfifo("pipe.vtr", 0600), 0);  // would hang a reader
    fs::create_directory("folder.vtr");
    for (const char* szFile : {"./UNIVERSE.DAT", "pipe.vtr", "folder.vtr"}) {
        SimResult result = Run_Sim(std::string("play ") + szFile + " --weeks 1 --seed 2");
        EXPECT_EQ(result.nStatus, 1) << szFile;
        EXPECT_EQ(result.szOutput.find("Week 1"), std::string::npos) << result.szOutput;
    }
    EXPECT_EQ(Contents("UNIVERSE.DAT"), m_szBytes);
}

TEST_F(SimPlayFilesTest, AGameInUseIsNotPlayedTwice) {
    int nFd = open("new.vtr", O_RDONLY);
    ASSERT_GE(nFd, 0);
    ASSERT_EQ(flock(nFd, LOCK_EX), 0);
    SimResult result = Run_Sim("play new.vtr --weeks 1 --seed 2");
    close(nFd);
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.szOutput.find("new.vtr is in use by another process"), std::string::npos) << result.szOutput;
    EXPECT_EQ(Contents("new.vtr"), m_szBytes);
    EXPECT_EQ(Run_Sim("play new.vtr --weeks 1 --seed 2").nStatus, 0);
}

TEST_F(SimPlayFilesTest, PlayingThroughALinkKeepsTheLinkAndWritesOnlyTheGame) {
    fs::create_directory("games");
    fs::rename("new.vtr", "games/real.vtr");
    fs::create_symlink("games/real.vtr", "link.vtr");
    // The game's option asks for an automatic save before play.
    Set_Game_State(GS_AUTOSAVE, 1);
    ASSERT_EQ(Save_Game("games/real.vtr"), SAVE_OK);
    m_szBytes = Contents("games/real.vtr");
    SimResult result = Run_Sim("play link.vtr --weeks 2 --seed 2");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_TRUE(fs::is_symlink("link.vtr"));
    EXPECT_NE(Contents("games/real.vtr"), m_szBytes);
    EXPECT_FALSE(fs::exists(AUTO_SAVE_FILE));
    EXPECT_FALSE(fs::exists(std::string("games/") + AUTO_SAVE_FILE));
}

TEST_F(SimPlayFilesTest, ControlCharactersFromAFileReachNoTerminal) {
    const char szName[] = "\x1b]0;owned\x07\x1b[2J Dynasty";
    memset(g_League.szGameName, 0, sizeof g_League.szGameName);
    memcpy(g_League.szGameName, szName, sizeof szName);
    ASSERT_EQ(Save_Game("hostile.vtr"), SAVE_OK);
    SimResult result = Run_Sim("info hostile.vtr");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_NE(result.szOutput.find("Game name:  \\x1b]0;owned\\x07\\x1b[2J Dynasty\n"), std::string::npos)
        << result.szOutput;
}

TEST_F(SimPlayFilesTest, ScratchFolderThatCannotBeMadeStopsTheCommand) {
    std::string szOld = getenv("TMPDIR") ? getenv("TMPDIR") : "";
    setenv("TMPDIR", (m_WorkDir / "no-such-folder").c_str(), 1);
    SimResult result = Run_Sim("bench games --count 1");
    szOld.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", szOld.c_str(), 1);
    EXPECT_EQ(result.nStatus, 1) << result.szOutput;
    EXPECT_NE(result.szOutput.find("scratch folder"), std::string::npos) << result.szOutput;
}

// The computer's proposals to the person's team: declined unless told to talk,
// and an unknown answer is refused before anything is played.
TEST_F(SimPlayFilesTest, ProposalsAreDeclinedUnlessTheToolIsToldToTalk) {
    SimResult bad = Run_Sim("play new.vtr --weeks 4 --seed 1 --proposals maybe");
    EXPECT_EQ(bad.nStatus, 2);
    EXPECT_EQ(Contents("new.vtr"), m_szBytes);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_USER_TEAM, 0);
    Set_Game_State(GS_MANAGED_TEAM, 0);
    Set_Game_State(GS_DIFFICULTY, 0);
    Set_Game_State(GS_COMPUTER_TRADES, 1);
    ASSERT_EQ(Save_Game("person.vtr"), SAVE_OK);
    Unlock_Game_File();
    fs::copy_file("person.vtr", "talk.vtr");
    SimResult declined = Run_Sim("play person.vtr --weeks 8 --seed 1");
    SimResult talked = Run_Sim("play talk.vtr --weeks 8 --seed 1 --proposals talk");
    ASSERT_EQ(declined.nStatus, 0) << declined.szOutput;
    ASSERT_EQ(talked.nStatus, 0) << talked.szOutput;
    std::istringstream lines(declined.szOutput);
    int nProposals = 0;
    for (std::string szLine; std::getline(lines, szLine);)
        if (szLine.rfind("Proposal: ", 0) == 0) {
            nProposals++;
            EXPECT_EQ(szLine.substr(szLine.size() - strlen(": declined")), ": declined");
        }
    EXPECT_GT(nProposals, 0);
    EXPECT_NE(talked.szOutput.find(": traded"), std::string::npos) << talked.szOutput;
}
