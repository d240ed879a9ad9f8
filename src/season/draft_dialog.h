// The logic of the college Draft window: the class as the person's scouts
// see it, who is on the clock, and when the Pick button may be pressed.
#pragma once
#include <vector>

#include "database/league_database.h"
#include "database/text_format.h"
#include "personnel/player_table.h"

constexpr int DRAFT_CLOCK_TEXT_SIZE = TEXT_SIZE + 64;  // room for any team name

struct DraftDialogState {
    bool bRunning;
    TNUM nOnTheClock;  // NO_TEAM once the draft is over
    bool bCanPick;     // a person's team is on the clock
    char szTitle[DRAFT_CLOCK_TEXT_SIZE];  // "Draft (%s)" with the person's team name
    char szClock[DRAFT_CLOCK_TEXT_SIZE];  // "Round 2, Pick 5 (#37): Team"
};
void Get_Draft_Dialog_State(TNUM nPersonsTeam, DraftDialogState* pState);

// The score a team's scouts put on a prospect, in tenths: the true one moved
// by their scouting error, so that poor scouts misjudge the class. Steady for
// the month, and drawn from no random numbers.
int Scouted_Prospect_Score(TNUM nPoolTeam, PNUM nPlayer, TNUM nForTeam);
// Every prospect in team-code then slot order, the score column as nForTeam's
// scouts give it; empty outside a draft.
std::vector<PlayerRow> Draft_Class_Rows(TNUM nForTeam);
// The Pick button: the person's pick of the prospect for the team on the
// clock (the contract negotiation first); the computer then picks on until a
// person's team is on the clock again or the draft is over. False when no
// person is on the clock or the pick was not made.
bool Draft_Dialog_Pick(TNUM nPoolTeam, PNUM nPlayer);
