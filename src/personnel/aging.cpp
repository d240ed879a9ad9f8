// A player's year. Every draw happens in the same order whatever the branch,
// so that a league's future depends on its seed alone.
#include "personnel/aging.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/contracts.h"
#include "personnel/injuries.h"
#include "personnel/ratings.h"
#include "personnel/renewal.h"
#include "platform/platform.h"

namespace {
AgingTally g_Tally = {};

constexpr int STAR_VALUE = 3000;          // in his prime, above this he may be pulled back
constexpr int HALL_OF_FAME_SEASONS = 10;  // the fewest seasons a candidate has played
constexpr int HALL_OF_FAME_LINE = 74;     // a score above it inducts
constexpr int CERTAIN_VOTES = 85;         // from here the wait is the shortest
constexpr int INDUCTION_WAIT = 5;         // years from retirement to the first induction

int Vital(TNUM nTeam, PNUM nPlayer, int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); }

// One more season in the league, or his first once he has played a game.
int Next_Experience(TNUM nTeam, PNUM nPlayer, int nExperience) {
    if (nExperience > 0) return nExperience + 1;
    if (Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_CAREER, SS_GAMES) > 0) return 1;
    return nExperience;
}
}  // namespace

int Yearly_Growth_Amount(TNUM nTeam, PNUM nPlayer) {
    int nAge = Vital(nTeam, nPlayer, VS_AGE);
    int nPeakStart = Vital(nTeam, nPlayer, VS_PEAK_START);
    int nPeakEnd = Vital(nTeam, nPlayer, VS_PEAK_END);
    int nTrend = 0;
    if (nAge < nPeakStart)
        nTrend = Ratio(50, 100, Vital(nTeam, nPlayer, VS_GROWTH_RATE));
    else if (nAge > nPeakEnd)
        nTrend = Ratio(30, (nPeakEnd - nAge) * 100, Vital(nTeam, nPlayer, VS_DECLINE_RATE));
    int nNoise = Random(16);
    nNoise -= Random(16);
    return nTrend + nNoise;
}

void Yearly_Development(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    int nAge = Vital(nTeam, nPlayer, VS_AGE);
    int nChange = Yearly_Growth_Amount(nTeam, nPlayer);
    if (nAge < Vital(nTeam, nPlayer, VS_PEAK_START)) {
        Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, nChange, DEVELOP_YOUTH);
    } else if (nAge > Vital(nTeam, nPlayer, VS_PEAK_END)) {
        Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, nChange, DEVELOP_VETERAN);
    } else {
        // In his prime the curve is flat; only a star is pulled back, the
        // more often the further he stands above the field.
        int v = Player_Current_Value(nTeam, nPlayer);
        if (v <= STAR_VALUE) return;
        int k = (v - STAR_VALUE) / 50;
        int w = Random(1000);
        if (w < k) Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, w - k, DEVELOP_GENERAL);
    }
}

bool Stays_In_Football(int nAge, int nValue, int nLimit) {
    return nAge < nLimit || (int64_t)nValue + 2000 >= (int64_t)(nAge - nLimit) * 1000;
}

int Season_End_Step(TNUM nTeam, PNUM nPlayer) {
    // Nobody in the slot: nothing moved up, the caller goes on.
    if (!Is_Valid_Player(nTeam, nPlayer)) return 1;
    int nAge = Vital(nTeam, nPlayer, VS_AGE);
    int nLeft = Vital(nTeam, nPlayer, VS_CONTRACT_LEFT);
    int nBonus = Vital(nTeam, nPlayer, VS_BONUS);
    int nExperience = Vital(nTeam, nPlayer, VS_EXPERIENCE);
    Yearly_Development(nTeam, nPlayer);

    bool bFranchise = nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES;
    int nLimit = bFranchise ? FRANCHISE_RETIREMENT_AGE : FREE_AGENT_RETIREMENT_AGE;
    int v = Player_Current_Value(nTeam, nPlayer);
    if (!Stays_In_Football(nAge, v, nLimit)) {
        Retire_Player(nTeam, nPlayer);
        return 0;
    }

    Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, nAge + 1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS, 0);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, NO_INJURY);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE, Next_Experience(nTeam, nPlayer, nExperience));

    if (bFranchise) {
        if (nLeft < 2) {
            int nStays = Check_Renew_Contract(nTeam, nPlayer);
            if (nStays && Vital(nTeam, nPlayer, VS_CONTRACT_LEFT) < 1)
                Error_Log("Check_Renew_Contract yielded zero or negative contract length.");
            if (!nStays) g_Tally.nReleases++;
            return nStays;
        }
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nLeft - 1);
        if (nBonus != 0) Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus / nLeft);
        return 1;
    }

    // A free agent's price follows his new age; a year older he may be past
    // the pool's limit after all.
    Compute_Asking_Salary(nTeam, nPlayer);
    if (Stays_In_Football(nAge + 1, v, nLimit)) return 1;
    Retire_Player(nTeam, nPlayer);
    return 0;
}

int Hall_Of_Fame_Score(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    auto career = [&](int nStat) { return (int64_t)Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_CAREER, nStat); };
    int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
    int64_t nScore = 0;
    if (Position_Side(nPosition) == SIDE_OFFENCE) {
        // Linemen read the same counters, whatever they hold for them.
        nScore = (career(SS_PASS_YARDS) / 2 + career(SS_SCRIMMAGE_YARDS) + 10 * career(SS_PASS_TD) +
                  20 * career(SS_RUSH_TD) + 30 * career(SS_RECEIVING_TD)) /
                 300;
    } else if (Position_Side(nPosition) == SIDE_DEFENCE) {
        nScore = Player_Season_Value(nTeam, nPlayer, PERIOD_CAREER) / 300;
    }
    return (int)(nScore + 3 * (int64_t)Vital(nTeam, nPlayer, VS_FAME_MERIT));
}

PNUM Induct_Into_Hall_Of_Fame(TNUM nTeam, PNUM nPlayer, int nVotes) {
    if (!Is_Valid_Player(nTeam, nPlayer) || nTeam == HALL_OF_FAME_TEAM) return NO_PLAYER;
    int nYear = Current_Calendar_Year() + INDUCTION_WAIT;
    if (nVotes < CERTAIN_VOTES) nYear += (CERTAIN_VOTES - nVotes) / 2;

    Compact_Team(HALL_OF_FAME_TEAM);
    // A full hall loses its earliest member: the one longest in it, never
    // one still waiting for his year. His history goes back to the pool.
    if (Is_Valid_Player(HALL_OF_FAME_TEAM, (PNUM)(HALL_OF_FAME_SIZE - 1))) Delete_Player(HALL_OF_FAME_TEAM, 0);

    PNUM nInsert = 0;
    while (nInsert < HALL_OF_FAME_SIZE - 1 && Is_Valid_Player(HALL_OF_FAME_TEAM, nInsert) &&
           Vital(HALL_OF_FAME_TEAM, nInsert, VS_YEAR_INDUCTED) <= nYear)
        nInsert++;
    // The empty slot after the last member bubbles up to the insertion point.
    for (int nSlot = Number_Of_Players(HALL_OF_FAME_TEAM); nSlot > nInsert; nSlot--)
        Swap_Players(HALL_OF_FAME_TEAM, (PNUM)nSlot, HALL_OF_FAME_TEAM, (PNUM)(nSlot - 1));
    Copy_Player(HALL_OF_FAME_TEAM, nInsert, nTeam, nPlayer);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nInsert, VS_YEAR_INDUCTED, nYear);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nInsert, VS_VOTES, nVotes);
    g_Tally.nInductions++;
    return nInsert;
}

void Retire_Player(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    int nAge = Vital(nTeam, nPlayer, VS_AGE);
    int nExperience = Vital(nTeam, nPlayer, VS_EXPERIENCE);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START, nAge - nExperience);  // the age he came into the league

    bool bInducted = false;
    if (nExperience >= HALL_OF_FAME_SEASONS) {
        int nScore = Hall_Of_Fame_Score(nTeam, nPlayer);
        if (nScore > HALL_OF_FAME_LINE)
            bInducted = Induct_Into_Hall_Of_Fame(nTeam, nPlayer, Min(100, (nScore - 75) / 2 + 75)) != NO_PLAYER;
    }
    if (Human_Managed(nTeam) && nTeam == Get_Game_State(GS_MANAGED_TEAM)) {
        char szName[FULL_NAME_WIDTH + 1];
        Get_Player_Full_Name(nTeam, nPlayer, szName);
        Message_Box("Retiring Player", "%s is retiring from football at the age of %d.", szName, nAge);
    }
    g_Tally.nRetirements++;
    // The hall-of-fame copy owns his history now: only the slot is closed.
    if (bInducted)
        Remove_Player(nTeam, nPlayer);
    else
        Delete_Player(nTeam, nPlayer);
}

void Reset_Aging_Tally() { g_Tally = {}; }

AgingTally Get_Aging_Tally() { return g_Tally; }
