// Whether an offer may go through, and the trade page's rules for building
// one: adding and removing items, the cash fields and the item texts. The
// page only binds widgets to these; the tool and the tests use them as they are.
#pragma once
#include "database/player.h"
#include "trades/trade_offer.h"

constexpr int TRADE_ROSTER_LIMIT = PLAYERS_PER_TEAM;
constexpr int FULL_ROSTER_MINIMUM = SMALLEST_ROSTER;  // less the unused picks of the next draft
constexpr int TRADE_CASH_LIMIT = 999;    // millions in either cash field
constexpr int TRADE_TEXT_WIDTH = 160;

// A refusal as the page shows it: a titled box.
struct TradeRefusal {
    char szTitle[48];
    char szText[TRADE_TEXT_WIDTH];
};

// 53 less the picks of the next draft the team owns and has not used: a
// team about to draft may run its roster that much thinner.
int Trade_Minimum_Roster(TNUM nTeam);

// Legal or not; szReason (TRADE_TEXT_WIDTH) gets the refusal, empty when
// legal. Besides roster room, the minimum roster and the cap, an offer that
// names a team out of range, the same team twice, an empty slot, a pick its
// side does not own, an item twice or cash beyond the fields is refused.
bool Trade_Is_Legal(const TRADE_OFFER& offer, char* szReason);
// "Double-click players to add them to trade." or "Illegal Trade: %s".
void Format_Trade_Legality_Line(const TRADE_OFFER& offer, char* szOut);

// A team in debt may not offer a trade that raises its payroll. True when the
// offer may go to the partner; otherwise pRefusal says why.
bool Trade_Passes_Debt_Rule(const TRADE_OFFER& offer, TradeRefusal* pRefusal);
// Both payrolls together at twice the cap or more: no trade can suit both.
bool Trade_Cap_Deadlock(TNUM nTeamA, TNUM nTeamB);
// The partner the page opens with: the last one, else the first other team.
TNUM Opening_Trade_Partner(TNUM nUser);
// The box the page shows on opening when the deadlock holds (never in
// commissioner mode); false when there is none.
bool Trade_Page_Opening_Refusal(TNUM nUser, TNUM nPartner, TradeRefusal* pRefusal);

// Adds a player slot or a pick of the side's walk (nPick counts from 0) to
// the side's list. False with the page's box when it is already there or the
// list is full; an empty slot or a pick the team lacks is refused too.
bool Add_Trade_Player(TRADE_OFFER* pOffer, int nSide, PNUM nPlayer, TradeRefusal* pRefusal);
bool Add_Trade_Pick(TRADE_OFFER* pOffer, int nSide, int nPick, TradeRefusal* pRefusal);
// Removes the list's nIndex-th item; the later ones move forward.
void Remove_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nIndex);

// The two cash fields live in the offer's one figure: side 0's field is the
// cash it offers, side 1's what it is asked for. Setting one above 0 clears
// the other; each is held to 0..999 and to the paying team's whole millions.
int Trade_Cash_Field(const TRADE_OFFER& offer, int nPayingSide);
void Set_Trade_Cash_Field(TRADE_OFFER* pOffer, int nPayingSide, int nMillions);

// Item texts. A pick: "%d - %s Round (%s)" (year, round, original team); in
// its owner's list "  %s Round Pick\t (%d)\t(%s)"; a player "%s (%s)" (name,
// position). szOut holds TRADE_TEXT_WIDTH.
void Format_Trade_Pick(const DraftPick& pick, char* szOut);
void Format_Owner_Pick(const DraftPick& pick, char* szOut);
void Format_Trade_Item(const TRADE_OFFER& offer, int nSide, int nIndex, char* szOut);
void Format_Trade_Roster_Count(TNUM nTeam, char* szOut);  // "Players (%d/%d)"
