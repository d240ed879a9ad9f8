// From the final to the next season: the question about expiring contracts,
// the off-season in its fixed order, and the automatic save.
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "finance/finance.h"
#include "personnel/aging.h"
#include "personnel/ratings.h"
#include "platform/platform.h"
#include "season/college_draft.h"
#include "season/playoffs.h"
#include "season/season_loop.h"
#include "season/season_loop_internal.h"
#include "season/standings.h"
#include "trades/roster_review.h"

namespace {

bool Managed_Contracts_Expiring() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Human_Managed(nTeam)) continue;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer) && Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT) <= 1)
                return true;
    }
    return false;
}

// The finish of every franchise goes into its season record and its money
// rolls over, while the finished season is still the current one.
void Close_Season_Books() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int nPlace = Get_Team_Standing(nTeam);
        Finance_Season_End(nTeam, nPlace == NO_TEAM ? DIVISION_PLACES : nPlace);
    }
}

void Age_Hall_Of_Fame() {
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        if (Is_Valid_Player(HALL_OF_FAME_TEAM, nPlayer))
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nPlayer, VS_AGE,
                                  Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nPlayer, VS_AGE) + 1);
}

// The season end of every player of a team, slot by slot: a slot is looked
// at again when its player left, because the later players moved up.
void Season_End_Of_Team(TNUM nTeam) {
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM;) {
        if (!Is_Valid_Player(nTeam, nPlayer)) {
            nPlayer++;
            continue;
        }
        int nID = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID);
        if (Season_End_Step(nTeam, nPlayer) == 1 || Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID) == nID)
            nPlayer++;
    }
}
}  // namespace

// Steps 2 to 6 of the off-season: the free agents, the hall of fame's year,
// the person's teams, then inside the progress window (left open for the
// steps after) the computer's teams.
void Retirements_And_Renewals() {
    Reset_Aging_Tally();
    Season_End_Of_Team(FREE_AGENT_TEAM);
    Age_Hall_Of_Fame();
    int nComputerTeams = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        if (Human_Managed(nTeam))
            Season_End_Of_Team(nTeam);
        else
            nComputerTeams++;
    }
    Open_Progress("Processing Offseason...", 100);
    Step_Progress(1);
    int nStep = nComputerTeams > 0 ? 99 / nComputerTeams : 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam) || Human_Managed(nTeam)) continue;
        Season_End_Of_Team(nTeam);
        Computer_Offseason_Roster_Work(nTeam);
        Step_Progress(nStep);
    }
    Step_Progress(99 - nStep * nComputerTeams);
}

namespace {

void Roll_Over_Statistics() {
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer))
                Copy_Player_Period(nTeam, nPlayer, PERIOD_THIS_SEASON, PERIOD_LAST_SEASON);
    Clear_All_Players_Period(PERIOD_THIS_SEASON);
}

// Losing teams' players improve, winners' fall back: stronger on harder levels.
void Team_Based_Development() {
    int nDivisor = 20 - 3 * Get_Game_State(GS_DIFFICULTY);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int nAmount = nDivisor > 0 ? (500 - Get_Team_Winning_Percentage(nTeam)) / nDivisor : 0;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer))
                Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, nAmount, DEVELOP_GENERAL);
    }
}
}  // namespace

bool Start_Next_Season() {
    if (Current_Season_Index() + 1 >= NUMBER_OF_SEASONS) {
        Message_Box("Start New Season", "This league's records hold %d seasons, and all of them have been played.",
                    NUMBER_OF_SEASONS);
        return false;
    }
    if (Managed_Contracts_Expiring() &&
        Ask_Yes_No("Start New Season",
                   "Your team(s) have players with expiring contracts. You should renegotiate these contracts before "
                   "starting a new season (especially if you are close to the salary cap), or you may lose important "
                   "players. Start a new season anyway?") != ANSWER_YES)
        return false;
    Process_Offseason();
    Save_New_Season_Game();
    return true;
}

void Process_Offseason() {
    Set_Season_Outcome_Levels();
    Notify_Season_Reports();
    Close_Season_Books();
    Retirements_And_Renewals();
    Roll_Over_Statistics();
    Team_Based_Development();
    Close_Progress();
    Set_Game_State(GS_SEASON_INDEX, Current_Season_Index() + 1);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Start_College_Draft();
}
