// The Play button on the shipped league: the state a new game starts in,
// its title, the options and the Output folder.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "commands/game_commands.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "halloffame/fame_file.h"
#include "new_game_fixture.h"
#include "personnel/development_shift.h"
#include "personnel/ratings.h"

namespace fs = std::filesystem;

TEST_F(NewGameTest, PlayMakesTheChosenTeamTheUsersAndStartsTheGame) {
    NewGameForm form = Open_Page(4, 2);
    form.szNickname = "Thunderheads";
    Set_Game_State(GS_LEADER_CONFERENCE, 77);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_Team_Stat(4, TEAM_STAT_CONTROL), 1);
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_CONTROL), 0);
    EXPECT_EQ(Get_Game_State(GS_DIFFICULTY), 2);
    EXPECT_EQ(Get_Game_State(GS_HOF_VIEW_LEVEL), 2);
    char szText[TEXT_SIZE];
    Get_Team_String(4, TS_NICKNAME, szText);
    EXPECT_STREQ(szText, "Thunderheads");
    Get_Team_String(4, TS_MANAGER, szText);
    EXPECT_STREQ(szText, "Dana Whitlock");
    EXPECT_STREQ(g_League.szManager, "Dana Whitlock");
    EXPECT_EQ(Get_Fame_Manager_Name(), "Dana Whitlock");

    const int STANDINGS[] = {2, 0, 7, 8}, FINANCES[] = {5, 11, 8, 13, 15}, LEADERS[] = {2, 11, 15, 24},
              CALENDAR[] = {2, 3, 4, 5};
    for (int i = 0; i < 4; i++) EXPECT_EQ(Get_Game_State(GS_STANDINGS_COLUMN + i), STANDINGS[i]) << i;
    for (int i = 0; i < 5; i++) EXPECT_EQ(Get_Game_State(GS_FINANCE_COLUMN + i), FINANCES[i]) << i;
    for (int i = 0; i < 4; i++) EXPECT_EQ(Get_Game_State(GS_LEADER_CATEGORY + i), LEADERS[i]) << i;
    EXPECT_EQ(Get_Game_State(GS_LEADER_CONFERENCE), 77);  // kept
    EXPECT_EQ(Get_Game_State(GS_LEADER_PERIOD), 0);
    for (int i = 0; i < 4; i++) EXPECT_EQ(Get_Game_State(GS_CALENDAR_COLUMN + i), CALENDAR[i]) << i;
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 4);
    EXPECT_EQ(Get_Game_State(GS_MANAGED_TEAM), 4);
    EXPECT_EQ(Get_Game_State(GS_CONFERENCE_VIEW), Get_Team_Division(4) / 4);
    EXPECT_EQ(Get_Game_State(GS_CURRENT_PAGE), PAGE_STANDINGS);
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 1);  // no advanced option: the rating counts
    EXPECT_EQ(Get_League_Rule(LR_FIXED_AGING), 0);
    EXPECT_GT(Get_Team_Financial_Stat(4, FIN_CASH), 3000000);

    Get_Team_Label(4, szText);
    EXPECT_EQ(std::string(g_League.szGameName), std::string(szText) + " - Dana Whitlock (Manager)");
    EXPECT_EQ(Check_League_Integrity(nullptr), 0);
}

TEST_F(NewGameTest, TitleWithSeveralUserTeamsCountsThem) {
    NewGameForm form = Open_Page(0, 1);
    Set_Team_Stat(7, TEAM_STAT_CONTROL, 1);  // a second manager's team
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_STREQ(g_League.szGameName, "32 teams - 2 players (Coach)");
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 0);
}

TEST_F(NewGameTest, TheFirstUserTeamIsTheUsersTeam) {
    NewGameForm form = Open_Page(9, 0);
    Set_Team_Stat(3, TEAM_STAT_CONTROL, 1);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 3);
    EXPECT_EQ(Get_Game_State(GS_MANAGED_TEAM), 3);
}

TEST_F(NewGameTest, SeparatorsInTheNameStayOutOfTheSavedGameName) {
    NewGameForm form = Open_Page(0, 0);
    form.szManager = "../../tmp/x\\y";
    ASSERT_TRUE(Play_New_Game(form));
    char szLabel[TEXT_SIZE];
    Get_Team_Label(0, szLabel);
    EXPECT_EQ(std::string(g_League.szGameName), std::string(szLabel) + " - ..-..-tmp-x-y (Fan)");
    char szText[TEXT_SIZE];
    Get_Team_String(0, TS_MANAGER, szText);
    EXPECT_STREQ(szText, "../../tmp/x\\y");
}

TEST_F(NewGameTest, ALongNameKeepsSixtyThreeCharacters) {
    NewGameForm form = Open_Page(0, 0);
    form.szManager = std::string(70, 'm');
    ASSERT_TRUE(Play_New_Game(form));
    char szText[TEXT_SIZE];
    Get_Team_String(0, TS_MANAGER, szText);
    EXPECT_EQ(strlen(szText), 63u);
    EXPECT_EQ(strlen(g_League.szManager), 63u);
    EXPECT_EQ(Get_Fame_Manager_Name(), std::string(63, 'm'));
}

TEST_F(NewGameTest, BadFormChangesNothing) {
    NewGameForm form = Open_Page(0, 0);
    uint32_t nSum = Saved_Data_Checksum();
    form.nTeam = 32;
    EXPECT_FALSE(Play_New_Game(form));
    EXPECT_TRUE(Logged("Invalid nTeam in Play_New_Game(32)"));
    form.nTeam = 1;
    form.nDifficulty = 4;
    EXPECT_FALSE(Play_New_Game(form));
    EXPECT_TRUE(Logged("Invalid nDifficulty in Play_New_Game(4)"));
    EXPECT_EQ(Saved_Data_Checksum(), nSum);
}

TEST_F(NewGameTest, SimulationModeFixesEveryonesAging) {
    NewGameForm form = Open_Page(0, 3);
    Set_New_Game_Option(&form, NEW_GAME_SIMULATION, true);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_League_Rule(LR_FIXED_AGING), 1);
    int nPlayers = 0;
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM n = 0; n < PLAYERS_PER_TEAM; n++) {
            if (nTeam == HALL_OF_FAME_TEAM || !Is_Valid_Player(nTeam, n)) continue;
            nPlayers++;
            ASSERT_EQ(Get_Player_Vital_Stat(nTeam, n, VS_GROWTH_RATE), 100);
            ASSERT_EQ(Get_Player_Vital_Stat(nTeam, n, VS_DECLINE_RATE), 100);
            ASSERT_EQ(Get_Player_Vital_Stat(nTeam, n, VS_PEAK_START), 26);
            ASSERT_EQ(Get_Player_Vital_Stat(nTeam, n, VS_PEAK_END), 31);
        }
    EXPECT_GT(nPlayers, 1500);
}

TEST_F(NewGameTest, EveryAdvancedOptionGivesUpTheRating) {
    NewGameForm form = Open_Page(2, 0);
    EXPECT_TRUE(New_Game_Keeps_Rating(form));
    for (int nOption = 0; nOption < NUMBER_OF_NEW_GAME_OPTIONS; nOption++) {
        NewGameForm checked = form;
        checked.abOption[nOption] = true;
        EXPECT_FALSE(New_Game_Keeps_Rating(checked)) << nOption;
    }
    // A game that ran with a valid rating does not lend it to the next one.
    Set_Game_State(GS_RATING_VALID, 1);
    form.abOption[NEW_GAME_EQUALIZE] = true;
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 0);
}

TEST_F(NewGameTest, AgingLeavesTheHallOfFameRecordsAlone) {
    NewGameForm form = Open_Page(0, 0);
    ASSERT_GT(Number_Of_Players(HALL_OF_FAME_TEAM), 0);
    int nInducted = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_DECLINE_RATE);
    int nVotes = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_GROWTH_RATE);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_DECLINE_RATE), nInducted);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_GROWTH_RATE), nVotes);
    bool bVaried = false;
    for (PNUM n = 1; n < Number_Of_Players(0); n++)
        bVaried |= Get_Player_Vital_Stat(0, n, VS_GROWTH_RATE) != Get_Player_Vital_Stat(0, 0, VS_GROWTH_RATE);
    EXPECT_TRUE(bVaried);
}

TEST_F(NewGameTest, EqualizedCitiesFollowTheirIndex) {
    NewGameForm form = Open_Page(0, 0);
    int nCities = Number_Of_Cities();
    ASSERT_GT(nCities, 11);
    Set_City_Data(0, CITY_POPULATION, 12345);
    Equalize_Cities(false);
    const int DEFAULTS[10] = {1000000, 2500000, 20000, 25000, 0, 0, 0, 3, 0, 0};
    for (int i = 0; i < nCities; i++) {
        for (int nField : {0, 1, 2, 3, 4, 7, 8, 9}) EXPECT_EQ(Get_City_Data(i, nField), DEFAULTS[nField]);
        EXPECT_EQ(Get_City_Data(i, CITY_LONGITUDE), i % 11 * 4000 + 70000) << i;
        EXPECT_EQ(Get_City_Data(i, CITY_LATITUDE), i % 10 * 2000 + 25000) << i;
    }
    EXPECT_EQ(Get_City_Data(11, CITY_LONGITUDE), 70000);
    EXPECT_EQ(Get_City_Data(13, CITY_LATITUDE), 31000);
    int nLoyalty = Get_Team_Financial_Stat(5, FIN_FAN_LOYALTY);
    Set_Team_Financial_Stat(5, FIN_FAN_LOYALTY, nLoyalty + 7);
    Equalize_Cities(false);
    EXPECT_EQ(Get_Team_Financial_Stat(5, FIN_FAN_LOYALTY), nLoyalty + 7);
    Equalize_Cities(true);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY), 1000);
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY), 1000);
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY), 1000);
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_CASH), 15000000);
    }
}

TEST_F(NewGameTest, ShuffledLeagueIsSoundAndOrganised) {
    NewGameForm form = Open_Page(0, 0);
    Set_New_Game_Option(&form, NEW_GAME_SHUFFLE, true);
    Set_New_Game_Option(&form, NEW_GAME_EQUALIZE, true);
    int nBefore = 0;
    for (TNUM nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) nBefore += Number_Of_Players(nTeam);
    int nFirstID = Get_Player_Vital_Stat(0, 0, VS_PLAYER_ID);
    std::vector<int> team0;
    for (PNUM n = 0; n < Number_Of_Players(0); n++) team0.push_back(Get_Player_Vital_Stat(0, n, VS_PLAYER_ID));
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Check_League_Integrity(nullptr), 0);
    int nAfter = Number_Of_Players(FREE_AGENT_TEAM);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        nAfter += Number_Of_Players(nTeam);
        int nSide = SIDE_OFFENCE;
        for (PNUM n = 0; n < Number_Of_Players(nTeam); n++) {
            EXPECT_GE(Get_Player_Side(nTeam, n), nSide) << (int)nTeam << " " << (int)n;
            nSide = Get_Player_Side(nTeam, n);
        }
    }
    EXPECT_GE(nAfter, nBefore);  // nobody is lost on the way
    TNUM nTeam;
    EXPECT_TRUE(Find_Player_ID(nFirstID, &nTeam));
    int nStayed = 0;
    for (int nID : team0) {
        TNUM nNow = NO_TEAM;
        Find_Player_ID(nID, &nNow);
        nStayed += nNow == 0;
    }
    EXPECT_LT(nStayed, (int)team0.size() / 4);
}

TEST_F(NewGameTest, OutputFolderIsEmptiedOrMade) {
    fs::create_directory("output");
    std::ofstream("output/G-26-001.txt") << "old game";
    std::ofstream("output/notes.TXT") << "old notes";
    fs::create_directory("output/keep");
    NewGameForm form = Open_Page(0, 0);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_FALSE(fs::exists("output/G-26-001.txt"));
    EXPECT_FALSE(fs::exists("output/notes.TXT"));
    EXPECT_TRUE(fs::is_directory("output/keep"));

    fs::remove_all("output");
    form = Open_Page(0, 0);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_TRUE(fs::is_directory("Output"));
}

TEST_F(NewGameTest, TheNameFilesAreCountedAfresh) {
    // Shorter lists than the ones the shipped league was made with.
    std::ofstream("names/first.txt", std::ios::trunc) << "Ava\nBo\nCy\n";
    std::ofstream("names/last.txt", std::ios::trunc) << "Quill\r\nRook";
    NewGameForm form = Open_Page(0, 0);
    ASSERT_GT(Get_Game_State(GS_FIRST_NAMES), 3);
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Get_Game_State(GS_FIRST_NAMES), 3);
    EXPECT_EQ(Get_Game_State(GS_LAST_NAMES), 2);
}

// The shift draws rand(1000), then rand(200) only when the first draw falls
// below the threshold, then the twenty draws of the change when it is large.
// Team 1 holds the expected result, out of use while the shift runs.
TEST_F(NewGameTest, DevelopmentShiftDrawsInOrder) {
    Open_Page(0, 0);
    Set_Game_State(GS_DIFFICULTY, 3);
    PlayerRecord young;
    Copy_Player_To_Memory(&young, 0, 5);
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM n = 0; n < PLAYERS_PER_TEAM; n++) Clear_Player(nTeam, n);
    young.anVital[VS_AGE] = 21;
    young.anVital[VS_EXPERIENCE] = 0;  // threshold 20 x 3 - 210 + 535 = 385
    int nShifted = 0, nPassed = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; nSeed++) {
        Copy_Player_From_Memory(0, 0, &young);
        Copy_Player_From_Memory(1, 0, &young);
        Seed_Random(nSeed);
        if (Random(1000) < 385) {
            int h = Random(200) - 25 * Player_Value_Tier(1, 0);
            if (h > 50 || h < -50) {
                Modify_Predicted_Player_Stats(1, 0, PERIOD_PREDICTED, h, DEVELOP_GENERAL);
                nShifted++;
            }
        } else {
            nPassed++;
        }
        uint32_t nNext = Random_Next();
        Set_Team_Stat(1, TEAM_STAT_CONTROL, -1);
        Seed_Random(nSeed);
        Random_Development_Shift();
        Set_Team_Stat(1, TEAM_STAT_CONTROL, 0);
        EXPECT_EQ(Random_Next(), nNext) << nSeed;
        EXPECT_EQ(memcmp(g_League.aTeams[0].aPlayers[0].anStats[PERIOD_PREDICTED],
                         g_League.aTeams[1].aPlayers[0].anStats[PERIOD_PREDICTED], 80),
                  0)
            << nSeed;
    }
    EXPECT_GT(nShifted, 0);
    EXPECT_GT(nPassed, 0);
}

// The small leagues the long runs use: a count the league cannot hold
// changes nothing; the first eight make a sound league of two conferences
// whose departed players took their history with them.
TEST_F(NewGameTest, TheFirstFranchisesMakeASoundSmallLeague) {
    NewGameForm form = Open_Page();
    int nTeams = Number_Of_Teams();
    ASSERT_GT(nTeams, 8);
    int nUsed = Count_History_Records_In_Use();
    for (int nBad : {1, 0, -3, nTeams + 1, NUMBER_OF_FRANCHISES + 1}) {
        EXPECT_FALSE(Keep_First_Franchises(nBad)) << nBad;
        EXPECT_EQ(Number_Of_Teams(), nTeams);
        EXPECT_EQ(Count_History_Records_In_Use(), nUsed);
    }
    ASSERT_TRUE(Keep_First_Franchises(8));
    ASSERT_TRUE(Play_New_Game(form));
    EXPECT_EQ(Number_Of_Teams(), 8);
    int anConference[NUMBER_OF_LEAGUES] = {};
    for (TNUM nTeam = 0; nTeam < 8; nTeam++)
        anConference[Get_Team_Stat(nTeam, TEAM_STAT_DIVISION) * NUMBER_OF_LEAGUES / NUMBER_OF_DIVISIONS]++;
    EXPECT_EQ(anConference[0], 4);
    EXPECT_EQ(anConference[1], 4);
    for (TNUM nTeam = 8; nTeam < NUMBER_OF_FRANCHISES; nTeam++) EXPECT_EQ(Number_Of_Players(nTeam), 0);
    EXPECT_LT(Count_History_Records_In_Use(), nUsed);
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}
