// Carrying out a legal trade: picks, players with their histories, cash,
// then both rosters put in order. The page, the computer's own trades and
// the tool all go through here.
#pragma once
#include "trades/trade_offer.h"

// False, with a log line and nothing changed, for an offer that fails
// legality. A player for whom the other roster has no slot is the only
// partial failure: an "ERROR" box, and he leaves the league.
bool Implement_Trade(const TRADE_OFFER& offer);

// Game-state entry GS_TRADE_ACTIVITY has one rule: it is the trading block's
// count of trade activity since play last started, cleared then and raised by
// 3 for each simulated week before the deadline; a trade a person completes
// raises it to at least TRADE_COMPLETED_MARK. Thus the block, which clears it
// before opening an offer, reads any nonzero value as "a trade went through",
// and a completed trade never lowers the weeks' count. Computer trades do not
// touch it.
constexpr int TRADE_COMPLETED_MARK = 1;
// What follows a trade completed on the trade page: the entry above marked
// and the offer emptied (teams kept, items and cash cleared). The draft's
// continuation belongs to the draft.
void After_Completed_Trade(TRADE_OFFER* pOffer);
