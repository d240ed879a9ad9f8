// The game's door to the league: players, teams, ratings and the injury model.
#include "simulation/game_league.h"

#include <initializer_list>

#include "database/player.h"
#include "database/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "personnel/ratings.h"
#include "season/schedule.h"

namespace {
bool In_Range(TNUM nTeam, PNUM nSlot) {
    return nTeam >= 0 && nTeam <= TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}
}  // namespace

int Game_Position_Group(int nPosition) { return Position_Group(nPosition); }
int Game_Position_Side(int nPosition) { return Position_Side(nPosition); }

bool Game_Slot_Filled(TNUM nTeam, PNUM nSlot) {
    return In_Range(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID) != 0;
}

int Game_Player_ID(TNUM nTeam, PNUM nSlot) {
    return In_Range(nTeam, nSlot) ? Get_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID) : 0;
}

int Game_Player_Position(TNUM nTeam, PNUM nSlot) {
    return In_Range(nTeam, nSlot) ? Clamp(0, Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION), P_P) : 0;
}

bool Game_Player_Injured(TNUM nTeam, PNUM nSlot) {
    return In_Range(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VS_INJURY_WEEKS) > 0;
}

bool Game_Player_Played(TNUM nTeam, PNUM nSlot) {
    return In_Range(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VS_PLAYED) != 0;
}

void Game_Set_Player_Played(TNUM nTeam, PNUM nSlot, bool bPlayed) {
    if (In_Range(nTeam, nSlot)) Set_Player_Vital_Stat(nTeam, nSlot, VS_PLAYED, bPlayed ? 1 : 0);
}

int Game_Player_Stat(TNUM nTeam, PNUM nSlot, int nPeriod, int nStat) {
    return In_Range(nTeam, nSlot) ? Get_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat) : 0;
}

int Game_Player_Rating(TNUM nTeam, PNUM nSlot, int nRating) {
    return In_Range(nTeam, nSlot) ? Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, nRating) : 50;
}

void Game_Add_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount) {
    if (!In_Range(nTeam, nSlot)) return;
    Add_Player_Season_Stat(nTeam, nSlot, PERIOD_THIS_SEASON, nStat, nAmount);
    Add_Player_Season_Stat(nTeam, nSlot, PERIOD_CAREER, nStat, nAmount);
    Add_Player_Open_Record_Stat(nTeam, nSlot, nStat, nAmount);
}

void Game_Raise_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nValue) {
    if (!In_Range(nTeam, nSlot)) return;
    for (int nPeriod : {PERIOD_THIS_SEASON, PERIOD_CAREER})
        if (Get_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat) < nValue)
            Set_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat, nValue);
}

void Game_Player_Last_Name(TNUM nTeam, PNUM nSlot, char* szOut) {
    szOut[0] = '\0';
    if (Game_Slot_Filled(nTeam, nSlot)) Get_Player_Last_Name(nTeam, nSlot, szOut);
}

void Game_Player_Full_Name(TNUM nTeam, PNUM nSlot, char* szOut) {
    szOut[0] = '\0';
    if (Game_Slot_Filled(nTeam, nSlot)) Get_Player_Full_Name(nTeam, nSlot, szOut);
}

bool Game_Team_Human(TNUM nTeam) { return Get_Team_Stat(nTeam, 2) == 1; }
PNUM Game_Returner(TNUM nTeam, int nKind) { return Get_Team_Returner(nTeam, nKind); }
void Game_Set_Returner(TNUM nTeam, int nKind, PNUM nSlot) { Set_Team_Returner(nTeam, nKind, nSlot); }
int Game_Stadium_Capacity(TNUM nTeam) { return Get_Stadium_Field(nTeam, 0); }
int Game_Team_City_Data(TNUM nTeam, int nField) { return Get_Team_City_Data(nTeam, nField); }

int Game_Kickoff_Time(TNUM nTeam, int nWeek) {
    if (nWeek < 0 || nWeek >= SCHEDULE_SLOTS) return 0;
    return Get_Schedule_Field(nTeam, nWeek, SLOT_KICKOFF);
}

void Game_Add_Team_Total(TNUM nTeam, int nLine, int nStat, int nAmount) {
    Add_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat, nAmount);
    Add_Team_Total(nTeam, nLine, PERIOD_CAREER, nStat, nAmount);
}

void Game_Book_Win(TNUM nTeam, bool bHome) { Add_Team_Win(nTeam, bHome); }
void Game_Book_Loss(TNUM nTeam, bool bHome) { Add_Team_Loss(nTeam, bHome); }
void Game_Book_Tie(TNUM nTeam, bool bHome) { Add_Team_Tie(nTeam, bHome); }

bool Game_Try_Injury(TNUM nTeam, PNUM nSlot) { return In_Range(nTeam, nSlot) && Try_Injury(nTeam, nSlot) != 0; }
