#include "trades/implement_trade.h"

#include <algorithm>
#include <limits>

#include "database/player.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "platform/platform.h"
#include "trades/trade_rules.h"

namespace {
constexpr int64_t MILLION = 1000000;

struct HeldPlayers {
    PlayerRecord aPlayers[TRADE_ITEMS];
    int nCount;
};

int Starters_At_Position(int nPosition) {
    int nSide = Position_Side(nPosition), nCount = 0;
    for (int nSpot = 0; nSpot < Starter_Spots(nSide); nSpot++)
        if (Starter_Position(nSide, nSpot) == nPosition) nCount++;
    return nCount;
}

// The user's newcomer takes the place of the last starter at his position
// when he is worth more now; the window's team would otherwise bury him.
void Promote_Newcomer(TNUM nTeam, PNUM nNewcomer) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nNewcomer, VS_POSITION);
    int nDepth = Starters_At_Position(nPosition) - 1;
    if (nDepth < 0) return;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (nSlot == nNewcomer || !Is_Valid_Player(nTeam, nSlot)) continue;
        if (Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION) != nPosition) continue;
        if (nDepth-- > 0) continue;
        if (Player_Current_Value(nTeam, nNewcomer) > Player_Current_Value(nTeam, nSlot))
            Swap_Players(nTeam, nNewcomer, nTeam, nSlot);
        return;
    }
}

int Returner_ID(TNUM nTeam, int nKind) {
    PNUM nPlayer = Get_Team_Returner(nTeam, nKind);
    return Is_Valid_Player(nTeam, nPlayer) ? Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID) : 0;
}

// A fortune near the limit of the field stays there rather than wrap to a debt.
int Cash_In_Range(int64_t nCash) {
    return (int)std::clamp<int64_t>(nCash, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

// Nobody holds his history any more once he is not placed.
void Free_Held_History(const PlayerRecord& player) {
    for (int nRecord : player.anHistory)
        if (nRecord >= 0) Free_History_Record(nRecord);
}
}  // namespace

bool Implement_Trade(const TRADE_OFFER& offer) {
    int64_t nCash = offer.nCash * MILLION;
    char szReason[TRADE_TEXT_WIDTH];
    if (!Trade_Is_Legal(offer, szReason)) {
        Error_Log("Invalid TRADE_OFFER passed to Implement_Trade()");
        return false;
    }
    TNUM anTeam[TRADE_SIDES] = {offer.anTeam[0], offer.anTeam[1]};
    int anOldCash[TRADE_SIDES], anPlayers[TRADE_SIDES];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        anOldCash[nSide] = Get_Team_Financial_Stat(anTeam[nSide], FIN_CASH);
        anPlayers[nSide] = Number_Of_Players(anTeam[nSide]);
    }

    // Every pick is found in its walk before any owner changes, or the walk's
    // numbering would shift under the later items.
    DraftPick aPicks[TRADE_SIDES][TRADE_ITEMS];
    int anPicks[TRADE_SIDES] = {0, 0};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        for (int nIndex = 0; nIndex < Count_Trade_Items(offer, nSide); nIndex++) {
            int nItem = offer.aanItems[nSide][nIndex];
            if (nItem < anPlayers[nSide]) continue;
            Find_Walk_Pick(anTeam[nSide], nItem - anPlayers[nSide], &aPicks[nSide][anPicks[nSide]++]);
        }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        for (int nPick = 0; nPick < anPicks[nSide]; nPick++) {
            const DraftPick& pick = aPicks[nSide][nPick];
            g_League.abDraftPicks[pick.nDraft][pick.nRound][pick.nOriginalTeam] = (uint8_t)anTeam[1 - nSide];
        }

    int aanReturners[TRADE_SIDES][2];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        for (int nKind : {KICK_RETURNER, PUNT_RETURNER})
            aanReturners[nSide][nKind] = Returner_ID(anTeam[nSide], nKind);

    // The record carries its history list; clearing the old slot leaves the
    // list to the held copy alone.
    HeldPlayers aHeld[TRADE_SIDES];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        aHeld[nSide].nCount = 0;
        for (int nIndex = 0; nIndex < Count_Trade_Items(offer, nSide); nIndex++) {
            PNUM nPlayer = offer.aanItems[nSide][nIndex];
            if (nPlayer >= anPlayers[nSide]) continue;
            Copy_Player_To_Memory(&aHeld[nSide].aPlayers[aHeld[nSide].nCount++], anTeam[nSide], nPlayer);
        }
        for (int nIndex = 0; nIndex < Count_Trade_Items(offer, nSide); nIndex++)
            if (offer.aanItems[nSide][nIndex] < anPlayers[nSide]) Clear_Player(anTeam[nSide], offer.aanItems[nSide][nIndex]);
    }

    TNUM nActive = (TNUM)Get_Game_State(GS_USER_TEAM);
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        TNUM nReceiver = anTeam[1 - nSide];
        for (int nHeld = 0; nHeld < aHeld[nSide].nCount; nHeld++) {
            PNUM nSlot = First_Empty_Slot(nReceiver);
            if (nSlot == NO_PLAYER) {
                Message_Box("ERROR", "Unable to fit traded player onto team.");
                Free_Held_History(aHeld[nSide].aPlayers[nHeld]);
                continue;
            }
            Copy_Player_From_Memory(nReceiver, nSlot, &aHeld[nSide].aPlayers[nHeld]);
            Open_History_Record(nReceiver, nSlot, true);
            if (nReceiver == nActive) Promote_Newcomer(nReceiver, nSlot);
        }
    }
    for (TNUM nTeam : anTeam) Compact_Team(nTeam);
    // A returner who left would leave his slot to whoever moved into it.
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        if (Returner_ID(anTeam[nSide], KICK_RETURNER) != aanReturners[nSide][KICK_RETURNER] ||
            Returner_ID(anTeam[nSide], PUNT_RETURNER) != aanReturners[nSide][PUNT_RETURNER])
            Choose_Returners(anTeam[nSide]);

    Set_Team_Financial_Stat(anTeam[0], FIN_CASH, Cash_In_Range(anOldCash[0] - nCash));
    Set_Team_Financial_Stat(anTeam[1], FIN_CASH, Cash_In_Range(anOldCash[1] + nCash));

    bool bCommissioner = Get_Game_State(GS_COMMISSIONER) != 0;
    for (TNUM nTeam : anTeam) {
        if (nTeam == nActive || bCommissioner)
            Group_By_Side(nTeam);
        else
            Organise_Team(nTeam);
    }
    return true;
}

void After_Completed_Trade(TRADE_OFFER* pOffer) {
    Set_Game_State(GS_TRADE_ACTIVITY, std::max(Get_Game_State(GS_TRADE_ACTIVITY), TRADE_COMPLETED_MARK));
    Clear_Trade_Offer(pOffer, pOffer->anTeam[0], pOffer->anTeam[1]);
}
