#include "commands/shuffle.h"

#include "base/random.h"
#include "database/player.h"
#include "personnel/roster.h"
#include "platform/platform.h"

namespace {
constexpr int SHUFFLE_ROUNDS = 10;

TNUM Draw_Destination() { return Shuffle_Destination(Random(Number_Of_Teams())); }

void Try_Destination(TNUM nTeam, PNUM nPlayer) {
    TNUM nDestination = (TNUM)Get_Player_Vital_Stat(nTeam, nPlayer, VS_DESTINATION);
    // The mark travels with him; he loses it again if he is not placed.
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLACED, 1);
    if (nDestination == nTeam) return;
    int nID = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID);
    if (Move_Player_To_Team(nTeam, nPlayer, nDestination)) return;
    TNUM nNowTeam;
    PNUM nNowSlot;
    if (!Find_Player_ID(nID, &nNowTeam, &nNowSlot)) return;  // released and pushed out of a full pool
    Set_Player_Vital_Stat(nNowTeam, nNowSlot, VS_PLACED, 0);
    Set_Player_Vital_Stat(nNowTeam, nNowSlot, VS_DESTINATION, Draw_Destination());
}
}  // namespace

TNUM Shuffle_Destination(int nDraw) { return nDraw == Number_Of_Teams() ? FREE_AGENT_TEAM : (TNUM)nDraw; }

void Shuffle_Round() {
    for (TNUM nTeam = 0; nTeam <= LAST_SHUFFLED_TEAM; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_DESTINATION, Draw_Destination());
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLACED, 0);
        }
    // Moves close gaps behind the loop, so a player can be passed over; he
    // then keeps his team this round.
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        for (TNUM nTeam = 0; nTeam <= LAST_SHUFFLED_TEAM; nTeam++)
            if (Is_Valid_Player(nTeam, nPlayer) && !Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLACED))
                Try_Destination(nTeam, nPlayer);
}

void Shuffle_Players() {
    Open_Progress("Shuffling Players...", SHUFFLE_ROUNDS);
    for (int nRound = 0; nRound < SHUFFLE_ROUNDS; nRound++) {
        Shuffle_Round();
        Step_Progress();
    }
    Close_Progress();
    Organise_Every_Team();
}
