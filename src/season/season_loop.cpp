// The play menu's operation: week after week of games with the weekly upkeep,
// until the target week, the playoffs, the end of the season or a stop.
#include "season/season_loop.h"

#include <cstdio>

#include "base/random.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "finance/settlement.h"
#include "personnel/injuries.h"
#include "personnel/roster.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop_internal.h"
#include "season/standings.h"
#include "season/stored_games.h"
#include "simulation/game.h"
#include "trades/computer_trades.h"
#include "trades/roster_review.h"

namespace {
constexpr int NUMBER_OF_SEASON_WEEKS = SCHEDULE_SLOTS + PLAYOFF_WEEKS;  // more than any season has

bool s_bRunning = false;  // a pumped message must not start a second loop
int s_nTarget = 0;

int Free_Game_Record() {
    StoredGame game;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++)
        if (!Stored_Game_Teams_And_Score(nGame, &game)) return nGame;
    return -1;
}

void Play_Home_Game(TNUM nHome, int nWeek) {
    TNUM nVisitor = Get_Schedule_Opponent(nHome, nWeek);
    char szText[64];
    snprintf(szText, sizeof szText, "Play Game %d vs %d...", nHome, nVisitor);
    Open_Progress(szText, 1);
    int nGame = Free_Game_Record();
    if (nGame < 0) {
        Error_Log("No free game record in Play_The_Week(%d vs %d)", nHome, nVisitor);
    } else {
        Set_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD, nGame);
        Set_Schedule_Field(nVisitor, nWeek, SLOT_GAME_RECORD, nGame);
        Set_Game_State(GS_GAME_NUMBER, nGame);
        GameRecord* pGame = Get_Game_Record(nGame);
        if (Play_Game(nHome, nVisitor, nWeek, pGame)) {
            Order_Box_Score(pGame);
            Settle_Game_Finances(nHome, nVisitor, pGame->nAttendance);
            if (nWeek >= First_Playoff_Week()) Record_Playoff_Game(nGame);
        }
    }
    // Closing the window dispatches the waiting messages: a "Stop" gets in here.
    Close_Progress();
}

// Step 4 of the week, before the deadline: three attempts at a trade
// between computer-managed teams, and the week counted towards the offers
// made to a person's team after the run.
void Computer_Trades_Between_Teams() {
    if (Count_Computer_Managed_Teams() >= 2)
        for (int nRound = 0; nRound < COMPUTER_TRADE_ROUNDS_PER_WEEK; nRound++) Computer_Trade_Round();
    Set_Game_State(GS_TRADE_ACTIVITY, Get_Game_State(GS_TRADE_ACTIVITY) + TRADE_ACTIVITY_PER_WEEK);
}

void Open_Playoff_Week(int nWeek) {
    int nFirst = First_Playoff_Week();
    if (nWeek < nFirst) return;
    if (nWeek == nFirst) Fix_Playoff_Field();
    Schedule_Playoff_Week(nWeek);
    if (nWeek == nFirst && Get_Game_State(GS_CURRENT_PAGE) == PAGE_STANDINGS) Notify_Show_Page(PAGE_PLAYOFFS);
}

void Run_The_Weeks() {
    s_bRunning = true;
    Clear_Stop_Request();
    Set_Game_State(GS_SIMULATING, 1);
    Notify_Play_Menu();
    Notify_Title();
    while (Current_Week() < s_nTarget && !Stop_Requested()) {
        int nWeek = Current_Week();
        Play_The_Week();
        Heal_Injuries();
        Review_Computer_Rosters(nWeek);
        if (Trades_Allowed()) Computer_Trades_Between_Teams();
        Set_Game_State(GS_CURRENT_WEEK, nWeek + 1);
        Notify_Title();
        Open_Playoff_Week(nWeek + 1);
        Notify_Page();
    }
    Set_Game_State(GS_SIMULATING, 0);
    Clear_Stop_Request();
    s_bRunning = false;
}

// The regular season stops at the first playoff week; nothing goes past the playoffs.
int Target_Week(int nWeeks) {
    int nWeek = Current_Week(), nTarget = nWeek + Min(nWeeks, NUMBER_OF_SEASON_WEEKS);
    int nFirst = First_Playoff_Week();
    if (nWeek < nFirst && nTarget > nFirst) nTarget = nFirst;
    return Min(nTarget, Last_Playoff_Week() + 1);
}

void Report_Pending_Injury() {
    int nID = Get_Game_State(GS_PENDING_INJURY);
    if (nID == 0) return;
    TNUM nTeam;
    PNUM nPlayer;
    if (Find_Player_ID(nID, &nTeam, &nPlayer) && Notify_Injury_Report(nTeam, nPlayer)) {
        Set_Game_State(GS_PENDING_INJURY, 0);
        return;
    }
    Announce_Pending_Injury();
}

// A managed team won its division, reached its conference's final slot or the title.
bool Managed_Team_Won_Something() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Human_Managed(nTeam)) continue;
        if (Get_Team_Standing(nTeam) == 0 || Get_Team_Highest_Playoff_Slot(nTeam) >= 28) return true;
    }
    return false;
}
}  // namespace

void Play_Weeks(int nWeeks) {
    // While the draft runs the old season's schedule is still there: no week
    // is played until the draft has set up the new one.
    if (s_bRunning || nWeeks < 1 || College_Draft_Running()) return;
    Set_Game_State(GS_TRADE_ACTIVITY, 0);
    if (Get_Game_State(GS_COMMISSIONER) &&
        Ask_Yes_No("Commissioner Mode", "Would you like to turn commissioner mode off before proceeding to play games?") ==
            ANSWER_YES)
        Set_Game_State(GS_COMMISSIONER, 0);
    Auto_Save_Before_Play(nWeeks);
    s_nTarget = Target_Week(nWeeks);
    Organise_Computer_Teams();
    bool bWasOver = Season_Is_Over();
    if (bWasOver)
        Start_Next_Season();
    else
        Run_The_Weeks();
    Organise_Computer_Teams();
    Notify_Title();
    Report_Pending_Injury();
    Notify_Play_Menu();
    if (!bWasOver && Season_Is_Over() && Managed_Team_Won_Something()) Notify_Show_Page(PAGE_CHAMPIONSHIP);
    if (Trades_Allowed()) Computer_Trade_Proposals();
}

void Play_The_Week() {
    int nWeek = Current_Week();
    // The last playoff weeks can lie past the schedule slots; they have no games.
    if (nWeek >= 0 && nWeek < SCHEDULE_SLOTS)
        for (TNUM nHome = 0; nHome < NUMBER_OF_FRANCHISES; nHome++)
            if (Valid_Team(nHome) && Get_Schedule_Kind(nHome, nWeek) == SLOT_FIRST_NAMED) Play_Home_Game(nHome, nWeek);
    Recompute_Standings();
}

void Stop_Season_Loop() {
    if (s_bRunning) s_nTarget = Current_Week();
}
