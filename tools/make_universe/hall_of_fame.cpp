// The hall of fame of a league with a past: retired stars with complete
// careers, in order of induction, all inducted before the first season.
#include <algorithm>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "player_parts.h"

namespace {
struct Legend {
    int nPosition;
    int nSeasons;    // seasons played
    int nLastSeason; // calendar year of the last one
    int nVotes;      // per cent
    int nPeakQuality;
};
const Legend LEGENDS[] = {
    {POS_LB, 14, 1998, 96, 1150}, {POS_T, 15, 2000, 86, 1050},  {POS_RB, 11, 2003, 94, 1100},
    {POS_TE, 13, 2006, 82, 1000}, {POS_QB, 16, 2009, 98, 1150}, {POS_K, 18, 2011, 77, 1000},
    {POS_WR, 14, 2012, 91, 1100}, {POS_DE, 13, 2015, 89, 1100}, {POS_CB, 12, 2017, 79, 1050},
};
constexpr int ENTRY_AGE = 22;
constexpr int WAITING_YEARS = 5; // after retiring
constexpr int SURE_VOTES = 85;   // fewer votes wait longer
constexpr int SEASONS_AT_ONE_TEAM_SPREAD = 4;

int Induction_Year(const Legend& legend) {
    int nYear = legend.nLastSeason + WAITING_YEARS;
    if (legend.nVotes < SURE_VOTES) nYear += (SURE_VOTES - legend.nVotes) / 2;
    return nYear;
}

void Induct(PNUM nSlot, const Legend& legend, const NameLists& names) {
    const TNUM nTeam = HALL_OF_FAME_TEAM;
    int nLastAge = ENTRY_AGE + legend.nSeasons - 1;
    // Members grow a year older every off-season after the one they retired in.
    int nAgeNow = nLastAge + UNIVERSE_START_YEAR - 1 - legend.nLastSeason;
    Make_Identity(nTeam, nSlot, legend.nPosition, nLastAge + 1, false,
                  names); // aging drawn for his playing days
    int nExperience = legend.nSeasons - 1;
    Set_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE, nExperience);

    // From his peak to the season after his last, along his own decline.
    int nQuality = legend.nPeakQuality;
    for (int nAge = Get_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_END); nAge <= nLastAge; nAge++)
        nQuality += Quality_Change(nTeam, nSlot, nAge);
    TNUM nFranchise = (TNUM)Random(Number_Of_Teams());
    int nTenure = legend.nSeasons - Random(SEASONS_AT_ONE_TEAM_SPREAD);
    TNUM nFormer = (TNUM)((nFranchise + 1 + Random(Number_Of_Teams() - 1)) % Number_Of_Teams());
    CareerPlan career{legend.nPosition, ROLE_STARTER,    nQuality,   legend.nLastSeason + 1,
                      nLastAge + 1,     legend.nSeasons, nFranchise, nTenure,
                      nFormer,          false,           false,      false};
    Make_Past_Seasons(nTeam, nSlot, career);
    career.nQuality = legend.nPeakQuality;
    Make_Predicted(nTeam, nSlot, career);
    Set_Forty_Yard_Time(nTeam, nSlot);
    TNUM nDraftTeam = nTenure >= legend.nSeasons ? nFranchise : nFormer;
    int nDraftPosition = Make_Draft_Record(nTeam, nSlot, nDraftTeam, legend.nLastSeason - nExperience,
                                           ROLE_STARTER, legend.nPeakQuality);
    Make_Contract(nTeam, nSlot, ROLE_STARTER, legend.nPeakQuality, nDraftPosition);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_LEFT, 0);

    // A member's age at entry replaces his peak start, and the two rates
    // become the year of induction and his share of the votes.
    Set_Player_Vital_Stat(nTeam, nSlot, VS_AGE, nAgeNow);
    Set_Random_Birth_Date(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_START, nLastAge - nExperience);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_DECLINE_RATE, Induction_Year(legend));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_GROWTH_RATE, legend.nVotes);
}
} // namespace

void Make_Hall_Of_Fame(const NameLists& names) {
    std::vector<Legend> legends(std::begin(LEGENDS), std::end(LEGENDS));
    std::stable_sort(legends.begin(), legends.end(),
                     [](const Legend& a, const Legend& b) { return Induction_Year(a) < Induction_Year(b); });
    for (size_t n = 0; n < legends.size(); n++)
        Induct((PNUM)n, legends[n], names);
}
