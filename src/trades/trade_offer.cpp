#include "trades/trade_offer.h"

#include <algorithm>
#include <iterator>

#include "database/player.h"
#include "database/season_state.h"

void Clear_Trade_Offer(TRADE_OFFER* pOffer, TNUM nSide0, TNUM nSide1) {
    pOffer->anTeam[0] = nSide0;
    pOffer->anTeam[1] = nSide1;
    for (auto& anItems : pOffer->aanItems) std::fill(std::begin(anItems), std::end(anItems), NO_TRADE_ITEM);
    pOffer->nCash = 0;
}

int Count_Trade_Items(const TRADE_OFFER& offer, int nSide) {
    int nCount = 0;
    while (nCount < TRADE_ITEMS && offer.aanItems[nSide][nCount] != NO_TRADE_ITEM) nCount++;
    return nCount;
}

void Mirror_Trade_Offer(TRADE_OFFER* pOffer) {
    std::swap(pOffer->anTeam[0], pOffer->anTeam[1]);
    std::swap(pOffer->aanItems[0], pOffer->aanItems[1]);
    pOffer->nCash = -pOffer->nCash;
}

namespace {
// While the college draft runs, its used picks are no longer anyone's to
// trade: the rounds gone by, and this round's picks of the teams that have
// chosen (their place in the order is before the pick on the clock).
bool Pick_Used(int nDraft, int nRound, TNUM nOriginal) {
    if (nDraft != 0 || !College_Draft_Running()) return false;
    int nCurrent = Get_Game_State(GS_DRAFT_ROUND);
    return nRound < nCurrent || (nRound == nCurrent && Get_Draft_Place(nOriginal) < Get_Game_State(GS_DRAFT_PICK));
}
}  // namespace

bool Find_Walk_Pick(TNUM nTeam, int nIndex, DraftPick* pPick) {
    int nTeams = Number_Of_Teams();
    for (int nDraft = 0; nDraft < DRAFT_YEARS; nDraft++)
        for (int nRound = 0; nRound < NUMBER_OF_DRAFT_ROUNDS; nRound++)
            for (int nOriginal = 0; nOriginal < nTeams; nOriginal++) {
                if (g_League.abDraftPicks[nDraft][nRound][nOriginal] != (uint8_t)nTeam) continue;
                if (Pick_Used(nDraft, nRound, (TNUM)nOriginal)) continue;
                if (nIndex-- > 0) continue;
                if (pPick) *pPick = {nDraft, nRound, (TNUM)nOriginal};
                return true;
            }
    return false;
}

int Count_Walk_Picks(TNUM nTeam) {
    int nCount = 0;
    while (Find_Walk_Pick(nTeam, nCount, nullptr)) nCount++;
    return nCount;
}

bool Trade_Item_Is_Player(const TRADE_OFFER& offer, int nSide, int nItem) {
    int8_t nValue = offer.aanItems[nSide][nItem];
    return nValue != NO_TRADE_ITEM && nValue < Number_Of_Players(offer.anTeam[nSide]);
}
