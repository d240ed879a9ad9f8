// How a team judges an offer: what it would receive and give, players
// weighed by its needs, draft picks by where they will fall, cash by how much
// the team has, turned into one score in per mille. Above 1000 the team gains.
#pragma once
#include <climits>
#include <cstdint>

#include "trades/team_needs.h"
#include "trades/trade_offer.h"

// An offer that puts nothing on the table. It is a mark, not a figure: test
// for it before any arithmetic, which it would overflow.
constexpr int EMPTY_OFFER_SCORE = INT_MIN + 1;
constexpr int ACCEPTED_SCORE = 1000;        // a team accepts above this
constexpr int COMPUTER_TRADE_SCORE = 1200;  // both computer teams must score above this
bool Offer_Is_Accepted(int nScore);

// Side 0's players as side 1's team (with these needs) receives them.
int Value_Received(const TRADE_OFFER& offer, const TeamNeeds& needs);
// Side 1's own players as its team gives them up.
int Value_Given(const TRADE_OFFER& offer, const TeamNeeds& needs);

// The teams in use by where they would choose in the next draft, worst first.
// Returns their number; anOrder holds NUMBER_OF_FRANCHISES.
int Projected_Draft_Order(TNUM anOrder[]);
int Projected_Draft_Place(TNUM nTeam);
// A pick of draft nDraft (0 = the next), round nRound, originally nOriginal's.
int Draft_Pick_Value(int nDraft, int nRound, TNUM nOriginal);
// The picks among the side's items.
int Offered_Picks_Value(const TRADE_OFFER& offer, int nSide);

// Side 1's team's score of the offer from side 0's team; EMPTY_OFFER_SCORE
// when the user's team offers nothing and asks for its cash or nothing.
int Offer_Score(const TRADE_OFFER& offer, const TeamNeeds& needs);
// The score of what is received against what is given, before the user's
// handicap. Never divides by less than 1: a gift worth less than nothing
// scores 0 or below, never a fortune.
int Score_Of_Values(int64_t nReceived, int64_t nGiven);
