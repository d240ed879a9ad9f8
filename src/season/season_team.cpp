// Raw access to the team data until the team record accessors are available;
// each function here is meant to become a one-line call into them.
#include "season/season_team.h"

#include <cstring>

namespace {
enum { YR_WINS, YR_LOSSES, YR_TIES, YR_FINAL_RANK = 10, YR_OUTCOME = 11 };
enum { SLOT_OPPONENT, SLOT_KICKOFF, SLOT_DATE, SLOT_GAME_RECORD };

bool Franchise(TNUM nTeam) { return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES; }
bool Week_In_Range(int nWeek) { return nWeek >= 0 && nWeek < SCHEDULE_SLOTS; }

int Record_Field(TNUM nTeam, int nField) {
    int nYear = Current_Season_Index();
    if (!Franchise(nTeam) || nYear < 0 || nYear >= NUMBER_OF_SEASONS) return 0;
    return g_League.aTeams[nTeam].data.anYearly[nYear][nField];
}

void Set_Record_Field(TNUM nTeam, int nField, int nValue) {
    int nYear = Current_Season_Index();
    if (!Franchise(nTeam) || nYear < 0 || nYear >= NUMBER_OF_SEASONS) return;
    g_League.aTeams[nTeam].data.anYearly[nYear][nField] = nValue;
}

int32_t* Slot(TNUM nTeam, int nWeek) { return g_League.aTeams[nTeam].data.anSchedule[nWeek]; }
}  // namespace

int Season_Team_Wins(TNUM nTeam) { return Record_Field(nTeam, YR_WINS); }
int Season_Team_Losses(TNUM nTeam) { return Record_Field(nTeam, YR_LOSSES); }
int Season_Team_Ties(TNUM nTeam) { return Record_Field(nTeam, YR_TIES); }
void Season_Set_Team_Final_Rank(TNUM nTeam, int nRank) { Set_Record_Field(nTeam, YR_FINAL_RANK, nRank); }
int Season_Get_Team_Final_Rank(TNUM nTeam) { return Record_Field(nTeam, YR_FINAL_RANK); }
void Season_Set_Team_Outcome_Level(TNUM nTeam, int nLevel) { Set_Record_Field(nTeam, YR_OUTCOME, nLevel); }

int Season_Outcome_Level_Of(int nDivisionPlace, int nPlayoffSlot) {
    if (nPlayoffSlot == 30) return 8;
    if (nPlayoffSlot == 28 || nPlayoffSlot == 29) return 7;
    if (nPlayoffSlot >= 16 && nPlayoffSlot <= 27) return 6;
    if (nDivisionPlace == 0) return 5;
    if (nPlayoffSlot >= 0) return 4;
    if (nDivisionPlace >= 1 && nDivisionPlace <= 3) return 4 - nDivisionPlace;
    return 0;
}

int Season_Schedule_Game(TNUM nTeamA, TNUM nTeamB, int nWeek) {
    if (!Franchise(nTeamA) || !Franchise(nTeamB) || !Week_In_Range(nWeek)) return 0;
    if (Slot(nTeamA, nWeek)[SLOT_OPPONENT] != 0 || Slot(nTeamB, nWeek)[SLOT_OPPONENT] != 0) return 0;
    Slot(nTeamA, nWeek)[SLOT_OPPONENT] = nTeamB + 1;
    Slot(nTeamB, nWeek)[SLOT_OPPONENT] = -(nTeamA + 1);
    Slot(nTeamA, nWeek)[SLOT_DATE] = nWeek * 7 + 243;
    Slot(nTeamB, nWeek)[SLOT_DATE] = nWeek * 7 + 243;
    return 1;
}

void Season_Clear_Scheduled_Games(TNUM nTeam, int nFirstWeek, int nEndWeek) {
    if (!Franchise(nTeam)) return;
    for (int nWeek = nFirstWeek; nWeek < nEndWeek; nWeek++)
        if (Week_In_Range(nWeek)) memset(Slot(nTeam, nWeek), 0, 4 * sizeof(int32_t));
}

TNUM Season_Schedule_Opponent(TNUM nTeam, int nWeek) {
    if (!Franchise(nTeam) || !Week_In_Range(nWeek)) return NO_TEAM;
    int nEntry = Slot(nTeam, nWeek)[SLOT_OPPONENT];
    if (nEntry == 0) return NO_TEAM;
    return (TNUM)((nEntry > 0 ? nEntry : -nEntry) - 1);
}

bool Season_Is_Home_Game(TNUM nTeam, int nWeek) {
    return Franchise(nTeam) && Week_In_Range(nWeek) && Slot(nTeam, nWeek)[SLOT_OPPONENT] > 0;
}

void Season_Set_Kickoff_Time(TNUM nTeam, int nWeek, int nTime) {
    if (Franchise(nTeam) && Week_In_Range(nWeek)) Slot(nTeam, nWeek)[SLOT_KICKOFF] = nTime;
}

int Season_Get_Kickoff_Time(TNUM nTeam, int nWeek) {
    return Franchise(nTeam) && Week_In_Range(nWeek) ? Slot(nTeam, nWeek)[SLOT_KICKOFF] : 0;
}
