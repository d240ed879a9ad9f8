// The crowd a game draws. The finance rules work out the real demand; until
// they do, every game sells the home stadium out.
#include "simulation/game.h"
#include "simulation/game_league.h"

int Game_Attendance_Demand(TNUM nHome, TNUM nVisitor) {
    (void)nVisitor;
    return Game_Stadium_Capacity(nHome);
}
