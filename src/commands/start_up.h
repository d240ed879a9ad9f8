// The program's start and the routine that follows every league taken up.
// The window, the headless tool, the benchmarks and the tests all start
// through here, so that no league is ever played with a template pool built
// from another league, or with none.
#pragma once
#include <cstdint>
#include <functional>

#include "database/league_database.h"

// The game generator's seed when none is given: the clock.
uint32_t Clock_Seed();

struct StartUpOptions {
    bool bSeedFromClock = true;
    uint32_t nSeed = 0;  // both generators' seed when not from the clock
    // The window's own steps (its settings record and placement) come
    // between the fame file and the default league.
    std::function<void()> windowSteps;
};

struct StartUpReport {
    bool bFirstStart;      // the fame file was missing and has been built
    bool bUniverseLoaded;  // the default league is the league in memory
    int nBlankTeamNames;   // franchises in use without a nickname
};

// Everything the program does at start that needs no window: seeds the
// generators, deletes the log, builds the fame file when it is missing,
// loads Universe.dat from the working folder, builds and checks the
// template pool ("Missing Player Data") and checks the team names. A failed
// load has been reported; the program goes on with the league as it is.
StartUpReport Start_Up_Core(const StartUpOptions& options = {});

// Must follow every load of Universe.dat or a saved game and every new game:
// the team count, the player index and the template pool are made again
// from the league now in memory. Quiet: the pool's notices belong to start-up.
void After_League_Loaded();

// Franchises in use whose nickname is empty; with any, "Team Names" says
// so (one text when all are blank, another when some are).
int Check_Team_Names();

// The default league of the working folder as a new game, without its page:
// the team, the level, no options, the manager's name the page prefills.
// False (nothing played) when Universe.dat cannot be loaded or the team is not in use.
// nTeams > 0 keeps only the first nTeams franchises (Keep_First_Franchises).
bool Start_Default_New_Game(TNUM nTeam, int nDifficulty, int nTeams = 0);
