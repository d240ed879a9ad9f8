// The playoff field and bracket: slots 0..30, one round a week over the first
// four playoff weeks, the champion in slot 30 (slot 28 in a one-conference league).
//
//   round 1: 0-1, 4-5 (conference 0); 8-9, 12-13 (conference 1)
//   round 2: 16-17, 18-19; 20-21, 22-23
//   round 3: 24-25; 26-27 (conference finals)
//   round 4: 28-29 (league final)
// A winner moves from its slot to slot / 2 + 16.
#pragma once
#include "database/season_state.h"

constexpr int PLAYOFF_SLOTS = 31;
constexpr int PLAYOFF_ROUNDS = 4;
constexpr int TEAM_ELIMINATED = -1000;  // from Get_Magic_Number

TNUM Get_Playoff_Team(int nSlot);
int Get_Playoff_Score(int nSlot);
// Seed 1..6 of a conference to its slot.
int Seed_Slot(int nConference, int nSeed);

// Empties every slot and seeds the field from the current standings. The
// season loop runs it on the first playoff week; before then the standings
// rebuild it each week as the provisional field.
void Fill_Playoff_Field();
void Clear_Playoff_Slots();  // every slot empty, every score 0
void Fix_Playoff_Field();
// Schedules the games of the round that falls on nWeek. A team whose
// opponent's slot stayed empty goes through to the next round.
void Schedule_Playoff_Week(int nWeek);
// Books the points of both teams and moves the winner on.
void Record_Playoff_Result(TNUM nTeamA, int nScoreA, TNUM nTeamB, int nScoreB);
void Record_Playoff_Game(int nGame);  // from a stored game record

// Division leader: games to clinch (0 = clinched). Any other team: minus the
// games to elimination, or TEAM_ELIMINATED.
int Get_Magic_Number(TNUM nTeam);
// The team a chaser must catch for a wild card, in conferences of three or
// more divisions: of the runners-up of the conference's first three
// divisions, the second best by league score; for that team itself the third
// (the best when there are only two). NO_TEAM otherwise.
TNUM Get_Wild_Card_Rival(TNUM nTeam);

// Season end: every team's outcome level 0..8 into its season record.
void Set_Season_Outcome_Levels();
