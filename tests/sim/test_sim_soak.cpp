// brakvell-sim soak on small leagues cut from the default one, as the lead
// runs it on the whole league: the seasons sound, the same for the same seed,
// the same whether or not the league is saved and taken up between seasons.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "commands/start_up.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/names.h"
#include "test_support.h"

namespace {
std::string File_Bytes(const std::string& szPath) {
    std::ifstream file(szPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& szText) {
    std::vector<std::string> lines;
    std::istringstream stream(szText);
    for (std::string szLine; std::getline(stream, szLine);) lines.push_back(szLine);
    return lines;
}

std::vector<std::string> Fields(const std::string& szLine) {
    std::vector<std::string> fields;
    std::istringstream stream(szLine);
    for (std::string szField; std::getline(stream, szField, '\t');) fields.push_back(szField);
    return fields;
}

// A folder with the shipped league and the name files, as the game has.
class SimSoakTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::copy_file(std::string(BRAKVELL_GAME_DIR) + "/Universe.dat", "Universe.dat");
        std::filesystem::copy(std::string(BRAKVELL_GAME_DIR) + "/names", "names");
    }
    // A saved new game of the first nTeams franchises.
    static void Save_Fixture(int nTeams, const char* szFile) {
        ASSERT_TRUE(Start_Default_New_Game(0, 1, nTeams));
        ASSERT_EQ(Save_Game(szFile), SAVE_OK);
        Unlock_Game_File();
    }
    // The soak's lines: the header, then one a season of as many fields.
    static void Expect_Season_Lines(const SimResult& result, size_t nSeasons) {
        ASSERT_EQ(result.nStatus, 0) << result.szOutput;
        std::vector<std::string> lines = Lines(result.szOutput);
        ASSERT_EQ(lines.size(), nSeasons + 1) << result.szOutput;
        size_t nFields = Fields(lines[0]).size();
        EXPECT_EQ(Fields(lines[0])[0], "season");
        int nFirstYear = std::stoi(Fields(lines[1])[0]);
        for (size_t n = 1; n < lines.size(); n++) {
            std::vector<std::string> fields = Fields(lines[n]);
            EXPECT_EQ(fields.size(), nFields) << lines[n];
            EXPECT_EQ(std::stoi(fields[0]), nFirstYear + (int)n - 1) << lines[n];
            EXPECT_NE(fields[1], "none") << lines[n];  // every season crowns a champion
        }
    }
};
}  // namespace

TEST_F(SimSoakTest, EightAndTwoTeamLeaguesLiveSeveralSeasonsSoundly) {
    Expect_Season_Lines(Run_Sim("soak --new --seasons 3 --seed 5 --teams-fixture 8 --plot drift.svg"), 3);
    std::string szPlot = File_Bytes("drift.svg");
    EXPECT_EQ(szPlot.rfind("<svg", 0), 0u);
    size_t nCharts = 0;
    for (size_t nAt = szPlot.find("<polyline"); nAt != std::string::npos; nAt = szPlot.find("<polyline", nAt + 1))
        nCharts++;
    EXPECT_EQ(nCharts, 5u);
    Expect_Season_Lines(Run_Sim("soak --new --seasons 3 --seed 6 --teams-fixture 2"), 3);
}

// The same seed gives the same league, sound; a save and a load after every
// season, as a person makes them, change nothing (a load takes the
// player-creation templates again, so they must be the ones the seasons'
// set-ups left in place).
TEST_F(SimSoakTest, TheSameSeedGivesTheSameLeagueWithOrWithoutLoadsBetweenSeasons) {
    Save_Fixture(8, "a.vtr");
    std::filesystem::copy_file("a.vtr", "b.vtr");
    std::filesystem::copy_file("a.vtr", "c.vtr");
    SimResult first = Run_Sim("soak a.vtr --seasons 2 --seed 9");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    SimResult second = Run_Sim("soak b.vtr --seasons 2 --seed 9");
    EXPECT_EQ(second.szOutput, first.szOutput);
    EXPECT_TRUE(File_Bytes("b.vtr") == File_Bytes("a.vtr"));  // the bytes are no reading
    SimResult reloaded = Run_Sim("soak c.vtr --seasons 2 --seed 9 --reload 1");
    EXPECT_EQ(reloaded.szOutput, first.szOutput);
    EXPECT_TRUE(File_Bytes("c.vtr") == File_Bytes("a.vtr"));
    ASSERT_TRUE(Load_Game("a.vtr"));
    EXPECT_EQ(Current_Season_Index(), 2);
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}

// A league kept in a folder of its own still names its new players from the
// game's name files, so that the result can be read.
TEST_F(SimSoakTest, ALeagueSavedElsewhereNamesItsNewPlayersFromTheGamesFiles) {
    std::filesystem::create_directory("saves");
    Save_Fixture(2, "saves/a.vtr");
    ASSERT_EQ(Run_Sim("soak saves/a.vtr --seasons 1 --seed 3").nStatus, 0);
    ASSERT_TRUE(Load_Game("saves/a.vtr"));
    int nDefault = 0, nPlayers = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            nPlayers++;
            char szFirst[32], szLast[32];
            Get_Player_First_Name(nTeam, nPlayer, szFirst);
            Get_Player_Last_Name(nTeam, nPlayer, szLast);
            nDefault += std::string(szFirst) == DEFAULT_FIRST_NAME && std::string(szLast) == DEFAULT_LAST_NAME;
        }
    EXPECT_GT(nPlayers, 0);
    EXPECT_LT(nDefault, 3);  // a drafted rookie each season would be one
}

TEST_F(SimSoakTest, BadArgumentsGetTheUsageAndTheDefaultLeagueIsNeverPlayed) {
    Save_Fixture(2, "a.vtr");
    for (const char* szArguments :
         {"", "--new", "--new --seasons 2", "--new --seed 1", "--new --seasons 0 --seed 1",
          "--new --seasons 101 --seed 1", "--new --seasons 1 --seed 1 --teams-fixture 5",
          "--new --seasons 1 --seed 1 --teams-fixture", "a.vtr --new --seasons 1 --seed 1",
          "a.vtr --seasons 1 --seed 1 --teams-fixture 8", "--new --seasons 1 --seed 1 --days 3",
          "a.vtr b.vtr --seasons 1 --seed 1"}) {
        SimResult result = Run_Sim(std::string("soak ") + szArguments);
        EXPECT_EQ(result.nStatus, 2) << szArguments << "\n" << result.szOutput;
        EXPECT_NE(result.szOutput.find("usage: brakvell-sim soak [FILE | --new]"), std::string::npos) << szArguments;
    }
    std::string szUniverse = File_Bytes("Universe.dat");
    SimResult universe = Run_Sim("soak Universe.dat --seasons 1 --seed 1");
    EXPECT_EQ(universe.nStatus, 1);
    EXPECT_NE(universe.szOutput.find("Universe.dat is the default league"), std::string::npos) << universe.szOutput;
    EXPECT_TRUE(File_Bytes("Universe.dat") == szUniverse);
}

// The league keeps a hundred yearly records: a soak that would need a
// 101st season is refused before it plays one, and the file is left alone.
TEST_F(SimSoakTest, ASeasonPastTheHundredthIsRefused) {
    ASSERT_TRUE(Start_Default_New_Game(0, 1, 2));
    Set_Game_State(GS_SEASON_INDEX, NUMBER_OF_SEASONS - 2);
    ASSERT_EQ(Save_Game("late.vtr"), SAVE_OK);
    Unlock_Game_File();
    std::string szBytes = File_Bytes("late.vtr");
    SimResult result = Run_Sim("soak late.vtr --seasons 2 --seed 1");
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.szOutput.find("past the league's records"), std::string::npos) << result.szOutput;
    EXPECT_TRUE(File_Bytes("late.vtr") == szBytes);
    SimResult all = Run_Sim("soak --new --seasons 100 --seed 1 --teams-fixture 2");
    EXPECT_EQ(all.nStatus, 1);
    EXPECT_NE(all.szOutput.find("a new league holds 100 seasons"), std::string::npos) << all.szOutput;
}

