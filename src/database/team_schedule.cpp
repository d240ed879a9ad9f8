// Schedule slots: one per week and team. The opponent entry is +(code + 1) for
// the team named first when the game was scheduled, -(code + 1) for the other
// and 0 for no game.
#include <cstring>

#include "base/random.h"
#include "database/player_internal.h"
#include "database/team.h"
#include "platform/platform.h"

namespace {
constexpr int SLOT_ITEMS = 4;

bool Slot_Exists(int nSlot) { return nSlot >= 0 && nSlot < SCHEDULE_SLOTS; }

int32_t* Slot(TNUM nTeam, int nSlot) { return g_League.aTeams[nTeam].data.anSchedule[nSlot]; }

// The day of the year of a week's games.
int Slot_Date(int nSlot) { return nSlot * 7 + 243; }

// The slot of a team for the readers, or nullptr (logged for a bad team code).
const int32_t* Read_Slot(TNUM nTeam, int nSlot, const char* szRoutine) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in %s()", szRoutine);
        return nullptr;
    }
    return Slot_Exists(nSlot) ? Slot(nTeam, nSlot) : nullptr;
}
}  // namespace

int Schedule_Game(TNUM nTeamA, TNUM nTeamB, int nSlot) {
    if (nTeamA == NO_TEAM && nTeamB == NO_TEAM) return 0;
    if (!Team_Code_In_Range(nTeamA) || !Team_Code_In_Range(nTeamB)) {
        Error_Log("Invalid TNUM in Schedule_Game()!");
        return 0;
    }
    if (!Slot_Exists(nSlot)) {
        Error_Log("Invalid nSlot in Schedule_Game(%d)", nSlot);
        return 0;
    }
    int32_t* pSlotA = Slot(nTeamA, nSlot);
    int32_t* pSlotB = Slot(nTeamB, nSlot);
    if (pSlotA[SLOT_OPPONENT] != 0 || pSlotB[SLOT_OPPONENT] != 0) return 0;
    pSlotA[SLOT_OPPONENT] = nTeamB + 1;
    pSlotB[SLOT_OPPONENT] = -(nTeamA + 1);
    pSlotA[SLOT_DATE] = Slot_Date(nSlot);
    pSlotB[SLOT_DATE] = Slot_Date(nSlot);
    return 1;
}

void Clear_Scheduled_Games(TNUM nTeam, int nFirstSlot, int nEndSlot) {
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM) {
        Error_Log("nTeam out of bounds in Clear_Scheduled_Games()");
        return;
    }
    for (int nSlot = Max(0, nFirstSlot); nSlot < Min(nEndSlot, SCHEDULE_SLOTS); nSlot++)
        memset(Slot(nTeam, nSlot), 0, SLOT_ITEMS * sizeof(int32_t));
}

int Get_Schedule_Kind(TNUM nTeam, int nSlot) {
    const int32_t* pSlot = Read_Slot(nTeam, nSlot, "Get_Schedule_Kind");
    if (!pSlot || pSlot[SLOT_OPPONENT] == 0) return SLOT_EMPTY;
    return pSlot[SLOT_OPPONENT] > 0 ? SLOT_FIRST_NAMED : SLOT_SECOND_NAMED;
}

TNUM Get_Schedule_Opponent(TNUM nTeam, int nSlot) {
    const int32_t* pSlot = Read_Slot(nTeam, nSlot, "Get_Schedule_Opponent");
    if (!pSlot || pSlot[SLOT_OPPONENT] == 0) return NO_TEAM;
    int nEntry = pSlot[SLOT_OPPONENT];
    if (nEntry > NUMBER_OF_FRANCHISES || nEntry < -NUMBER_OF_FRANCHISES) return NO_TEAM;  // damaged
    return (TNUM)((nEntry > 0 ? nEntry : -nEntry) - 1);
}

bool Schedule_Slot_Filled(TNUM nTeam, int nSlot) {
    const int32_t* pSlot = Read_Slot(nTeam, nSlot, "Schedule_Slot_Filled");
    return pSlot && pSlot[SLOT_OPPONENT] != 0;
}

int Get_Schedule_Field(TNUM nTeam, int nSlot, int nItem) {
    const int32_t* pSlot = Read_Slot(nTeam, nSlot, "Get_Schedule_Field");
    if (!pSlot || nItem < 0 || nItem >= SLOT_ITEMS) return 0;
    return pSlot[nItem];
}

void Set_Schedule_Field(TNUM nTeam, int nSlot, int nItem, int nValue) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Set_Schedule_Field()");
        return;
    }
    if (!Slot_Exists(nSlot) || nItem < 0 || nItem >= SLOT_ITEMS) {
        Error_Log("Invalid slot in Set_Schedule_Field(%d,%d)", nSlot, nItem);
        return;
    }
    Slot(nTeam, nSlot)[nItem] = nValue;
}
