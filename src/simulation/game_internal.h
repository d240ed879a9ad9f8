// Shared between the game's source files only.
#pragma once
#include <cstdarg>

#include "simulation/game.h"
#include "simulation/game_league.h"

// The lineup player on a side.
inline TNUM Side_Team(const GameRecord* g, int nSide) { return g->anTeam[nSide]; }
inline PNUM Lineup_Slot(const GameRecord* g, int nSide, int nIndex) { return g->anLineup[nSide][nIndex]; }

// Seconds left in the half (or the overtime period).
int Time_Left(const GameRecord* pGame);
int Quarter(const GameRecord* pGame);
bool Second_Half(const GameRecord* pGame);
bool Playoff_Game(const GameRecord* pGame);

// Weighted draw of a lineup index of nSide: weight = predicted nStat
// (EVEN_WEIGHT: alike) for players of nGroup (or ANY_GROUP), times
// (predicted SS_PENALTIES + 1) when bPenalty and the player counts penalties.
constexpr int EVEN_WEIGHT = -1;
// SS_PENALTIES and SS_PENALTY_YARDS share their counters with a back's
// catches and a kicker's field goals: only linemen and defenders keep penalties.
inline bool Counts_Penalties(int nGroup) { return nGroup == GROUP_LINE || nGroup == GROUP_DEFENCE; }
int Weighted_Draw(const GameRecord* pGame, int nSide, int nGroup, int nStat, bool bPenalty = false);
// Sums of predicted statistics over the lineup players of nGroup (or ANY_GROUP),
// several in one pass: pSums[k] of pStats[k].
void Lineup_Stat_Sums(const GameRecord* pGame, int nSide, int nGroup, int nCount, const int* pStats, int* pSums);
int Lineup_Rating_Sum(const GameRecord* pGame, int nSide, int nFirst, int nLast, int nRating);
inline int Predicted(const GameRecord* g, int nSide, int nIndex, int nStat) {
    return Game_Player_Stat(g->anTeam[nSide], g->anLineup[nSide][nIndex], PERIOD_PREDICTED, nStat);
}
inline int Lineup_Position(const GameRecord* g, int nSide, int nIndex) {
    return Game_Player_Position(g->anTeam[nSide], g->anLineup[nSide][nIndex]);
}
inline int Lineup_Group(const GameRecord* g, int nSide, int nIndex) {
    return Position_Group(Lineup_Position(g, nSide, nIndex));
}
inline int Lineup_ID(const GameRecord* g, int nSide, int nIndex) {
    return Game_Player_ID(g->anTeam[nSide], g->anLineup[nSide][nIndex]);
}
int Safe_Div(int64_t a, int64_t b);  // truncating; 0 for b = 0

// The driver, step by step: Play_Game is Set_Up_Game, Play_Snap until
// Game_Over, then Finish_Game.
void Set_Up_Game(GameRecord* pGame, TNUM nHome, TNUM nVisitor, int nWeek);
void Play_Snap(GameRecord* pGame);
bool Game_Over(const GameRecord* pGame);
void Finish_Game(GameRecord* pGame);
void Apply_Result(GameRecord* pGame, bool bPenalty);
void Clock_Events(GameRecord* pGame);

// The two rosters are read when the game is set up: depth charts, lineups
// and ratings are kept for the game, as nothing but the game's own injuries
// changes a roster while it is played. Whatever else changes one during a
// game must load them again.
void Load_Game_Rosters(const GameRecord* pGame);
void Player_Hurt(const GameRecord* pGame, int nSide, PNUM nSlot);
// Forgets the side's lineups that looked at a position of nPositions (bits;
// bit CHART_RETURNER the returners).
void Forget_Lineups(int nSide, uint32_t nPositions);
// Get_Team_Position from the game's chart of nTeam; *pConsulted gains the
// positions (bits) whose players were looked at.
PNUM Game_Team_Position(const GameRecord* pGame, TNUM nTeam, int nPosition, int nDepth, PNUM* pUsed,
                        uint32_t* pConsulted = nullptr);

// Play calling.
bool Choose_Run(GameRecord* pGame);
int Choose_Run_Direction(GameRecord* pGame, int* pCarrier);  // 0 left, 1 middle, 2 right
int Choose_Pass_Target(GameRecord* pGame);

// Plays.
void Run_Play(GameRecord* pGame);
void Pass_Play(GameRecord* pGame);
void Kickoff_Play(GameRecord* pGame);
void Punt_Play(GameRecord* pGame);
void Field_Goal_Play(GameRecord* pGame);
void Extra_Point_Play(GameRecord* pGame);
int Offence_Factor(const GameRecord* pGame);
int Endurance_Factor(const GameRecord* pGame);  // the offensive line's, from the fourth quarter
int Estimated_Longest_Kick(TNUM nTeam, PNUM nKicker);
bool Penalty_Check(GameRecord* pGame);
// Signed yards (positive against the defence) of a penalty at nBall.
int Enforced_Penalty_Yards(int nPenalty, int nYards, int nBall);
// Weights of the PASS_* outcomes.
void Pass_Outcome_Weights(const GameRecord* pGame, int nLength, int64_t anWeight[PASS_OUTCOMES]);
void Clamp_Pass_Weights(int64_t anWeight[PASS_OUTCOMES]);
void Injury_Check(GameRecord* pGame);

// Play-by-play text.
// snprintf for the play texts, which need only %s and %d with '-', '0' and a width.
int Format_Play(char* szOut, int nSize, const char* szFormat, ...) __attribute__((format(printf, 3, 4)));
int Format_Play_Args(char* szOut, int nSize, const char* szFormat, va_list args);
void Clear_Play_Text();
void Append_Play_Text(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
void Build_Line_Prefix(const GameRecord* pGame, char* szOut);
void Build_Play_Text(const GameRecord* pGame, char* szOut);
void Append_Play_Line(const GameRecord* pGame, const char* szPrefix);
void Append_Period_Header(int nPeriod);
const char* Penalty_Name(int nPenalty);
