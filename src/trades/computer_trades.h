// The computer's own trading: rounds between two of its teams before the
// deadline, and the proposals its teams make to a person's team after a run
// of weeks. Both build their offer by the same greedy random search.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "trades/team_needs.h"
#include "trades/trade_offer.h"

constexpr int COMPUTER_TRADE_ROUNDS_PER_WEEK = 3;
// Each simulated week before the deadline adds this to GS_TRADE_ACTIVITY.
constexpr int TRADE_ACTIVITY_PER_WEEK = 3;
// A proposal must leave the computer this much more per difficulty level.
constexpr int PROPOSAL_DIFFICULTY_MARGIN = 200;

// The scores a search ended with: side 1's team's and side 0's team's of the mirror.
struct SearchedScores {
    int nSide1;
    int nSide0;
};

// Adds players to pOffer (teams set, usually empty) by desire: the side
// whose team is better off gives more. First the product of the two scores
// is raised, then their difference narrowed; each phase ends after three
// steps in a row that did not help. needs0 and needs1 are the two teams'.
SearchedScores Search_Computer_Offer(TRADE_OFFER* pOffer, const TeamNeeds& needs0, const TeamNeeds& needs1);

int Count_Computer_Managed_Teams();

// One round: two computer teams drawn, an offer searched, and carried out
// when both score it above COMPUTER_TRADE_SCORE. True when a trade went
// through; pSearched, when given, gets the offer as searched.
bool Computer_Trade_Round(TRADE_OFFER* pSearched = nullptr);

// "Trade: BUF sends A (QB) and B (RB) to MIA for C (WR)": the items as the
// trade page writes them, so it must be written before the players move.
void Format_Computer_Trade(const TRADE_OFFER& offer, char* szOut, size_t nSize);
// Told of each trade the computer completes between its teams, with the line
// above. The headless tool prints it; null tells nobody.
void Set_Computer_Trade_Observer(void (*pTold)(const char* szLine));

// How many proposals a person's team gets after this run of weeks: none in
// commissioner mode, with the option off or with no person's team.
int Trade_Proposal_Count();
// One proposal drawn and searched; true when it is good enough to show.
bool Draw_Trade_Proposal(TRADE_OFFER* pOffer);
// The window shows a proposal ("Trade Offer") through this. Without it the
// proposal is only noted: the league is unchanged until the person trades.
void Set_Trade_Proposal_Hook(void (*pShow)(const TRADE_OFFER& offer));
// The answer without a window: the core's own, which puts the proposal to the
// script and proposes it back when told to talk.
void Set_Trade_Proposal_Default(void (*pAnswer)(const TRADE_OFFER& offer));
void Computer_Trade_Proposals();
// The proposal page's lists: one line a side's item ("Name (POS)", picks as
// the trade page writes them), then the cash that side pays as "$3,000,000".
std::vector<std::string> Trade_Proposal_Lines(const TRADE_OFFER& offer, int nSide);
// "Let's Talk": the person's team becomes side 0 of the trade page's offer,
// and the page remembers no partner of its own.
void Talk_About_Trade_Proposal(const TRADE_OFFER& offer, TRADE_OFFER* pPage);
