#include "personnel/development_shift.h"

#include "base/random.h"
#include "database/player.h"
#include "personnel/ratings.h"

namespace {
void Shift_Player(TNUM nTeam, PNUM nPlayer, int d) {
    int a = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    int e = Min(3, Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE));
    if (Random(1000) >= 20 * d - 10 * a - 75 * e + 535) return;
    int h = Random(200) - 25 * Player_Value_Tier(nTeam, nPlayer);
    if (h > 50 || h < -50) Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, h, DEVELOP_GENERAL);
}
}  // namespace

void Random_Development_Shift() {
    int d = Get_Game_State(GS_DIFFICULTY);
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Shift_Player(nTeam, nPlayer, d);
}

void Random_Yearly_Fluctuation() {
    int d = Get_Game_State(GS_DIFFICULTY);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Shift_Player(nTeam, nPlayer, d);
    }
}
