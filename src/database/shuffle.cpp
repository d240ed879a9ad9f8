#include "database/shuffle.h"

#include "database/player.h"
#include "database/random.h"
#include "personnel/roster.h"
#include "platform/platform.h"

namespace {
constexpr int SHUFFLE_ROUNDS = 10;

// Where a player of the side goes: after the last of his side or, when the
// roster has none, before the first player of a later side.
PNUM Insertion_Slot(TNUM nTeam, int nSide, PNUM nEmpty) {
    PNUM nLast = NO_PLAYER;
    for (PNUM n = 0; n < nEmpty; n++)
        if (Get_Player_Side(nTeam, n) == nSide) nLast = n;
    if (nLast != NO_PLAYER) return (PNUM)(nLast + 1);
    for (PNUM n = 0; n < nEmpty; n++)
        if (Get_Player_Side(nTeam, n) > nSide) return n;
    return nEmpty;
}

TNUM Draw_Destination() { return Shuffle_Destination(Random(Number_Of_Teams())); }
}  // namespace

MoveResult Move_Player_To_Team(TNUM nTeam, PNUM nPlayer, TNUM nDestination, TNUM* pTeam, PNUM* pPlayer) {
    *pTeam = nTeam;
    *pPlayer = nPlayer;
    if (!Is_Valid_Player(nTeam, nPlayer)) {
        Error_Log("Invalid player in Move_Player_To_Team(%d,%d)", nTeam, nPlayer);
        return MOVE_REFUSED;
    }
    if (nDestination == FREE_AGENT_TEAM) {
        PNUM nSlot = Release_To_Free_Agency(nTeam, nPlayer);
        if (nSlot == NO_PLAYER) return MOVE_REFUSED;
        *pTeam = FREE_AGENT_TEAM;
        *pPlayer = nSlot;
        return MOVE_RELEASED;
    }
    if (nDestination == nTeam) return MOVE_PLACED;
    if (nDestination < 0 || nDestination > TOTAL_NUMBER_OF_TEAMS || !Valid_Team(nDestination)) {
        Error_Log("Invalid nDestination in Move_Player_To_Team(%d)", nDestination);
        return MOVE_REFUSED;
    }
    PNUM nEmpty = First_Empty_Slot(nDestination);
    if (nEmpty == NO_PLAYER) return MOVE_REFUSED;
    PNUM nSlot = Insertion_Slot(nDestination, Get_Player_Side(nTeam, nPlayer), nEmpty);
    Copy_Player(nDestination, nEmpty, nTeam, nPlayer);
    for (PNUM n = nEmpty; n > nSlot; n--) Swap_Players(nDestination, (PNUM)(n - 1), nDestination, n);
    Remove_Player(nTeam, nPlayer);
    Open_History_Record(nDestination, nSlot, true);
    *pTeam = nDestination;
    *pPlayer = nSlot;
    return MOVE_PLACED;
}

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
        for (TNUM nTeam = 0; nTeam <= LAST_SHUFFLED_TEAM; nTeam++) {
            if (!Is_Valid_Player(nTeam, nPlayer) || Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLACED)) continue;
            TNUM nDestination = (TNUM)Get_Player_Vital_Stat(nTeam, nPlayer, VS_DESTINATION);
            if (nDestination == nTeam) {
                Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLACED, 1);
                continue;
            }
            TNUM nNowTeam;
            PNUM nNowSlot;
            if (Move_Player_To_Team(nTeam, nPlayer, nDestination, &nNowTeam, &nNowSlot) == MOVE_PLACED)
                Set_Player_Vital_Stat(nNowTeam, nNowSlot, VS_PLACED, 1);
            else
                Set_Player_Vital_Stat(nNowTeam, nNowSlot, VS_DESTINATION, Draw_Destination());
        }
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
