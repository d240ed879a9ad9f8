#include "season/schedule.h"

#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"

void Make_Season_Schedule() {
    int nTeams = Number_Of_Teams();
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) Clear_Scheduled_Games(nTeam, 0, SCHEDULE_SLOTS);
    if (nTeams == 32)
        Fill_NFL_Schedule(2002);
    else if (nTeams == 31)
        Fill_NFL_Schedule(2001);
    else
        Fill_Random_Schedule();
    Set_Playoff_Weeks();
}

void Set_Playoff_Weeks() {
    int nLastWeek = -1;
    for (int nWeek = SCHEDULE_SLOTS - 1; nWeek >= 0 && nLastWeek < 0; nWeek--)
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            if (Get_Schedule_Opponent(nTeam, nWeek) != NO_TEAM) {
                nLastWeek = nWeek;
                break;
            }
    for (int n = 0; n < PLAYOFF_WEEKS; n++) g_League.anCalendar[n] = nLastWeek + 1 + n;
}

int Last_Playoff_Week() { return First_Playoff_Week() + PLAYOFF_WEEKS - 1; }

bool Trades_Allowed() { return Current_Week() < TRADE_DEADLINE_WEEK; }

int Get_Kickoff_Time(TNUM nHomeTeam, int nWeek) {
    (void)nHomeTeam;  // every stadium keeps the same weekly pattern
    int nShift = ((Current_Calendar_Year() - 1994) % 7 + 7) % 7;
    int nDay = ((nWeek - nShift + 1) % 7 + 7) % 7;
    int nEarly = nDay == 0 ? 0 : nDay == 6 ? 90 : 100;
    int r = Random(100);
    if (r < nEarly / 2) return 100;
    if (r < nEarly) return 400;
    return 830;
}

int Schedule_Season_Game(TNUM nHomeTeam, TNUM nVisitingTeam, int nWeek) {
    if (!Schedule_Game(nHomeTeam, nVisitingTeam, nWeek)) return 0;
    int nTime = Get_Kickoff_Time(nHomeTeam, nWeek);
    Set_Schedule_Field(nHomeTeam, nWeek, SLOT_KICKOFF, nTime);
    Set_Schedule_Field(nVisitingTeam, nWeek, SLOT_KICKOFF, nTime);
    return 1;
}
