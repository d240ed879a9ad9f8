#include "money_league.h"

#include <cstring>

#include "database/player.h"
#include "base/random.h"
#include "database/team.h"
#include "season/stored_games.h"

namespace {
constexpr int FIRST_PLAYOFF_WEEK = 17;
}

void MoneyTest::SetUp() {
    LeagueTest::SetUp();
    Seed_Random(1998);
}

int MoneyTest::Fin(TNUM nTeam, int nField) {
    return Get_Team_Financial_Stat(nTeam, nField);
}
void MoneyTest::Set_Fin(TNUM nTeam, int nField, int nValue) {
    Set_Team_Financial_Stat(nTeam, nField, nValue);
}

void MoneyTest::Make_League(int nTeams) {
    Use_Teams(nTeams);
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anCalendar[0] = FIRST_PLAYOFF_WEEK;
    g_League.anGameState[GS_CURRENT_WEEK] = 3;
    g_League.anGameState[GS_DIFFICULTY] = 1;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        CityRecord& city = g_League.aCities[nTeam];
        strcpy(city.szName, "City");
        city.anData[0] = 1000000;
        city.anData[1] = 2500000;
        city.anData[3] = 25000;
        city.anData[5] = 70000 + 10000 * nTeam;
        city.anData[6] = 30000;
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 1);
        Set_Team_Stat(nTeam, TEAM_STAT_CITY, nTeam);
        Set_Stadium_Field(nTeam, 0, 200000);
        for (int nField : {5, 6, 7})
            Set_Stadium_Field(nTeam, nField, 1000);
        Set_Fin(nTeam, FIN_FAN_LOYALTY, 1000);
        Set_Fin(nTeam, FIN_TICKET_PRICE, 2500);
        Set_Fin(nTeam, FIN_CASH, 15000000);
    }
}

void MoneyTest::Add_Player(TNUM nTeam, int nSalary, int nAge, int nYearsLeft) {
    PNUM nPlayer = First_Empty_Slot(nTeam);
    ASSERT_NE(NO_PLAYER, nPlayer);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, 1000 + nTeam * 100 + nPlayer);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, nAge);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, nSalary);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nYearsLeft);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, nYearsLeft);
}

void MoneyTest::Move_Team_To_City_Of(TNUM nTeam, TNUM nOther) {
    Set_Team_Stat(nTeam, TEAM_STAT_CITY, Get_Team_Stat(nOther, TEAM_STAT_CITY));
}

void MoneyTest::Record_Result(TNUM nHome, TNUM nVisitor, int nWeek, int nHomePoints, int nVisitorPoints) {
    int nRecord = nWeek; // one game record per week is plenty here
    Set_Stored_Game(nRecord, nVisitor, nHome, nVisitorPoints, nHomePoints, nWeek);
    ASSERT_EQ(1, Schedule_Game(nHome, nVisitor, nWeek));
    Set_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD, nRecord);
    Set_Schedule_Field(nVisitor, nWeek, SLOT_GAME_RECORD, nRecord);
}
