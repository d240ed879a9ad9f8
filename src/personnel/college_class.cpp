// Making players in bulk: the yearly class of college prospects in the draft
// pool (codes 38..40 taken as one list) and the free agents that top up the pool.
#include <climits>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
// Each position's depth count plus, except for kickers and punters, its starters.
constexpr int POSITION_DRAW_WEIGHT[NUMBER_OF_POSITIONS] = {4, 8, 5, 9, 6, 6, 3, 8, 6, 12, 8, 7, 2, 2};
constexpr int POSITION_DRAW_TOTAL = 86;
constexpr int DRAFT_POOL_SIZE = 3 * PLAYERS_PER_TEAM;
constexpr int FABRICATE_TRIES = 100;
constexpr int SORT_PROGRESS_STEPS = 300;

TNUM Pool_Team(int nIndex) { return (TNUM)(DRAFT_POOL_TEAMS + nIndex / PLAYERS_PER_TEAM); }
PNUM Pool_Slot(int nIndex) { return (PNUM)(nIndex % PLAYERS_PER_TEAM); }

// Empty slots sort behind every prospect.
int Pool_Sort_Key(int nIndex) {
    TNUM nTeam = Pool_Team(nIndex);
    PNUM nPlayer = Pool_Slot(nIndex);
    if (!Is_Valid_Player(nTeam, nPlayer)) return INT_MIN;
    int nScore = Get_Player_Vital_Stat(nTeam, nPlayer, VS_SCOUT_SCORE);
    if (Get_Game_State(GS_DRAFT_LIST_ORDER))
        return 14000 - 1000 * Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION) + nScore;
    return nScore;
}

void Clear_Draft_Pool() {
    // Leftover prospects leave the league. From the back, so that closing
    // each gap moves only slots already emptied.
    for (int nIndex = DRAFT_POOL_SIZE - 1; nIndex >= 0; nIndex--)
        Delete_Player(Pool_Team(nIndex), Pool_Slot(nIndex));
}

TNUM First_Open_Pool_Team() {
    for (int nTeam = DRAFT_POOL_TEAMS; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        if (Number_Of_Players((TNUM)nTeam) < PLAYERS_PER_TEAM) return (TNUM)nTeam;
    return NO_TEAM;
}
}  // namespace

int Draw_Position() {
    int r = Random(POSITION_DRAW_TOTAL);
    int nSum = 0;
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        nSum += POSITION_DRAW_WEIGHT[nPosition];
        if (nSum > r) return nPosition;
    }
    return POS_P;
}

bool Make_College_Class() {
    Clear_Draft_Pool();
    Open_Progress("Setting Up College Draft...", COLLEGE_CLASS_SIZE);
    for (int n = 0; n < COLLEGE_CLASS_SIZE; n++) {
        TNUM nTeam = First_Open_Pool_Team();
        if (nTeam == NO_TEAM) break;
        PNUM nPlayer = First_Empty_Slot(nTeam);
        bool bMade = false;
        for (int nTry = 0; nTry < FABRICATE_TRIES && !bMade; nTry++)
            bMade = Fabricate_Player(nTeam, nPlayer, Draw_Position()) == 1;
        if (!bMade) {
            // Without templates every further prospect would fail the same way.
            Close_Progress();
            Message_Box("Error in Fabricate_Player()", "Unable to create rookie player. Please restore Universe.dat.");
            return false;
        }
        Step_Progress();
    }
    Close_Progress();
    Sort_Draft_Pool();
    return true;
}

void Sort_Draft_Pool() {
    Open_Progress("Sorting College Players...", SORT_PROGRESS_STEPS);
    for (int nPass = 1;; nPass++) {
        bool bExchanged = false;
        for (int nIndex = 0; nIndex + 1 < DRAFT_POOL_SIZE; nIndex++) {
            if (Pool_Sort_Key(nIndex + 1) > Pool_Sort_Key(nIndex)) {
                Swap_Players(Pool_Team(nIndex), Pool_Slot(nIndex), Pool_Team(nIndex + 1), Pool_Slot(nIndex + 1));
                bExchanged = true;
            }
        }
        if (!bExchanged) break;
        if (nPass % 3 == 0) Step_Progress();
    }
    Step_Progress(SORT_PROGRESS_STEPS);
    Close_Progress();
}

int Make_Free_Agent(TNUM nTeam, PNUM nPlayer) { return Make_Journeyman(nTeam, nPlayer, Draw_Position()); }

int Make_Journeyman(TNUM nTeam, PNUM nPlayer, int nPosition) {
    if (!Fabricate_Player(nTeam, nPlayer, nPosition)) return 0;
    int nAge = 22 + Random(20);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, nAge);
    Step_Down_New_Player(nTeam, nPlayer, PERIOD_PREDICTED, (nAge - 22) * 10 - 380, DEVELOP_YOUTH);
    Set_Random_Birth_Date(nTeam, nPlayer);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE, 0);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, FREE_AGENT_SALARY);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, 3);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, 3);
    return 1;
}

void Fill_Free_Agent_Pool() {
    PNUM nFirst = First_Empty_Slot(FREE_AGENT_TEAM);
    if (nFirst == NO_PLAYER) return;
    // One attempt per slot; a failed one leaves no gap because the next goes into the same slot.
    for (int n = nFirst; n <= LAST_FREE_AGENT_FILL_SLOT; n++) {
        PNUM nPlayer = First_Empty_Slot(FREE_AGENT_TEAM);
        if (nPlayer == NO_PLAYER || nPlayer > LAST_FREE_AGENT_FILL_SLOT) break;
        Make_Free_Agent(FREE_AGENT_TEAM, nPlayer);
    }
}
