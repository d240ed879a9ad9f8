// The default league with every team computer-managed, for the trade
// judgement's tests: real rosters give needs and values of real shape.
#pragma once
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "test_support.h"

class TradeLeagueTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
        After_League_Loaded();
    }
};
