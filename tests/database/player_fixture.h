// Helpers for the player and team suites: filling slots with simple players.
#pragma once
#include "database/player.h"
#include "database/team.h"
#include "test_support.h"

class PlayerTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(4);
        Set_League_Rule(LR_START_YEAR, 2000);
        Set_Game_State(GS_DRAFT_ROUND, 7);  // no college draft running
        Rebuild_Player_Index();
    }
    // A player with the given ID and position, an empty history list and no open record.
    static void Put_Player(TNUM nTeam, PNUM nPlayer, int nID, int nPosition = POS_QB) {
        Clear_Player(nTeam, nPlayer);
        PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
        for (int32_t& nEntry : player.anHistory) nEntry = -1;
        player.nOpenRecord = -1;
        player.anVital[VS_PLAYER_ID] = nID;
        player.anVital[VS_POSITION] = nPosition;
    }
    // Players with IDs nFirstID, nFirstID + 1, ... in slots 0..nCount-1.
    static void Fill_Team(TNUM nTeam, int nCount, int nFirstID, int nPosition = POS_QB) {
        for (int n = 0; n < nCount; n++) Put_Player(nTeam, (PNUM)n, nFirstID + n, nPosition);
    }
    static int ID(TNUM nTeam, PNUM nPlayer) { return g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID]; }
};
