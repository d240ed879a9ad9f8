// The money code's view of the team and player records.
#include "finance/links.h"

#include "database/player.h"
#include "base/random.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "season/stored_games.h"

int Fin_Get(TNUM nTeam, int nCode) {
    return Get_Team_Financial_Stat(nTeam, nCode);
}
void Fin_Set(TNUM nTeam, int nCode, int nValue) {
    Set_Team_Financial_Stat(nTeam, nCode, nValue);
}
void Fin_Add(TNUM nTeam, int nCode, int nAmount) {
    Fin_Set(nTeam, nCode, Fin_Get(nTeam, nCode) + nAmount);
}
int Fin_Rank(TNUM nTeam, int nCode) {
    return Get_Team_Financial_Rank(nTeam, nCode);
}

int Team_City_Field(TNUM nTeam, int nField) {
    return Get_Team_City_Data(nTeam, nField);
}
int Stadium_Field(TNUM nTeam, int nField) {
    return Get_Stadium_Field(nTeam, nField);
}

int Season_Wins(TNUM nTeam) {
    return Get_Team_Wins(nTeam);
}
int Season_Losses(TNUM nTeam) {
    return Get_Team_Losses(nTeam);
}
int Season_Playoff_Wins(TNUM nTeam) {
    return Get_Team_Playoff_Wins(nTeam);
}
int Season_Outcome_Level(TNUM nTeam) {
    return Get_Team_Record_Stat(nTeam, YR_OUTCOME);
}

int Slot_Game_Result(TNUM nTeam, int nSlot) {
    if (!Schedule_Slot_Filled(nTeam, nSlot)) return GAME_NOT_PLAYED;
    StoredGame game;
    if (!Stored_Game_Teams_And_Score(Get_Schedule_Field(nTeam, nSlot, SLOT_GAME_RECORD), &game))
        return GAME_NOT_PLAYED;
    int nOwn, nOther;
    if (game.nHome == nTeam) {
        nOwn = game.nHomeScore;
        nOther = game.nVisitorScore;
    } else if (game.nVisitor == nTeam) {
        nOwn = game.nVisitorScore;
        nOther = game.nHomeScore;
    } else {
        return GAME_NOT_PLAYED; // the record has been reused since
    }
    return nOwn > nOther ? 1 : nOwn < nOther ? -1 : 0;
}

void Store_Season_Record(TNUM nTeam, int nDivisionPlace) {
    Team_Season_End(nTeam, nDivisionPlace);
}
void Clear_Season_Finances(TNUM nTeam) {
    Clear_Previous_Financial_Stats(nTeam);
}

int Roster_Size(TNUM nTeam) {
    return Number_Of_Players(nTeam);
}
int Player_Salary(TNUM nTeam, PNUM nPlayer) {
    return Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY);
}
int Player_Age(TNUM nTeam, PNUM nPlayer) {
    return Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
}
int Player_Contract_Left(TNUM nTeam, PNUM nPlayer) {
    return Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT);
}
int Player_Value_For_Franchise(TNUM nTeam, PNUM nPlayer) {
    return Player_Trade_Value(nTeam, nPlayer);
}
