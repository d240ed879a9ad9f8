#include "trades/trade_value.h"

#include <algorithm>
#include <utility>

#include "base/random.h"
#include "database/team.h"
#include "personnel/ratings.h"

namespace {

constexpr int FIRST_ROUND_PICK = 3000;
constexpr int ROUND_STEP = 700;          // per mille kept from one round to the next
constexpr int YEAR_STEP = 850;           // per mille kept for each year the draft is away
constexpr int LAST_STEPPED_ROUND = 4;    // the last two rounds are shares of this one
constexpr int DRAFT_PLACE_SPREAD = 300;  // per mille the last place loses against the first
constexpr int STARTING_SLOTS = 24;       // a team gives up its first two dozen slots reluctantly
constexpr int MOST_CASH_LEVEL = 2000;    // more cash does not make money mean less
constexpr int SCORE_LIMIT = 1000000000;  // far beyond any decision, far from overflow
constexpr int DIFFICULTY_STEP = 20;      // per cent of the user's cash per difficulty level

// Ratio in 64 bits for the cash, whose figures come from outside.
int64_t Wide_Ratio(int64_t a, int64_t b, int64_t c) { return c == 0 ? 0 : (a * b + c / 2) / c; }

bool Offered_Player(const TRADE_OFFER& offer, int nSide, int nItem, PNUM* pPlayer) {
    if (!Trade_Item_Is_Player(offer, nSide, nItem)) return false;
    *pPlayer = offer.aanItems[nSide][nItem];
    return Is_Valid_Player(offer.anTeam[nSide], *pPlayer);
}

bool Users_Team(TNUM nTeam) { return nTeam == Get_Game_State(GS_MANAGED_TEAM) && Human_Managed(nTeam); }

// Cash in thousands the partner gains (negative: pays), as it weighs money.
int64_t Cash_Value(const TRADE_OFFER& offer) {
    TNUM nPartner = offer.anTeam[1];
    int64_t c = (int64_t)offer.nCash * 1000;
    int h = Min(Get_Team_Financial_Stat(nPartner, FIN_WEALTH), MOST_CASH_LEVEL);
    int64_t m = Wide_Ratio(c, 1000, h);
    if (Users_Team(offer.anTeam[0])) {
        int nDifficulty = Get_Game_State(GS_DIFFICULTY);
        m = Wide_Ratio(m, m > 0 ? 100 - DIFFICULTY_STEP * nDifficulty : 100 + DIFFICULTY_STEP * nDifficulty, 100);
    }
    return m > 0 ? m / 4 : m / 2;
}

}  // namespace

bool Offer_Is_Accepted(int nScore) { return nScore != EMPTY_OFFER_SCORE && nScore > ACCEPTED_SCORE; }

int Value_Received(const TRADE_OFFER& offer, const TeamNeeds& needs) {
    TNUM nFrom = offer.anTeam[0], nTo = offer.anTeam[1];
    int anCell[NEED_ROWS][NUMBER_OF_POSITIONS] = {};
    int64_t nSum = 0;
    int nCrowded = 0;  // players beyond the first in the same role and position
    for (int i = 0; i < TRADE_ITEMS; i++) {
        PNUM nPlayer;
        if (!Offered_Player(offer, 0, i, &nPlayer)) continue;
        int nRole = Player_Role(nFrom, nPlayer, nTo);
        int nPosition = Get_Player_Vital_Stat(nFrom, nPlayer, VS_POSITION);
        nSum += Ratio(Player_Worth(nFrom, nPlayer, nTo), needs.aanNeed[nRole][nPosition], 1000);
        if (anCell[nRole][nPosition]++ > 0) nCrowded++;
    }
    return Ratio(nSum, 5, nCrowded + 5);
}

int Value_Given(const TRADE_OFFER& offer, const TeamNeeds& needs) {
    TNUM nTeam = offer.anTeam[1];
    int nSum = 0;
    for (int i = 0; i < TRADE_ITEMS; i++) {
        PNUM nPlayer;
        if (!Offered_Player(offer, 1, i, &nPlayer)) continue;
        int t = Age_Adjusted_Value(Player_Trade_Value(nTeam, nPlayer) - Salary_Burden(nTeam, nPlayer),
                                   Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE));
        int F = needs.aanNeed[Player_Role(nTeam, nPlayer, nTeam)][Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)];
        if (nPlayer < STARTING_SLOTS) F = Ratio(F - 600, 1000, 1400) + 1000;
        nSum += Ratio(t, F, 1000);
    }
    return nSum;
}

int Projected_Draft_Order(TNUM anOrder[]) { return Draft_Order_Of_Season(Record_Season_Index(), anOrder); }

int Projected_Draft_Place(TNUM nTeam) {
    TNUM anOrder[NUMBER_OF_FRANCHISES];
    int n = Projected_Draft_Order(anOrder);
    for (int i = 0; i < n; i++)
        if (anOrder[i] == nTeam) return i;
    return n;
}

int Draft_Pick_Value(int nDraft, int nRound, TNUM nOriginal) {
    if (nRound > LAST_STEPPED_ROUND)
        return Ratio(Draft_Pick_Value(nDraft, LAST_STEPPED_ROUND, nOriginal), 200 - 30 * nRound, 100);
    int v = FIRST_ROUND_PICK;
    for (int r = 0; r < nRound; r++) v = Ratio(v, ROUND_STEP, 1000);
    v = Ratio(v, 1000 - Ratio(DRAFT_PLACE_SPREAD, Projected_Draft_Place(nOriginal), Number_Of_Teams()), 1000);
    for (int d = 0; d < nDraft; d++) v = Ratio(v, YEAR_STEP, 1000);
    return v;
}

int Offered_Picks_Value(const TRADE_OFFER& offer, int nSide) {
    TNUM nTeam = offer.anTeam[nSide];
    int nSum = 0;
    for (int i = 0; i < TRADE_ITEMS; i++) {
        int8_t nItem = offer.aanItems[nSide][i];
        DraftPick pick;
        if (nItem == NO_TRADE_ITEM || Trade_Item_Is_Player(offer, nSide, i) ||
            !Find_Walk_Pick(nTeam, nItem - Number_Of_Players(nTeam), &pick))
            continue;
        nSum += Draft_Pick_Value(pick.nDraft, pick.nRound, pick.nOriginalTeam);
    }
    return nSum;
}

int Score_Of_Values(int64_t nReceived, int64_t nGiven) {
    int64_t nAgainst = std::max({nGiven, nReceived / 20, (int64_t)1});
    return (int)std::clamp(Wide_Ratio(1000, nReceived, nAgainst), (int64_t)-SCORE_LIMIT, (int64_t)SCORE_LIMIT);
}

int Offer_Score(const TRADE_OFFER& offer, const TeamNeeds& needs) {
    bool bUser = Users_Team(offer.anTeam[0]);
    if (bUser && Count_Trade_Items(offer, 0) == 0 && offer.nCash <= 0) return EMPTY_OFFER_SCORE;
    int64_t m = Cash_Value(offer);
    int64_t nReceived = (int64_t)Value_Received(offer, needs) + Offered_Picks_Value(offer, 0) + std::max(m, (int64_t)0);
    int64_t nGiven = (int64_t)Value_Given(offer, needs) + Offered_Picks_Value(offer, 1) + std::max((int64_t)0, -m);
    int nScore = Score_Of_Values(nReceived, nGiven);
    if (bUser) nScore += Get_League_Rule(LR_TRADE_REPUTATION) / 10 - 200 * Get_Game_State(GS_DIFFICULTY) + 200;
    return nScore;
}
