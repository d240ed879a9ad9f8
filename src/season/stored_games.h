// The few fields of a stored game record the standings read. Kept in one
// place so that the game record's own layout can take over later.
#pragma once
#include "database/league_database.h"

struct StoredGame {
    TNUM nVisitor, nHome;
    int nVisitorScore, nHomeScore;
    int nWeek;  // the league week the game was played in
};

// False for an index outside the table or a blank record (a team against itself).
bool Stored_Game_Teams_And_Score(int nGame, StoredGame* pGame);
// How the team's game in a schedule slot ended: GAME_NOT_PLAYED when the slot
// holds no game with a stored result.
int Slot_Game_Result(TNUM nTeam, int nSlot);
// Tests and tools: fill the same fields of a record.
void Set_Stored_Game(int nGame, TNUM nVisitor, TNUM nHome, int nVisitorScore, int nHomeScore, int nWeek);
