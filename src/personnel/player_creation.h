// New players: college prospects and free agents are fabricated from
// templates, copies of established players of the league, each given a new
// identity, a development level and a made-up past.
#pragma once
#include "database/league_database.h"
#include "database/player.h"

constexpr int MAX_PLAYER_TEMPLATES = 1000;
constexpr int TEMPLATE_MIN_STARTS = 12;  // predicted starts a template must exceed
constexpr int COLLEGE_CLASS_SIZE = 237;
constexpr int LAST_FREE_AGENT_FILL_SLOT = 64;
constexpr int FREE_AGENT_SALARY = MINIMUM_SALARY;

// Empties the pool and fills it from the franchises in use, then warns about
// positions with no or few entries ("Missing Player Data").
void Build_Template_Pool();
// The two halves of the above: the filling, quiet, and the warnings.
void Refill_Template_Pool();
void Check_Template_Pool();
// The pool taken from another league image, the default league's, and kept
// for good: the seasons' set-ups leave it as it is.
void Keep_Template_Pool_Of(const LeagueDatabase& league);
bool Template_Pool_Kept();
void Forget_Kept_Template_Pool();  // a start of the program, or a test's league
// A season's set-up: a pool from the league in play follows it, a kept one stays.
void Renew_Template_Pool();
int Template_Pool_Size();
int Template_Position_Count(int nPosition);

// Body tables by position.
int Typical_Height(int nPosition);
int Typical_Weight(int nPosition);
int Weight_For_Height(int nHeight, int nBuild);  // nBuild in per cent
int Position_Build(int nPosition);

// The parts of a new player's identity, each drawn for the position in his
// record. A blocking back gets the height and build of a tight end.
void Set_Random_Body(TNUM nTeam, PNUM nPlayer, bool bBlockingBack);
void Set_Random_College(TNUM nTeam, PNUM nPlayer);
void Set_Random_Picture(TNUM nTeam, PNUM nPlayer);
// The 40-yard time his Predicted period and weight give; 0 for kickers and punters.
void Set_Forty_Yard_Time(TNUM nTeam, PNUM nPlayer);

// A position drawn by roster demand.
int Draw_Position();

// Makes a player of the position in the slot: 1 made, 0 when no template of
// the position turned up.
int Fabricate_Player(TNUM nTeam, PNUM nPlayer, int nPosition);
// The identity part of the above, applied to a freshly copied template.
void Give_New_Identity(TNUM nTeam, PNUM nPlayer);
// A new player ID for the slot, not used by anyone in the league.
int New_Player_ID(TNUM nTeam, PNUM nPlayer);
// The step down a journeyman takes after his making (free agents, roster
// fillers), through Modify_Predicted_Player_Stats. The development table moves
// a back's or receiver's yards faster than his plays, and nothing grows them
// back: his yards per pass, carry, catch and return stay as they were, so
// that he is not left with catches and carries of hardly a yard.
void Step_Down_New_Player(TNUM nTeam, PNUM nPlayer, int nPeriod, int nModifier, int nMode);
// Takes the player back to his level of his first season and writes the
// seasons between into his history.
void Generate_Past_Seasons(TNUM nTeam, PNUM nPlayer);
// Games missed in a season of a made-up past: 0..MOST_GAMES_MISSED, mostly none.
constexpr int MOST_GAMES_MISSED = 12;
int Draw_Games_Missed();
// What a made-up season must respect whatever its noise: a lineman's penalty
// yards are 6 to 9 a flag in fives; kickers make no more than they try.
void Tidy_Drawn_Season(int nPosition, int32_t anCounters[NUMBER_OF_COUNTERS]);
void Set_Random_Birth_Date(TNUM nTeam, PNUM nPlayer);

// A new class of prospects in the draft pool; false when one could not be made.
bool Make_College_Class();
void Sort_Draft_Pool();
// One free agent in the slot of the pool; 1 made, 0 not.
int Make_Free_Agent(TNUM nTeam, PNUM nPlayer);
// The same for a given position, in any team's slot: a journeyman of 22..41
// on a three-year minimum contract.
int Make_Journeyman(TNUM nTeam, PNUM nPlayer, int nPosition);
// Tops up the free-agent pool to slot 64.
void Fill_Free_Agent_Pool();
