// The Games page: which stored game it shows (setting 19, -1 none), moving
// between games and weeks, the team statistics and star lines of the box
// score, and the scroll position of the play-by-play (setting 20).
#pragma once
#include "database/league_database.h"
#include "database/text_format.h"
#include "simulation/game_record.h"

constexpr int NO_GAME = -1;

// A stored game that was played: two different teams in use.
bool Game_Was_Played(int nGame);
// The game the page shows, NO_GAME when setting 19 names none.
int Games_Page_Game();
// The latest played game of the team (by season and week, then by record), NO_GAME without one.
int Most_Recent_Game(TNUM nTeam);

// Opening the page: the most recent game of the team in setting 28. Without
// one the notice "No Games Played" is shown and false returned (the page does
// not change).
bool Open_Games_Page();
// Shows the game from the top of its play-by-play; a missing play-by-play
// file is reported once here, not at every drawing.
void Select_Game(int nGame);

enum { MOVE_PREVIOUS_GAME, MOVE_NEXT_GAME, MOVE_PREVIOUS_WEEK, MOVE_NEXT_WEEK, NUMBER_OF_MOVES };
const char* Game_Move_Text(int nMove); // "< Game", "Game >", "< Week", "Week >"
// Where a move leads from the shown game: the neighbouring record, or the
// first game of the nearest earlier or later week. NO_GAME at either end.
int Game_Move_Target(int nMove);
bool Move_Game(int nMove); // true when the shown game changed

// The team statistics, visitors in column 0 and the home team in column 1.
constexpr int GAME_STAT_LINES = 12;
struct GameStatLine {
    const char* szLabel;
    char aszValue[SIDES][TEXT_SIZE];
};
void Get_Game_Stat_Lines(const GameRecord* pGame, GameStatLine* aLines);
int Scoring_Plays(const GameRecord* pGame, int nSide);

// Star lines: the box-score lines of one side, best first, as
// "%d Rushes  %d Yards, %d TD" and the like; lines with nothing to tell are left out.
struct StarLine {
    char szName[TEXT_SIZE];
    char szStats[TEXT_SIZE];
};
int Get_Star_Lines(const GameRecord* pGame, int nSide, StarLine* aLines, int nMaximum);

// "Week 3: September 22"
void Get_Game_Heading(const GameRecord* pGame, char* szOut);
// Helmet pictures "helmets\helmet%d%s.jpg": the normal view or, with
// bSecond, the second one ("a").
void Get_Helmet_Picture(TNUM nTeam, bool bSecond, char* szOut);

// Scrolling: the first play-by-play line shown, kept within the text.
int Games_Scroll();
bool Scroll_Play_By_Play(int nDelta, int nLines, int nVisible); // true when it moved
