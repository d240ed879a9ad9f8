#include <cstring>

#include "database/league_database.h"
#include "database/team.h"
#include "test_support.h"

using LeagueDatabaseTest = LeagueTest;

static void Name_Team(TNUM nTeam, const char* szCity, const char* szNickname) {
    Set_Team_String(szCity, nTeam, TS_CITY);
    Set_Team_String(szNickname, nTeam, TS_NICKNAME);
}

TEST_F(LeagueDatabaseTest, ValidTeamChecksRangeAndUse) {
    Use_Teams(4);
    EXPECT_FALSE(Valid_Team(NO_TEAM));
    EXPECT_FALSE(Valid_Team(-1));
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_FALSE(Valid_Team(41));
    EXPECT_TRUE(Logged("Invalid Team Number in Valid_Team(41)"));
    EXPECT_TRUE(Valid_Team(3));
    EXPECT_FALSE(Valid_Team(4));
    EXPECT_TRUE(Valid_Team(FREE_AGENT_TEAM));  // special blocks are in use unless marked
    EXPECT_EQ(Number_Of_Teams(), 4);
}

TEST_F(LeagueDatabaseTest, SpecialTeamStringsAndRangeMessages) {
    char szText[64];
    Get_Team_String(FREE_AGENT_TEAM, TS_ABBREVIATION, szText);
    EXPECT_STREQ(szText, "---");
    Get_Team_String(FREE_AGENT_TEAM, TS_CITY, szText);
    EXPECT_STREQ(szText, "Free Agent");
    Get_Team_String(HALL_OF_FAME_TEAM, TS_ABBREVIATION, szText);
    EXPECT_STREQ(szText, "HOF");
    Get_Team_String(HALL_OF_FAME_TEAM, TS_CITY, szText);
    EXPECT_STREQ(szText, "Hall Of Fame");
    for (TNUM nTeam = 38; nTeam <= 40; nTeam++) {
        Get_Team_String(nTeam, TS_ABBREVIATION, szText);
        EXPECT_STREQ(szText, "UND");
        Get_Team_String(nTeam, TS_CITY, szText);
        EXPECT_STREQ(szText, "Undrafted");
        Get_Team_String(nTeam, TS_NICKNAME, szText);
        EXPECT_STREQ(szText, "");
    }
    Get_Team_String(41, TS_CITY, szText);
    EXPECT_STREQ(szText, "OUTOFRANGE");
    EXPECT_TRUE(Logged("nTeam > TOTAL_NUMBER_OF_TEAMS in Get_Team_String()"));
    Get_Team_String(-3, TS_CITY, szText);
    EXPECT_STREQ(szText, "OUTOFRANGE");
    EXPECT_TRUE(Logged("nTeam < COLLEGE_FRESHMAN in Get_Team_String()"));
}

TEST_F(LeagueDatabaseTest, TeamStringWidths) {
    char szText[64];
    Set_Team_String("A city name that is far longer than thirty-one", 2, TS_CITY);
    Get_Team_String(2, TS_CITY, szText);
    EXPECT_EQ(strlen(szText), 31u);
    const char* szLong = "A general manager whose name runs on past thirty-one characters";
    Set_Team_String(szLong, 2, TS_MANAGER);
    Get_Team_String(2, TS_MANAGER, szText);
    EXPECT_STREQ(szText, szLong);
    Set_Team_String("x", NO_TEAM, TS_CITY);
    EXPECT_TRUE(Logged_Nothing());
    Set_Team_String("x", 41, TS_CITY);
    EXPECT_TRUE(Logged("nTeam out of bounds in Set_Team_String()"));
}

TEST_F(LeagueDatabaseTest, LeagueAndDivisionNames) {
    char szName[16] = "unchanged";
    Set_Division_Name("A very long division", 3);
    Get_Division_Name(3, szName);
    EXPECT_STREQ(szName, "A very long");  // 11 characters
    strcpy(szName, "unchanged");
    Get_Division_Name(8, szName);
    EXPECT_STREQ(szName, "unchanged");
    EXPECT_TRUE(Logged("Invalid Get_Division_Name(8) call."));
    Set_Division_Name("x", -1);
    EXPECT_TRUE(Logged("Invalid Set_Division_Name(-1) call."));
    Set_League_Name("Northern League", 1);
    Get_League_Name(1, szName);
    EXPECT_STREQ(szName, "Northern League");
    Get_League_Name(2, szName);
    EXPECT_TRUE(Logged("Invalid Get_League_Name(2) call."));
    Set_League_Name("x", 2);
    EXPECT_TRUE(Logged("Invalid Set_League_Name(2) call."));
}

TEST_F(LeagueDatabaseTest, DivisionsAndLeaguesOfTeams) {
    Use_Teams(6);
    const int DIVISIONS[6] = {0, 4, 0, 5, 1, 4};
    for (TNUM nTeam = 0; nTeam < 6; nTeam++) g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION] = DIVISIONS[nTeam];
    EXPECT_EQ(Get_Team_Division(3), 5);
    EXPECT_EQ(Get_Team_League(3), 1);
    EXPECT_EQ(Get_Team_Division(7), NUMBER_OF_DIVISIONS);
    EXPECT_EQ(Get_Team_League(7), NUMBER_OF_LEAGUES);
    EXPECT_EQ(Get_Team_Division(NO_TEAM), NO_TEAM);
    EXPECT_EQ(Get_Division_Team(4, 0), 1);
    EXPECT_EQ(Get_Division_Team(4, 1), 5);
    EXPECT_EQ(Get_Division_Team(4, 2), NO_TEAM);
    EXPECT_EQ(Get_League_Team(0, 2), 4);
    EXPECT_EQ(Division_Team_Count(0), 2);
    EXPECT_EQ(League_Team_Count(1), 3);
}

TEST_F(LeagueDatabaseTest, SortTeamsByCityThenNicknameUserFollows) {
    Use_Teams(0);
    // Used blocks at codes 1, 3 and 4 with a gap before each.
    for (TNUM nTeam : {1, 3, 4}) g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = 0;
    Name_Team(1, "Zenith", "Owls");
    Name_Team(3, "Alton", "Rams");
    Name_Team(4, "Alton", "Kites");
    Set_Game_State(GS_USER_TEAM, 1);
    Sort_Teams();
    char szText[32];
    Get_Team_String(0, TS_NICKNAME, szText);
    EXPECT_STREQ(szText, "Kites");
    Get_Team_String(1, TS_NICKNAME, szText);
    EXPECT_STREQ(szText, "Rams");
    Get_Team_String(2, TS_NICKNAME, szText);
    EXPECT_STREQ(szText, "Owls");
    EXPECT_EQ(Number_Of_Teams(), 3);
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 2);
    EXPECT_FALSE(Valid_Team(3));
}

TEST_F(LeagueDatabaseTest, ErasingTheUsersTeamGivesHimTheLastTeam) {
    Use_Teams(5);
    Name_Team(4, "Last", "Ones");
    Set_Game_State(GS_USER_TEAM, 4);
    Erase_Team(1);
    EXPECT_EQ(Number_Of_Teams(), 4);
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 3);  // followed the block down
    Erase_Team(3);
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), 2);
    Erase_Team(20);
    EXPECT_TRUE(Logged("Invalid nTeam passed to Erase_Team()."));
}

TEST_F(LeagueDatabaseTest, CitiesSortAndEraseFollowReferences) {
    Use_Teams(2);
    EXPECT_EQ(Add_City("Moor"), 0);
    EXPECT_EQ(Add_City("Bay"), 0);
    EXPECT_EQ(Add_City("Lake"), 1);
    EXPECT_STREQ(Get_City_Name(0), "Bay");
    EXPECT_STREQ(Get_City_Name(2), "Moor");
    EXPECT_EQ(Get_City_Data(1, CITY_LONGITUDE), 114000);
    g_League.aTeams[0].data.anStats[TEAM_STAT_CITY] = 2;  // Moor
    g_League.aTeams[1].data.anStats[TEAM_STAT_CITY] = 1;  // Lake
    Set_Game_State(GS_CITY, 0);              // Bay
    Erase_City(0);
    EXPECT_EQ(Number_Of_Cities(), 2);
    EXPECT_STREQ(Get_City_Name(0), "Lake");
    EXPECT_EQ(g_League.aTeams[0].data.anStats[TEAM_STAT_CITY], 1);
    EXPECT_EQ(g_League.aTeams[1].data.anStats[TEAM_STAT_CITY], 0);
    EXPECT_EQ(Add_City("Cove"), 0);
    EXPECT_EQ(g_League.aTeams[1].data.anStats[TEAM_STAT_CITY], 1);  // Lake moved behind Cove
    EXPECT_EQ(g_League.aTeams[0].data.anStats[TEAM_STAT_CITY], 2);
}

TEST_F(LeagueDatabaseTest, RulesAndCalendar) {
    Set_League_Rule(LR_TRADE_REPUTATION, 1900);
    EXPECT_EQ(Add_League_Rule(LR_TRADE_REPUTATION, 500, -2000, 2000), 2000);
    Get_League_Rule(NUMBER_OF_LEAGUE_RULES);
    EXPECT_TRUE(Logged("Invalid index in Get_League_Rule(8)"));
    Set_League_Rule(LR_START_YEAR, 2026);
    Set_Game_State(GS_SEASON_INDEX, 3);
    EXPECT_EQ(Current_Calendar_Year(), 2029);
    EXPECT_EQ(First_Playoff_Week(), 2);  // calendar not set yet
    g_League.anCalendar[0] = 17;
    EXPECT_EQ(First_Playoff_Week(), 17);
}
