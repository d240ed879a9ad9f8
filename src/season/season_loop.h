// The season calendar: the play menu's one operation, playing N weeks with
// the weekly upkeep, and the turn of the season.
#pragma once
#include "database/league_database.h"

// What the loop tells the window while it runs. Any hook may be null; the
// headless tool leaves them all null.
struct SeasonLoopObserver {
    void (*pRedraw_Title)();            // the week changed or the flag did
    void (*pRedraw_Page)();             // after every week
    void (*pShow_Page)(int nPage);      // playoffs on the first playoff week, championship at the end
    void (*pPlay_Menu_Changed)();       // the simulating flag or the calendar moved
    void (*pInjury_Report)(TNUM nTeam, PNUM nPlayer);  // a managed team's player badly hurt
};
void Set_Season_Loop_Observer(const SeasonLoopObserver& observer);

// The off-season writes the season's text reports through this hook: the
// reports sit above the season. Install_Core_Hooks sets it; null writes none.
void Set_Season_Report_Hook(void (*pWrite_Reports)());

// Play N weeks (1, 4, 8 or 22). When the season is over this starts the next.
void Play_Weeks(int nWeeks);
// One week's games and the standings after them.
void Play_The_Week();
// "&Stop": the loop ends when the week being played is finished.
void Stop_Season_Loop();

// Between the final and the next season: the question about expiring
// contracts, the off-season, the automatic save. False when the user declined.
bool Start_Next_Season();
void Process_Offseason();
// Steps 2 to 6 of the off-season: every season-end step of the free agents,
// the person's teams and the computer's; the last inside the progress window
// "Processing Offseason...", which it leaves open for the steps after.
void Retirements_And_Renewals();
// The set-up of a new season: playoff slots emptied, development, the
// free-agent pool filled, the schedule, the standings, history records.
// A new game's league shifts every player; a season after an off-season
// only the franchises' players.
enum { SEASON_AFTER_OFFSEASON, SEASON_OF_NEW_GAME };
void Set_Up_New_Season(int nKind = SEASON_AFTER_OFFSEASON);
