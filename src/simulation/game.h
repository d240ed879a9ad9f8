// One game, play by play.
#pragma once
#include "database/player.h"
#include "simulation/game_record.h"

// Plays the game between nHome and nVisitor into pGame (zeroed first):
// set-up, every snap, the play-by-play file and the result in the standings.
// 0 when the record is missing or a team code is bad.
int Play_Game(TNUM nHome, TNUM nVisitor, int nWeek, GameRecord* pGame);

// Whether Play_Game writes "Output/G-yy-nnn.txt" (on by default).
void Set_Play_By_Play_File(bool bWrite);

// The play-by-play text of the game being played (or just played, until the
// next game starts).
const char* Play_By_Play_Text();

// Formations and lineups.
void Set_Team_Formations(GameRecord* pGame);
void Fill_Lineup(GameRecord* pGame, int nSide);
// The depth chart's entry after the positions: the kick returner at depth 0,
// the punt returner at depth 1.
constexpr int CHART_RETURNER = NUMBER_OF_POSITIONS;
// A player slot for (position, depth); pUsed (11 slots, NO_PLAYER = free) may be null.
PNUM Get_Team_Position(TNUM nTeam, int nPosition, int nDepth, PNUM* pUsed, int nLevel);
int Kicker_Range(GameRecord* pGame);
bool Garbage_Time(const GameRecord* pGame);
bool Offence_Hurrying(const GameRecord* pGame);
bool Go_For_Two(int nMargin);
// Fourth down: go for it with nToGo to go at nBall when the kicker reaches nK.
bool Go_For_It(int nK, int nBall, int nToGo);

// Statistics. A credit goes to the players of one group (GROUP_SKILL..
// GROUP_KICKERS) or of these; the others get nothing.
enum {
    ANY_GROUP = -1,
    RETURNING_GROUPS = 4,  // backs, receivers and defenders
};
void Increment_Stat(GameRecord* pGame, TNUM nTeam, PNUM nSlot, int nGroup, int nStat, int nAmount);
void Credit_Regular_Season_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount);
void Credit_Game_Starters(GameRecord* pGame);
void Order_Box_Score(GameRecord* pGame);

// The pass outcomes, in the order of their weights.
enum { PASS_INCOMPLETE, PASS_COMPLETE, PASS_INTERCEPTED, PASS_SACKED, PASS_KNOCKED_DOWN, PASS_OUTCOMES };
void Do_Pass_Result(GameRecord* pGame, PNUM nTarget, int nOutcome, int nLength);

// The returner assigned at place nIndex of the eligible list (RB, WR, CB in
// roster order) becomes the team's KICK_RETURNER or PUNT_RETURNER.
PNUM Get_Eligible_Returner(TNUM nTeam, int nIndex);
void Choose_Team_Returner(TNUM nTeam, int nKind, int nIndex);
