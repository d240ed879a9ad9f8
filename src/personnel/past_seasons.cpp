// A made-up past for a new player: he is taken back to his level of his first
// season, then each season up to now is played out from his predicted season
// with missed games, limited playing time and noise, and kept in his history.
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"

namespace {
// What a season's playing time does to his predicted figures, by position.
int Position_Factor(int nPosition) {
    switch (nPosition) {
    case POS_QB: return 600;
    case POS_RB: return 800;
    case POS_TE: return 400;
    case POS_WR: return 800;
    default: return 1000;
    }
}

// Per cent of playing time by seasons back, 0 the most recent. Further back
// than the table reaches he is taken as a regular.
int Playing_Time_Base(int nSeasonsBack) {
    static const int BASE[4] = {110, 90, 50, 10};
    return nSeasonsBack < 4 ? BASE[nSeasonsBack] : 90;
}

// A full pool or a full list simply leaves the season unrecorded.
void Add_Past_Season(TNUM nTeam, PNUM nPlayer, int nYear, int nExperience) {
    PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    int nEntry = 0;
    while (nEntry < HISTORY_ENTRIES && player.anHistory[nEntry] != -1) nEntry++;
    if (nEntry == HISTORY_ENTRIES) return;
    int nRecord = Allocate_History_Record();
    if (nRecord < 0) return;
    HistoryRecord& record = g_League.aHistory[nRecord];
    record.nYear = nYear;
    record.nExperience = nExperience;
    record.nTeam = (uint8_t)NO_TEAM;
    memcpy(record.anStats, player.anStats[PERIOD_THIS_SEASON], sizeof record.anStats);
    player.anHistory[nEntry] = nRecord;
}

void Play_Past_Season(TNUM nTeam, PNUM nPlayer, int nPosition, int nGrowth, int nSeasonsBack) {
    Copy_Player_Period(nTeam, nPlayer, PERIOD_PREDICTED, PERIOD_THIS_SEASON);
    int nMissed = Draw_Games_Missed();
    Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_THIS_SEASON, Position_Factor(nPosition) - nGrowth,
                                  DEVELOP_YOUTH);
    int nLess = Random(20);
    int nMore = Random(20);
    int nPlaying = Min(100, Playing_Time_Base(nSeasonsBack) + nMore - nLess);

    int nGames = 12 - nMissed;
    int nStarts = Ratio(nGames, nPlaying, 100);
    int nEffective = nStarts + Ratio(nGames - nStarts, 20, 100);
    if (nPosition == POS_WR) nEffective = Ratio(nEffective, 120, 100);
    int nScale = Ratio(1000, 16, nEffective);

    int32_t* s = g_League.aTeams[nTeam].aPlayers[nPlayer].anStats[PERIOD_THIS_SEASON];
    for (int i = 0; i < NUMBER_OF_COUNTERS; i++) {
        int nNoise = 0;
        if (i >= 2) {
            nNoise = Random(200);
            nNoise -= Random(200);
        }
        s[i] = Ratio(s[i], nNoise + 1000, nScale);
    }
    s[SS_GAMES] = nGames;
    s[SS_STARTS] = nStarts;
    Tidy_Drawn_Season(nPosition, s);
}
}  // namespace

int Draw_Games_Missed() {
    int r1 = Random(6), r2 = Random(6), r3 = Random(6), r4 = Random(6), r5 = Random(6);
    return Clamp(0, r1 + r5 - r2 - r3 - r4, MOST_GAMES_MISSED);
}

void Tidy_Drawn_Season(int nPosition, int32_t anCounters[NUMBER_OF_COUNTERS]) {
    int32_t* s = anCounters;
    if (nPosition == POS_T || nPosition == POS_G || nPosition == POS_C) {
        int nPenalties = s[SS_PENALTIES];
        s[SS_PENALTY_YARDS] = Round_To(Clamp(6 * nPenalties, s[SS_PENALTY_YARDS], 9 * nPenalties), 5);
    } else if (nPosition == POS_K || nPosition == POS_P) {
        for (int nTried = SS_PAT_ATTEMPTS; nTried <= SS_FGA_50_PLUS; nTried += 2)
            s[nTried + 1] = Min(s[nTried], s[nTried + 1]);
    }
}

void Generate_Past_Seasons(TNUM nTeam, PNUM nPlayer) {
    int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    int nExperience = Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE);
    int nPeakStart = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START);
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    int nGrowth = Ratio(50, 100, Get_Player_Vital_Stat(nTeam, nPlayer, VS_GROWTH_RATE));

    int nSeasons = nExperience + 5;
    int nPastPeak = nAge > nPeakStart ? nAge - nPeakStart : 0;
    Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, -nGrowth * (nSeasons - nPastPeak), DEVELOP_YOUTH);
    if (nExperience == -5 || nSeasons < 0) return;

    int nThisYear = Current_Calendar_Year();
    for (int k = 0; k < nSeasons; k++) {
        Play_Past_Season(nTeam, nPlayer, nPosition, nGrowth, nSeasons - 1 - k);
        Add_Past_Season(nTeam, nPlayer, nThisYear - nSeasons + k, k - 4);
        Clear_Player_Period(nTeam, nPlayer, PERIOD_THIS_SEASON);
        if (nAge - nSeasons + k < nPeakStart)
            Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, nGrowth, DEVELOP_YOUTH);
    }
}
