// A league of hand-built teams and a game record set up between teams 1
// (home) and 0 (visitor), for tests that play single snaps.
#pragma once
#include <cstdio>
#include <cstring>

#include "database/team.h"
#include "league_builder.h"
#include "simulation/game_internal.h"
#include "test_support.h"

class GameTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(11, 4);
        Set_Play_By_Play_File(false);
    }
    void TearDown() override {
        Set_Play_By_Play_File(true);
        LeagueTest::TearDown();
    }
    // A scrimmage situation for the visitors (side 0): first and 10 at nBall.
    void Start(int nElapsed = 0, int nBall = 50) {
        Set_Up_Game(&m_Game, 1, 0, Current_Week());
        Set_Game_Elapsed(&m_Game, nElapsed);
        Situation(0, 0, 10, nBall);
    }
    void Situation(int nSide, int nDown, int nToGo, int nBall) {
        m_Game.nPossession = m_Game.anTeam[nSide];
        Set_Game_Down(&m_Game, nDown);
        Set_Game_To_Go(&m_Game, nToGo);
        Set_Game_Ball(&m_Game, nBall);
        Set_Game_Clock_Stopped(&m_Game, false);
    }
    // A finished play: nSeconds long, nGain yards, with a result code.
    void Played(int nSeconds, int nGain, int nResult, bool bTurnover = false) {
        Set_Game_Play_Time(&m_Game, nSeconds);
        Set_Game_Gain(&m_Game, nGain);
        Set_Game_Turnover(&m_Game, bTurnover);
        Set_Play_Result(&m_Game.play, nResult);
    }
    GameRecord m_Game;
};
