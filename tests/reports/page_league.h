// Small leagues for the page tests: named teams in two conferences, players
// with chosen statistics and stored games with their schedule slots.
#pragma once
#include "database/player.h"
#include "database/team.h"
#include "simulation/game_record.h"
#include "test_support.h"

class PageTest : public LeagueTest {
  protected:
    // nTeams teams named "City<t>" / "Nick<t>" / "A<t>"; the first half in conference 0.
    void Make_Teams(int nTeams);
    // A player with ID team x 100 + slot + 1.
    void Add_Player(TNUM nTeam, PNUM nPlayer, int nPosition, const char* szFirst, const char* szLast);
    void Set_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, int nValue) {
        Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, nStat, nValue);
    }
    // A played game in record nGame: both schedule slots point at it.
    GameRecord* Add_Game(int nGame, TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek);
};
