// The set-up of a new season, after the college draft or for a new game.
#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "personnel/development_shift.h"
#include "personnel/player_creation.h"
#include "platform/platform.h"
#include "season/college_draft.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "season/season_loop_internal.h"
#include "season/standings.h"
#include "trades/free_agent_signing.h"

namespace {
constexpr int DRAFTS = 3, ROUNDS = 7;

// Each draft's pick ownership moves one season closer; the newest draft
// starts with every team owning its own picks.
void Advance_Draft_Pick_Years() {
    for (int nDraft = 0; nDraft + 1 < DRAFTS; nDraft++)
        memcpy(g_League.abDraftPicks[nDraft], g_League.abDraftPicks[nDraft + 1], sizeof g_League.abDraftPicks[0]);
    for (int nRound = 0; nRound < ROUNDS; nRound++)
        for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
            g_League.abDraftPicks[DRAFTS - 1][nRound][nTeam] = (uint8_t)nTeam;
}

void Clear_Stored_Games() { memset(g_League.aGames, 0, sizeof g_League.aGames); }

// Step 4: the computer signing round of free agents, then the undrafted
// prospects join the pool.
void Sign_Free_Agents_And_Prospects() {
    Computer_Signing_Round();
    Move_Undrafted_Prospects();
}

void Open_Franchise_Histories() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Open_History_Record(nTeam, nPlayer, true);
}
}  // namespace

void Set_Up_New_Season(int nKind) {
    char szCaption[64];
    snprintf(szCaption, sizeof szCaption, "Setting up %d season...", Current_Calendar_Year());
    Open_Progress(szCaption, 100);
    Advance_Draft_Pick_Years();
    Clear_Stored_Games();
    Clear_Team_Totals();
    // A new game has had no draft: its league starts from its rosters as they are.
    if (nKind == SEASON_AFTER_OFFSEASON) Sign_Free_Agents_And_Prospects();
    // The money's year-end bookkeeping ran at the season's close, before the
    // season index moved on.
    Step_Progress(20);
    Clear_Playoff_Slots();
    if (!Get_League_Rule(LR_FIXED_AGING)) {
        if (nKind == SEASON_OF_NEW_GAME)
            Random_Development_Shift();
        else
            Random_Yearly_Fluctuation();
    }
    Step_Progress(20);
    Fill_Free_Agent_Pool();
    Sort_Free_Agents();
    Step_Progress(20);
    Make_Season_Schedule();
    Recompute_Standings();
    Notify_Show_Page(PAGE_STANDINGS);
    Step_Progress(20);
    Open_Franchise_Histories();
    // Without the default league's moulds, new players of the coming season
    // are modelled on the league as it now stands, the same whether or not
    // the game is saved and taken up again.
    Renew_Template_Pool();
    Step_Progress(20);
    Close_Progress();
}
