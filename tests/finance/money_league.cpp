#include "money_league.h"


#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "season/stored_games.h"

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

void MoneyTest::Make_League(int nTeams) { Build_Money_League(nTeams); }

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
