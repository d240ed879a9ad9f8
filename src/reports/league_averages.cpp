#include "reports/league_averages.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"

namespace {
struct AverageInfo {
    const char* szKey;
    int nReference;  // hundredths
};
const AverageInfo AVERAGES[NUMBER_OF_LEAGUE_AVERAGES] = {
    {"points", 2170},      {"total_yards", 32800}, {"pass_att", 3380}, {"cmp_pct", 5960},  {"rush_att", 2750},
    {"ypc", 420},          {"int", 103},           {"sacks", 230},     {"fumbles_lost", 78}, {"punts", 480},
    {"fg_pct", 7750},      {"xp_pct", 9860},       {"penalties", 650}, {"home_win_pct", 5800}, {"ot_pct", 980},
};

void Add_Team_Sums(TNUM nTeam, LeagueSums* p) {
    auto total = [&](int nLine, int nStat) { return Get_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat); };
    p->nTeamGames += Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam) +
                     Get_Team_Playoff_Wins(nTeam) + Get_Team_Playoff_Losses(nTeam);
    p->nPassAttempts += total(LINE_OFFENCE, SS_PASS_ATTEMPTS);
    p->nCompletions += total(LINE_OFFENCE, SS_COMPLETIONS);
    p->nInterceptions += total(LINE_OFFENCE, SS_INTERCEPTIONS_THROWN);
    p->nPassYards += total(LINE_OFFENCE, SS_PASS_YARDS);
    p->nRushes += total(LINE_OFFENCE, SS_RUSHES);
    p->nRushYards += total(LINE_OFFENCE, SS_RUSH_YARDS);
    p->nFumblesLost += total(LINE_OFFENCE, SS_FUMBLES);  // every fumble the game makes is lost
    p->nHalfSacks += total(LINE_DEFENCE, SS_SACKS);
    p->nPunts += total(LINE_KICKERS, SS_PUNTS);
    p->nExtraPointTries += total(LINE_KICKERS, SS_PAT_ATTEMPTS);
    p->nExtraPoints += total(LINE_KICKERS, SS_PAT_MADE);
    for (int nStat = SS_FGA_UNDER_30; nStat <= SS_FGA_50_PLUS; nStat += 2) {  // each try, then its made
        p->nFieldGoalTries += total(LINE_KICKERS, nStat);
        p->nFieldGoals += total(LINE_KICKERS, nStat + 1);
    }
}

void Add_Game_Sums(int nGame, LeagueSums* p) {
    StoredGame game;
    if (!Stored_Game_Teams_And_Score(nGame, &game) || !Valid_Team(game.nHome) || !Valid_Team(game.nVisitor)) return;
    const GameRecord* pRecord = Get_Game_Record(nGame);
    p->nPoints += game.nHomeScore + game.nVisitorScore;
    p->nPenalties += pRecord->anTeamStats[0][TG_PENALTIES] + pRecord->anTeamStats[1][TG_PENALTIES];
    if (game.nWeek >= First_Playoff_Week()) return;
    p->nRegularGames++;
    if (game.nHomeScore > game.nVisitorScore) p->nHomeWins++;
    if (game.nHomeScore == game.nVisitorScore) p->nHomeTies++;
    if (Game_Elapsed(pRecord) > 3600) p->nOvertimeGames++;
}
}  // namespace

void Add_Season_Sums(LeagueSums* pSums) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Add_Team_Sums(nTeam, pSums);
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) Add_Game_Sums(nGame, pSums);
}

int League_Average(const LeagueSums& s, int nAverage) {
    int g = s.nTeamGames;
    switch (nAverage) {
    case LA_POINTS: return Ratio(100, s.nPoints, g);
    case LA_TOTAL_YARDS: return Ratio(100, s.nPassYards + s.nRushYards, g);
    case LA_PASS_ATTEMPTS: return Ratio(100, s.nPassAttempts, g);
    case LA_COMPLETION_PCT: return Ratio(10000, s.nCompletions, s.nPassAttempts);
    case LA_RUSH_ATTEMPTS: return Ratio(100, s.nRushes, g);
    case LA_YARDS_PER_CARRY: return Ratio(100, s.nRushYards, s.nRushes);
    case LA_INTERCEPTIONS: return Ratio(100, s.nInterceptions, g);
    case LA_SACKS: return Ratio(50, s.nHalfSacks, g);
    case LA_FUMBLES_LOST: return Ratio(100, s.nFumblesLost, g);
    case LA_PUNTS: return Ratio(100, s.nPunts, g);
    case LA_FIELD_GOAL_PCT: return Ratio(10000, s.nFieldGoals, s.nFieldGoalTries);
    case LA_EXTRA_POINT_PCT: return Ratio(10000, s.nExtraPoints, s.nExtraPointTries);
    case LA_PENALTIES: return Ratio(100, s.nPenalties, g);
    case LA_HOME_WIN_PCT: return Ratio(5000, 2 * s.nHomeWins + s.nHomeTies, s.nRegularGames);  // ties count half
    case LA_OVERTIME_PCT: return Ratio(10000, s.nOvertimeGames, s.nRegularGames);
    default: return 0;
    }
}

const char* League_Average_Key(int nAverage) {
    return nAverage >= 0 && nAverage < NUMBER_OF_LEAGUE_AVERAGES ? AVERAGES[nAverage].szKey : "";
}

int League_Average_Reference(int nAverage) {
    return nAverage >= 0 && nAverage < NUMBER_OF_LEAGUE_AVERAGES ? AVERAGES[nAverage].nReference : 0;
}

void Write_League_Averages(FILE* pFile, const LeagueSums& sums) {
    for (int n = 0; n < NUMBER_OF_LEAGUE_AVERAGES; n++) {
        int nValue = League_Average(sums, n), nReference = League_Average_Reference(n);
        fprintf(pFile, "%s\t%d.%02d\t%d.%02d\n", League_Average_Key(n), nValue / 100, nValue % 100, nReference / 100,
                nReference % 100);
    }
}
