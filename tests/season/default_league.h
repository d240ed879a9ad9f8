// The default league made ready to play the way a new game makes it ready,
// with every team computer-managed. Header only so that the season benchmark
// and the headless tool can share it with the tests.
#pragma once
#include <cstdint>

#include "database/league_database.h"
#include "database/player.h"
#include "base/random.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "finance/finance.h"
#include "personnel/player_creation.h"
#include "season/season_loop.h"

namespace season_fixture {

inline bool Start_Default_League(const char* szUniverse, uint32_t nSeed) {
    if (!Load_Game(szUniverse)) return false;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROL) != -1) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
    Count_Teams();
    Seed_Random(nSeed);
    Build_Template_Pool();
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Set_Aging_Parameters(nTeam, nPlayer);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Copy_Field(g_League.szGameName, sizeof g_League.szGameName, "Default League");  // names the season's saves
    Initialise_League_Finances();
    Set_Up_New_Season();
    return true;
}

}  // namespace season_fixture
