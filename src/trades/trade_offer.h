// One proposed trade between two teams: what each side gives and the cash.
// The trade page edits it, the computer builds its own and the trading block
// fills it; legality, judgement and the trade itself read it.
#pragma once
#include <cstdint>

#include "database/league_database.h"

constexpr int TRADE_SIDES = 2;
constexpr int TRADE_ITEMS = 15;  // per side
constexpr int8_t NO_TRADE_ITEM = -1;
constexpr int DRAFT_YEARS = 3;   // the next draft and the two after it

// An item below the team's number of players is a player slot of that team;
// an item n at or above it is the team's (n - players)-th pick of its walk.
struct TRADE_OFFER {
    int8_t anTeam[TRADE_SIDES];                   // side 0 proposes, side 1 is the partner
    int8_t aanItems[TRADE_SIDES][TRADE_ITEMS];    // filled from the front, NO_TRADE_ITEM after
    int32_t nCash;                                // millions paid by side 0 to side 1; negative: side 1 pays
};
static_assert(sizeof(TRADE_OFFER) == 36, "the offer record is 36 bytes");

void Clear_Trade_Offer(TRADE_OFFER* pOffer, TNUM nSide0, TNUM nSide1);
int Count_Trade_Items(const TRADE_OFFER& offer, int nSide);
// Exchanges the team codes and the item lists and negates the cash.
void Mirror_Trade_Offer(TRADE_OFFER* pOffer);

// A draft pick as the walk finds it: which draft (0 = the next), round and
// original team. The walk of a team visits draft 0..2, round 0..6, original
// team 0..teams in use - 1 and counts the picks the team owns.
struct DraftPick {
    int nDraft;
    int nRound;
    TNUM nOriginalTeam;
};
// The team's nIndex-th pick of the walk; false when it owns fewer.
bool Find_Walk_Pick(TNUM nTeam, int nIndex, DraftPick* pPick);
int Count_Walk_Picks(TNUM nTeam);
// Whether the item of this side is a player slot (else a pick of the walk).
bool Trade_Item_Is_Player(const TRADE_OFFER& offer, int nSide, int nItem);
