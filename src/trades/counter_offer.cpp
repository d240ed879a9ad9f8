#include "trades/counter_offer.h"

#include "base/random.h"
#include "personnel/ratings.h"
#include "platform/platform.h"
#include "trades/trade_value.h"

namespace {

constexpr int DRAWS_PER_ADDITION = 10;
constexpr int FRUITLESS_ATTEMPTS = 1000;  // in a row, before the partner gives up

bool Position_Offered(const TRADE_OFFER& offer, int nSide, int nPosition) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (Trade_Item_Is_Player(offer, nSide, i) &&
            Get_Player_Vital_Stat(offer.anTeam[nSide], offer.aanItems[nSide][i], VS_POSITION) == nPosition)
            return true;
    return false;
}

bool Slot_Offered(const TRADE_OFFER& offer, int nSide, PNUM nPlayer) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (offer.aanItems[nSide][i] == nPlayer) return true;
    return false;
}

PNUM Draw_Slot(const int anDesire[PLAYERS_PER_TEAM]) {
    int nTotal = 0;
    for (int i = 0; i < PLAYERS_PER_TEAM; i++) nTotal += anDesire[i];
    if (nTotal <= 0) return NO_PLAYER;
    int nDraw = Random(nTotal);
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        nDraw -= anDesire[nPlayer];
        if (nDraw < 0) return nPlayer;
    }
    return NO_PLAYER;
}

}  // namespace

// A poor player's negative value adds nothing: the root of its size would
// make the worst players as wanted as the best.
void Slot_Desires(TNUM nOwner, TNUM nOther, const TeamNeeds& ours, const TeamNeeds& theirs, bool bByValue,
                  int anDesire[PLAYERS_PER_TEAM]) {
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        anDesire[nPlayer] = 0;
        if (!Is_Valid_Player(nOwner, nPlayer)) continue;
        int nPosition = Get_Player_Vital_Stat(nOwner, nPlayer, VS_POSITION);
        int nOurs = ours.aanNeed[Player_Role(nOwner, nPlayer, nOwner)][nPosition];
        int nTheirs = theirs.aanNeed[Player_Role(nOwner, nPlayer, nOther)][nPosition];
        if (nOurs < PRESSING_NEED) anDesire[nPlayer] = Max(0, Ratio(1000, nTheirs, nOurs) - 1000);
        if (bByValue) anDesire[nPlayer] += 10 * Root(Max(0, Player_Current_Value(nOwner, nPlayer)));
    }
}

bool Add_Desired_Player(TRADE_OFFER* pOffer, int nSide, int anDesire[PLAYERS_PER_TEAM], OfferCheck pIsLegal) {
    int nCount = Count_Trade_Items(*pOffer, nSide);
    TNUM nOwner = pOffer->anTeam[nSide];
    for (int nDraw = 0; nDraw < DRAWS_PER_ADDITION; nDraw++) {
        PNUM nPlayer = Draw_Slot(anDesire);
        if (nPlayer == NO_PLAYER) return false;
        if (nCount >= TRADE_ITEMS || Slot_Offered(*pOffer, nSide, nPlayer)) continue;
        if (Position_Offered(*pOffer, nSide, Get_Player_Vital_Stat(nOwner, nPlayer, VS_POSITION))) {
            anDesire[nPlayer] = 0;
            continue;
        }
        pOffer->aanItems[nSide][nCount] = nPlayer;
        if (pIsLegal(*pOffer)) return true;
        pOffer->aanItems[nSide][nCount] = NO_TRADE_ITEM;
        anDesire[nPlayer] = 0;
        return false;
    }
    return false;
}

bool Make_Counter_Offer(TRADE_OFFER* pOffer, OfferCheck pIsLegal) {
    TNUM nUser = pOffer->anTeam[0], nPartner = pOffer->anTeam[1];
    TeamNeeds users, partners;
    Compute_Team_Needs(nUser, &users);
    Compute_Team_Needs(nPartner, &partners);
    int anDesire[PLAYERS_PER_TEAM];
    Slot_Desires(nUser, nPartner, users, partners, true, anDesire);
    TRADE_OFFER counter = *pOffer;
    int nFruitless = 0;
    for (int nScore = Offer_Score(counter, partners); !Offer_Is_Accepted(nScore);) {
        if (Add_Desired_Player(&counter, 0, anDesire, pIsLegal)) {
            nFruitless = 0;
            nScore = Offer_Score(counter, partners);
        } else if (++nFruitless >= FRUITLESS_ATTEMPTS) {
            Message_Box("Nope", "I can't make a suitable trade out of that.");
            return false;
        }
    }
    *pOffer = counter;
    Set_Game_State(GS_TRADE_PARTNER, nPartner);
    return true;
}
