// The trading block: a person's team lists players (and cash) and says what it
// wants back; every other team builds the package it would give, and the list
// shows those offers best first. Opening one carries it to the trade page.
#pragma once
#include <string>

#include "trades/team_needs.h"
#include "trades/trade_offer.h"
#include "trades/trade_rules.h"

constexpr int TRADING_BLOCK_OFFERS = 36;  // one record per answering team at most
// Wishes 0..13 are the positions in their own order; these follow them.
enum {
    WISH_ANY_PLAYERS = NUMBER_OF_POSITIONS,
    WISH_PROSPECTS,
    WISH_VETERANS,
    WISH_DRAFT_PICKS,
    WISH_CASH,
    TRADING_BLOCK_WISHES,
};
// The user's return an answer must reach besides the partner's acceptance.
constexpr int BLOCK_RETURN_SCORE = 250;

const char* Trading_Block_Wish_Name(int nWish);  // "Quarterbacks" ... "Cash"

// The user's needs as the wish turns them: a position keeps only itself, raised
// by a third; prospects and veterans keep only their rows, raised likewise.
void Reshape_Needs_By_Wish(TeamNeeds* pNeeds, int nWish);

// The block as asked: side 0 the user's team with the listed items, the cash
// field held to 0..999 and the team's whole millions (0 when cash is wished).
void Set_Up_Trading_Block(TRADE_OFFER* pBlock, TNUM nUser, int nCashField, int nWish);
// Listing so many players would leave the roster below its minimum.
bool Trading_Block_Refusal(const TRADE_OFFER& block, TradeRefusal* pRefusal);

// Side 1's team answers the block in pOffer (side 1 set, empty); false when it
// has no answer. Draws from the game's generator.
bool Build_Block_Answer(TRADE_OFFER* pOffer, int nWish);

// Every other team's answer into aOffers, ordered. Returns the number of
// offers; -1 with pRefusal filled when the block itself is refused, 0 with the
// "No Trade Offers" box in pRefusal. The wish is kept in the game state; the
// league is otherwise untouched.
int Build_Trading_Block_Offers(const TRADE_OFFER& block, int nWish, TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS],
                               TradeRefusal* pRefusal);
// Duplicates of a later record cleared, then ascending by the partner's score
// (cash wished: by the cash, the largest payment first); empty and illegal last.
// Returns the number of listed offers, which stand first.
int Order_Trading_Block_Offers(TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS], int nWish);
bool Block_Offer_Listed(const TRADE_OFFER& offer);

// "BUF offers\tA (QB), B (RB) and C (WR)", or the cash "$3,000,000".
std::string Describe_Block_Offer(const TRADE_OFFER& offer);

// The offer becomes the trade page's with no remembered partner and the
// completed-trade mark cleared; Block_Trade_Completed tells afterwards
// whether the block must be rebuilt.
void Open_Block_Offer(const TRADE_OFFER& offer, TRADE_OFFER* pPage);
bool Block_Trade_Completed();
