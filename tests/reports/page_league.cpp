#include "reports/page_league.h"

#include <cstring>

void PageTest::Make_Teams(int nTeams) { Build_Page_League(nTeams); }

void PageTest::Add_Player(TNUM nTeam, PNUM nPlayer, int nPosition, const char* szFirst, const char* szLast) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, nTeam * 100 + nPlayer + 1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
    Set_Player_First_Name(nTeam, nPlayer, szFirst);
    Set_Player_Last_Name(nTeam, nPlayer, szLast);
}

GameRecord* PageTest::Add_Game(int nGame, TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore,
                               int nWeek) {
    GameRecord* pGame = Get_Game_Record(nGame);
    memset(pGame, 0, sizeof *pGame);
    pGame->anTeam[0] = nVisitor;
    pGame->anTeam[1] = nHome;
    pGame->anScore[0] = nVisitorScore;
    pGame->anScore[1] = nHomeScore;
    pGame->nWeek = nWeek;
    pGame->nYear = Current_Calendar_Year();
    Schedule_Game(nHome, nVisitor, nWeek);
    Set_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD, nGame);
    Set_Schedule_Field(nVisitor, nWeek, SLOT_GAME_RECORD, nGame);
    return pGame;
}
