#include "trades/roster_review.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/finance.h"
#include "personnel/injuries.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "trades/trade_value.h"

namespace {
constexpr int RELEASE_ABOVE_ROSTER = 65;  // a larger roster makes room before it signs
constexpr int REVIEW_CYCLE = 6;          // weeks between a team's reviews
constexpr int FIRST_RELEASED_SLOT = 77;  // the review lets slots 77..79 go
constexpr int SMALLEST_TRIMMED_ROSTER = 53;  // a payroll over the cap never thins the roster below this
constexpr int PAYROLL_ROUNDS = 100;
constexpr int SIGNING_LINE = 2000;        // cash level plus roster room the team needs to sign
constexpr int ROSTER_ROOM = 65;           // the roster size that adds 1000 to the cash level
constexpr int SIGNING_POOL_SLOTS = 65;    // the pool slots a signing is drawn from
constexpr int RELEASE_PAYMENT_BASE = 1200;  // cash level at which a release earns nothing
constexpr int RELEASE_PAYMENT_STEP = 200;   // cash level per million a release is worth

bool (*g_pfnEliminated)(TNUM nTeam) = nullptr;

bool Eliminated(TNUM nTeam) { return g_pfnEliminated && g_pfnEliminated(nTeam); }

// Healthy players of each position.
void Count_Healthy(TNUM nTeam, int* anCount) {
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) anCount[nPosition] = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(nTeam, nPlayer) || Is_Injured(nTeam, nPlayer)) continue;
        int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
        if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS) anCount[nPosition]++;
    }
}

// The pool's healthy player of the position nearest the end of the pool.
PNUM Find_Pool_Player(int nPosition) {
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
        PNUM nPlayer = (PNUM)nSlot;
        if (Is_Valid_Player(FREE_AGENT_TEAM, nPlayer) && !Is_Injured(FREE_AGENT_TEAM, nPlayer) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_POSITION) == nPosition)
            return nPlayer;
    }
    return NO_PLAYER;
}

// A new journeyman of the position in the team's first free slot.
bool Create_Player(TNUM nTeam, int nPosition) {
    PNUM nSlot = First_Empty_Slot(nTeam);
    if (nSlot == NO_PLAYER) return false;
    if (!Make_Journeyman(nTeam, nSlot, nPosition)) {
        Clear_Player(nTeam, nSlot);  // no template of the position: nothing half made
        return false;
    }
    Open_History_Record(nTeam, nSlot, true);
    return true;
}

// One step towards the minimum at a position; false when nothing could be done.
bool Add_Player_At(TNUM nTeam, int nPosition) {
    if (Number_Of_Players(nTeam) > RELEASE_ABOVE_ROSTER) {
        PNUM nWeakest = Weakest_Player(nTeam);
        if (nWeakest != NO_PLAYER) Release_To_Free_Agency(nTeam, nWeakest);
    }
    PNUM nSigning = Find_Pool_Player(nPosition);
    if (nSigning != NO_PLAYER && Move_Player_To_Team(FREE_AGENT_TEAM, nSigning, nTeam)) return true;
    return Create_Player(nTeam, nPosition);
}

// Players of each position, healthy or not.
void Count_All(TNUM nTeam, int* anCount) {
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) anCount[nPosition] = 0;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        int nPosition = Get_Player_Vital_Stat(nTeam, p, VS_POSITION);
        if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS) anCount[nPosition]++;
    }
}

// Whether the team keeps the least at his position without him.
bool Can_Spare(TNUM nTeam, PNUM nPlayer) {
    int anCount[NUMBER_OF_POSITIONS];
    Count_All(nTeam, anCount);
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    return nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS || anCount[nPosition] > Minimum_Roster_Count(nPosition);
}

bool Computer_Managed(TNUM nTeam) { return Get_Team_Stat(nTeam, TEAM_STAT_CONTROL) == COMPUTER_MANAGED; }

// The pool is no franchise, so the legality check would refuse these offers
// outright; they are scored as they stand. The team is always side 1, the
// side whose judgement the score gives.
int Score_Against_Pool(TNUM nTeam, PNUM nPoolPlayer, PNUM nOwnPlayer, int nCash) {
    TeamNeeds needs;
    Compute_Team_Needs(nTeam, &needs);
    return Pool_Offer_Score(nTeam, nPoolPlayer, nOwnPlayer, nCash, needs);
}

// While the payroll is at or above the cap, the weakest goes, as long as the
// roster can spare him.
void Trim_Payroll(TNUM nTeam) {
    int nCap = Get_League_Rule(LR_SALARY_CAP) / 1000;
    for (int nRound = 0; nRound < PAYROLL_ROUNDS && Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) >= nCap; nRound++) {
        if (Number_Of_Players(nTeam) <= SMALLEST_TRIMMED_ROSTER) break;  // the rounds left could do nothing
        PNUM nWeakest = Weakest_Player(nTeam);
        if (nWeakest == NO_PLAYER) break;
        Release_To_Free_Agency(nTeam, nWeakest);
    }
}
}  // namespace

int Pool_Offer_Score(TNUM nTeam, PNUM nPoolPlayer, PNUM nOwnPlayer, int nCash, const TeamNeeds& needs) {
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, FREE_AGENT_TEAM, nTeam);
    if (nPoolPlayer != NO_PLAYER) offer.aanItems[0][0] = (int8_t)nPoolPlayer;
    if (nOwnPlayer != NO_PLAYER) offer.aanItems[1][0] = (int8_t)nOwnPlayer;
    offer.nCash = nCash;
    return Offer_Score(offer, needs);
}

void Release_Last_Slots(TNUM nTeam) {
    // From the top down, so that closing one gap moves nobody into a slot
    // still to be released. The kickers stand last on a roster: a team's only
    // kicker or punter stays.
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= FIRST_RELEASED_SLOT; nSlot--)
        if (Is_Valid_Player(nTeam, (PNUM)nSlot) && Can_Spare(nTeam, (PNUM)nSlot))
            Release_To_Free_Agency(nTeam, (PNUM)nSlot);
}

void Set_Elimination_Hook(bool (*pfnEliminated)(TNUM nTeam)) { g_pfnEliminated = pfnEliminated; }

// A team with money and cap room looks at one player of the pool and signs
// him when he is worth his salary to it; any other team, once out of the
// race, may sell one of its own to the pool for what its thin cash makes of
// it.
void Sign_Or_Release(TNUM nTeam) {
    int nCashLevel = Get_Team_Financial_Stat(nTeam, FIN_WEALTH);
    int nCap = Get_League_Rule(LR_SALARY_CAP) / 1000;
    if (nCashLevel + Ratio(1000, ROSTER_ROOM, Number_Of_Players(nTeam)) >= SIGNING_LINE &&
        Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) < nCap) {
        PNUM nPoolPlayer = (PNUM)Random(SIGNING_POOL_SLOTS);
        if (!Is_Valid_Player(FREE_AGENT_TEAM, nPoolPlayer)) return;
        int nSalary = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPoolPlayer, VS_SALARY);
        if (!Offer_Is_Accepted(Score_Against_Pool(nTeam, nPoolPlayer, NO_PLAYER, -(nSalary / 1000)))) return;
        if (Move_Player_To_Team(FREE_AGENT_TEAM, nPoolPlayer, nTeam)) Organise_Team(nTeam);
        return;
    }
    PNUM nPlayer = (PNUM)Random(PLAYERS_PER_TEAM);
    if (!Is_Valid_Player(nTeam, nPlayer) || !Eliminated(nTeam) || !Can_Spare(nTeam, nPlayer)) return;
    int nPayment = (RELEASE_PAYMENT_BASE - nCashLevel) / RELEASE_PAYMENT_STEP;
    int nScore = Score_Against_Pool(nTeam, NO_PLAYER, nPlayer, nPayment);
    if (nScore == EMPTY_OFFER_SCORE || nScore <= 0) return;
    Release_To_Free_Agency(nTeam, nPlayer);
    Organise_Team(nTeam);
}

// The review proper, in its fixed order: the last three slots are let go, a
// signing or a release judged by the offer score, a payroll at the cap sheds
// its weakest while the roster can spare them, and the money settings are
// renewed.
void Review_Roster_And_Payroll(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return;
    Release_Last_Slots(nTeam);
    Sign_Or_Release(nTeam);
    Trim_Payroll(nTeam);
    Set_Computer_Money_Settings(nTeam);
}

// The same pieces as the weekly review, without its turn in the market: the
// off-season is no time to sell, and the draft is still to come.
void Computer_Offseason_Roster_Work(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return;
    Fill_Roster_Minimums(nTeam);
    Trim_Payroll(nTeam);
    Organise_Team(nTeam);
}

PNUM Weakest_Player(TNUM nTeam) {
    int anCount[NUMBER_OF_POSITIONS], anAll[NUMBER_OF_POSITIONS];
    Count_Healthy(nTeam, anCount);
    Count_All(nTeam, anAll);
    // Only a position above its least can give a player up.
    int nSurplusPosition = -1;
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        if (anAll[nPosition] > Minimum_Roster_Count(nPosition) &&
            (nSurplusPosition < 0 || anCount[nPosition] - Ideal_Roster_Count(nPosition) >=
                                         anCount[nSurplusPosition] - Ideal_Roster_Count(nSurplusPosition)))
            nSurplusPosition = nPosition;
    PNUM nWeakest = NO_PLAYER;
    int nLowest = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(nTeam, nPlayer) || Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION) != nSurplusPosition)
            continue;
        int nWorth = Player_Current_Value(nTeam, nPlayer) - Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY);
        if (nWeakest == NO_PLAYER || nWorth < nLowest) {
            nWeakest = nPlayer;
            nLowest = nWorth;
        }
    }
    return nWeakest;
}

bool Fill_Roster_Minimums(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return false;
    bool bFilled = false;
    int anCount[NUMBER_OF_POSITIONS];
    Count_Healthy(nTeam, anCount);
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        int nShort = Minimum_Roster_Count(nPosition) - anCount[nPosition];
        if (nShort <= 0) continue;
        // Each pass adds one healthy player; a pass that cannot ends the position.
        for (; nShort > 0; nShort--) {
            if (!Add_Player_At(nTeam, nPosition)) break;
            bFilled = true;
        }
        Count_Healthy(nTeam, anCount);  // a release may have thinned another position
    }
    return bFilled;
}

void Review_Computer_Rosters(int nWeek) {
    if (Get_Game_State(GS_COMMISSIONER)) return;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam) || !Computer_Managed(nTeam)) continue;
        if (Fill_Roster_Minimums(nTeam)) continue;  // enough for one week
        if ((Current_Season_Index() + nTeam + nWeek) % REVIEW_CYCLE == 0) Review_Roster_And_Payroll(nTeam);
    }
}
