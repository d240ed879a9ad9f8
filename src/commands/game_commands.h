// The rules behind the window's commands that do not depend on the window:
// refusals while games are played, the update-check timing, the title line,
// the Play menu, the main window's shape and the pages' names.
#pragma once
#include <cstdint>
#include <string>

#include "database/league_database.h"  // the PAGE_ numbers

constexpr int PROGRAM_VERSION = 2187;  // 2.1.8.7

// Background picture of a page; the championship page picks one of three by
// the season's result, so it has none here (nullptr).
const char* Page_Background(int nPage);
const char* Page_Help_Topic(int nPage);  // "help/%s.htm" topic; "playing" for anything else
const char* Page_Help_Item(int nPage);   // Help menu text; nullptr when the page has none

// Commands refused while games are being simulated.
enum Refusal {
    REFUSE_NEW_GAME,
    REFUSE_RESUME_GAME,
    REFUSE_SAVE_GAME,
    REFUSE_RETIRE,
    REFUSE_EXIT_GAME,
};
const char* Refusal_Title(Refusal refusal);
const char* Refusal_Text(Refusal refusal);
// While GS_SIMULATING is set: show the refusal, ask the loop to stop after the
// current week, and return true (the command does nothing else).
bool Refuse_While_Simulating(Refusal refusal);

// Before the current game is left (New Game, Resume Game, Exit, closing the
// window): while the manager rating still counts, the warning that resuming
// later gives it up. True: leave.
bool Confirm_Leaving_Rated_Game();

// Trades are open while signings are (Signing_Window_Open); otherwise the
// notice is shown and the answer is false.
bool Check_Trading_Deadline();

// Update check at start: off when the switch word holds FS_NO_UPDATE_CHECK;
// otherwise due when the last check lies more than five days back or less
// than one day (a stored time in the future included).
bool Update_Check_Due(int64_t nNow, int32_t nLastCheckWord, int32_t nSwitchWord);
int32_t Update_Time_Word(int64_t nNow);

// "Brakvell: 2003, Week 5  (Playing...)" or, during a fantasy draft,
// "Fantasy Draft: Round 3, Pick 12" (round and pick passed from 0).
std::string Title_Line(int nFantasyRound = 0, int nFantasyPick = 0);

// The Play menu. nWeeks is the number of weeks a play command plays.
enum { PLAY_END_DRAFT = -1, PLAY_STOP = -2 };
struct PlayMenuEntry {
    const char* szText;
    int nWeeks;  // 1, 4, 8, 22, or PLAY_END_DRAFT / PLAY_STOP
};
constexpr int MAXIMUM_PLAY_ENTRIES = 4;
int Play_Menu_For(bool bSimulating, bool bDraftRunning, int nWeek, int nFirstPlayoffWeek,
                  PlayMenuEntry* pEntries);
int Play_Menu(PlayMenuEntry* pEntries);  // from the league's state
// "&End Draft": asked first; on Yes the computer makes every remaining pick
// and the new season is set up. True when the draft was ended.
bool End_Draft_Command();

// Main window rectangle in screen pixels (right and bottom exclusive).
struct WindowRect {
    int nLeft, nTop, nRight, nBottom;
    bool operator==(const WindowRect&) const = default;
};
enum DragEdge {
    DRAG_LEFT,
    DRAG_RIGHT,
    DRAG_TOP,
    DRAG_BOTTOM,
    DRAG_TOP_LEFT,
    DRAG_TOP_RIGHT,
    DRAG_BOTTOM_LEFT,
    DRAG_BOTTOM_RIGHT,
};
// The window keeps the page's proportions and never shrinks below
// nMinWidth x nMinHeight (the page area plus the frame around it).
WindowRect Apply_Aspect_Rule(WindowRect rect, DragEdge edge, int nMinWidth, int nMinHeight);
// A stored rectangle with right or bottom at 0 or below means "open maximised".
bool Saved_Rect_Usable(const WindowRect& rect);
WindowRect Saved_Window_Rect();  // words 164..167 of the permanent file
bool Store_Window_Rect(const WindowRect& rect);
