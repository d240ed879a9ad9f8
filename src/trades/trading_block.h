// The trading block: a person's team lists players (and cash) and says what it
// wants back; every other team builds the package it would give, and the list
// shows those offers best first. Opening one carries it to the trade page.
#pragma once
#include <functional>
#include <string>
#include <vector>

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
// told, when given, hears after each team with the count of offers so far.
int Build_Trading_Block_Offers(const TRADE_OFFER& block, int nWish, TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS],
                               TradeRefusal* pRefusal, const std::function<void(int nOffers)>& told = {});
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

// The window's block: what the person listed and wished, and the offers last
// asked for. The trade page gets a copy of an offer, never this.
struct TradingBlockPage {
    TRADE_OFFER block;  // side 0 the person's team and the listed players; side 1 empty
    int nWish;
    int nCashField;  // millions as typed; held to the limit on asking
    TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
    int nOffers;  // the listed ones, first in aOffers
};
// While no more offers than this stand, the list follows the search team by team.
constexpr int LIVE_BLOCK_OFFERS = 10;

// Nothing listed, no offers, the wish last asked with.
void Open_Trading_Block(TradingBlockPage* pPage, TNUM nUser);
bool Block_Lists_Player(const TradingBlockPage& page, PNUM nPlayer);
// On or off the block; putting one on is refused (with its box) when the
// list is full or the slot empty. Either way the offers asked for before go.
bool List_Block_Player(TradingBlockPage* pPage, PNUM nPlayer, TradeRefusal* pRefusal);
void Unlist_Block_Player(TradingBlockPage* pPage, PNUM nPlayer);
// "Name (POS)" of each listed player, in listing order.
std::vector<std::string> Block_Player_Lines(const TradingBlockPage& page);
// "45 players would stay (at least 45 needed)."
std::string Block_Roster_Line(const TradingBlockPage& page);
// The most the cash field may hold: the team's whole millions up to the
// field's limit, none when cash is wished.
int Trading_Block_Cash_Limit(const TradingBlockPage& page);
// Every other team asked, with the progress bar. shown hears after each team
// while no more than LIVE_BLOCK_OFFERS stand. A refusal or an empty list is
// shown in its box. Returns the number of offers listed.
int Ask_For_Block_Offers(TradingBlockPage* pPage, const std::function<void(const TradingBlockPage&)>& shown = {});
// The list's lines, "BUF offers\t...", best first.
std::vector<std::string> Block_Offer_Lines(const TradingBlockPage& page);
// Back from the trade page opened on an offer: after a completed trade the
// rosters moved, so the block starts again empty with no offers (true);
// otherwise the page is as it was.
bool Return_To_Trading_Block(TradingBlockPage* pPage);
