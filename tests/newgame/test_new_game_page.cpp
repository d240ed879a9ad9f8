// The New Game page before Play: loading the default league, the form's
// prefills and the check-box rules.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "commands/game_commands.h"
#include "database/team.h"
#include "halloffame/fame_file.h"
#include "new_game_fixture.h"
#include "platform/headless.h"

TEST_F(NewGameTest, OpeningLoadsTheDefaultLeagueAndPrefillsTheForm) {
    ASSERT_TRUE(Set_Fame_Manager_Name("Orville Pettibone"));
    Set_Game_State(GS_CURRENT_PAGE, PAGE_FINANCES);
    NewGameForm form;
    form.nDifficulty = 3;
    form.abOption[NEW_GAME_SHUFFLE] = true;
    ASSERT_TRUE(Open_New_Game_Page(&form));
    EXPECT_EQ(Number_Of_Teams(), 32);
    EXPECT_EQ(Get_Game_State(GS_CURRENT_PAGE), 0);
    EXPECT_EQ(Get_Game_State(GS_DRAFT_PICK), 32);
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), 7);
    EXPECT_EQ(Get_Game_State(GS_GAMES_GAME), -1);
    EXPECT_EQ(Get_Game_State(GS_RESERVED_40), 3);
    EXPECT_EQ(Get_Game_State(GS_SEARCH_SALARY), 20000);
    EXPECT_EQ(Get_Game_State(GS_SEARCH_AGE), 50);
    for (int nEntry = GS_SEARCH_RATING_FIRST; nEntry <= GS_SEARCH_RATING_LAST; nEntry++)
        EXPECT_EQ(Get_Game_State(nEntry), 50) << nEntry;
    EXPECT_EQ(Get_Game_State(GS_COMPUTER_TRADES), 1);
    EXPECT_EQ(Get_League_Rule(LR_SALARY_CAP), 71100000);
    EXPECT_EQ(Get_League_Rule(LR_GAMES_PER_SEASON), 16);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_CONTROL), nTeam < 32 ? 0 : -1) << (int)nTeam;

    EXPECT_EQ(form.nTeam, 0);
    char szNickname[TEXT_SIZE];
    Get_Team_String(0, TS_NICKNAME, szNickname);
    EXPECT_EQ(form.szNickname, szNickname);
    EXPECT_EQ(form.szManager, "Orville Pettibone");
    EXPECT_EQ(form.nDifficulty, 0);
    EXPECT_FALSE(form.abOption[NEW_GAME_SHUFFLE]);

    Choose_New_Game_Team(&form, 5);
    Get_Team_String(5, TS_NICKNAME, szNickname);
    EXPECT_EQ(form.nTeam, 5);
    EXPECT_EQ(form.szNickname, szNickname);
    Choose_New_Game_Team(&form, 32);  // not in use: the choice stands
    EXPECT_EQ(form.nTeam, 5);
    EXPECT_TRUE(Logged("Invalid nTeam in Choose_New_Game_Team(32)"));
}

TEST_F(NewGameTest, ListsShowUserTeamsInBracketsAndTheFourLevels) {
    NewGameForm form;
    ASSERT_TRUE(Open_New_Game_Page(&form));
    Set_Team_Stat(2, TEAM_STAT_CONTROL, 1);
    std::vector<std::string> teams = New_Game_Team_List();
    ASSERT_EQ(teams.size(), 32u);
    char szCity[TEXT_SIZE];
    Get_Team_String(2, TS_CITY, szCity);
    EXPECT_EQ(teams[2], "[" + std::string(szCity) + "]");
    Get_Team_String(3, TS_CITY, szCity);
    EXPECT_EQ(teams[3], szCity);
    EXPECT_EQ(New_Game_Difficulty_Names(), (std::vector<std::string>{"Fan", "Coach", "Manager", "Vantor"}));
    EXPECT_EQ(Find_New_Game_Team("3"), 3);
    EXPECT_EQ(Find_New_Game_Team(szCity), 3);
    char szText[TEXT_SIZE];
    Get_Team_String(4, TS_ABBREVIATION, szText);
    for (char* p = szText; *p; p++) *p = (char)tolower(*p);
    EXPECT_EQ(Find_New_Game_Team(szText), 4);
    Get_Team_String(6, TS_NICKNAME, szText);
    EXPECT_EQ(Find_New_Game_Team(szText), 6);
    for (const char* szBad : {"32", "-1", "256", "", "Nowhere"}) EXPECT_EQ(Find_New_Game_Team(szBad), NO_TEAM) << szBad;
}

TEST(NewGameOptions, CheckBoxesExcludeEachOther) {
    NewGameForm form;
    Set_New_Game_Option(&form, NEW_GAME_RANDOM_PLAYERS, true);
    Set_New_Game_Option(&form, NEW_GAME_SHUFFLE, true);
    EXPECT_TRUE(form.abOption[NEW_GAME_SHUFFLE]);
    EXPECT_FALSE(form.abOption[NEW_GAME_RANDOM_PLAYERS]);
    Set_New_Game_Option(&form, NEW_GAME_RANDOM_PLAYERS, true);
    EXPECT_FALSE(form.abOption[NEW_GAME_SHUFFLE]);
    Set_New_Game_Option(&form, NEW_GAME_SHUFFLE, true);
    Set_New_Game_Option(&form, NEW_GAME_FANTASY_DRAFT, true);
    EXPECT_FALSE(form.abOption[NEW_GAME_SHUFFLE]);
    EXPECT_FALSE(form.abOption[NEW_GAME_RANDOM_PLAYERS]);
    // Unchecking clears nothing else; the other boxes stand alone.
    Set_New_Game_Option(&form, NEW_GAME_SHUFFLE, true);
    Set_New_Game_Option(&form, NEW_GAME_EQUALIZE, true);
    Set_New_Game_Option(&form, NEW_GAME_SIMULATION, true);
    Set_New_Game_Option(&form, NEW_GAME_FANTASY_DRAFT, false);
    EXPECT_TRUE(form.abOption[NEW_GAME_SHUFFLE] && form.abOption[NEW_GAME_EQUALIZE] && form.abOption[NEW_GAME_SIMULATION]);
    EXPECT_TRUE(New_Game_Option_Available(NEW_GAME_SHUFFLE));
    EXPECT_TRUE(New_Game_Option_Available(NEW_GAME_EQUALIZE));
    EXPECT_TRUE(New_Game_Option_Available(NEW_GAME_SIMULATION));
    EXPECT_FALSE(New_Game_Option_Available(NEW_GAME_RANDOM_PLAYERS));
    EXPECT_FALSE(New_Game_Option_Available(NEW_GAME_FANTASY_DRAFT));
}

// The league in memory is compared byte for byte, so it lives on the heap.
TEST_F(NewGameTest, AFailedLoadLeavesTheCurrentLeagueAsItWas) {
    NewGameForm form;
    ASSERT_TRUE(Open_New_Game_Page(&form));
    Set_Game_State(GS_CURRENT_PAGE, PAGE_STANDINGS);
    Set_Team_String("Kept", 0, TS_NICKNAME);
    auto before = std::make_unique<LeagueDatabase>(g_League);
    std::filesystem::remove("Universe.dat");
    form.szManager = "unchanged";
    EXPECT_FALSE(Open_New_Game_Page(&form));
    EXPECT_EQ(memcmp(before.get(), &g_League, sizeof g_League), 0);
    EXPECT_EQ(form.szManager, "unchanged");
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().title, "File Load Error");

    std::ofstream("Universe.dat", std::ios::binary) << "not a league at all";
    EXPECT_FALSE(Open_New_Game_Page(&form));
    EXPECT_EQ(memcmp(before.get(), &g_League, sizeof g_League), 0);
    EXPECT_EQ(Headless_Notices().back().title, "Read Error");
}

TEST_F(NewGameTest, DatabaseFileIsFoundWithoutRegardToCase) {
    std::filesystem::rename("Universe.dat", "UNIVERSE.DAT");
    NewGameForm form;
    EXPECT_TRUE(Open_New_Game_Page(&form));
    EXPECT_EQ(Number_Of_Teams(), 32);
    EXPECT_EQ(form.szManager, "");  // no hall-of-fame file yet, and no message about it
    EXPECT_TRUE(Headless_Notices().empty());
}
