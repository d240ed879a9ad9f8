#include "reports/standings_columns.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/dialog_support.h"
#include "reports/page_common.h"
#include "season/standings.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"

namespace {
const char* const COLUMN_NAMES[NUMBER_OF_STANDINGS_COLUMNS] = {
    "Last 3",       "Last 5",       "Streak",         "Home Record",    "Away Record",    "Div. Record",
    "Conf. Record", "Points For",   "Points Against", "Offense",        "Defense",        "Passing",
    "Rushing",      "Pass Defense", "Rush Defense",   "Turnovers",      "Takeaways",      "Offense Rank",
    "Defense Rank", "Passing Rank", "Rushing Rank",   "Pass Def. Rank", "Rush Def. Rank", "Yards / Play",
    "Third Down",   "Sacks",
};

// Opponents' figures against the team sit three stat lines below its own.
constexpr int AGAINST = 3;
// Team total codes: yards per game in tenths (Part of the team record).
constexpr int YARDS_PER_GAME = 131, RUSHING_PER_GAME = 132, PASSING_PER_GAME = 133, SACKS_IN_TENTHS = 140;

int Total(TNUM nTeam, int nLine, int nCode) {
    return Get_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nCode);
}

int Takeaways(TNUM nTeam) {
    return Total(nTeam, LINE_DEFENCE, SS_INTERCEPTIONS) + Total(nTeam, LINE_DEFENCE, SS_FUMBLE_RECOVERIES);
}
int Turnovers(TNUM nTeam) {
    return Total(nTeam, AGAINST + LINE_DEFENCE, SS_INTERCEPTIONS) +
           Total(nTeam, AGAINST + LINE_DEFENCE, SS_FUMBLE_RECOVERIES);
}

// Per-game yards of the ranked columns; bFewerIsBetter for the defences.
int Ranked_Value(TNUM nTeam, int nColumn, bool* pbFewerIsBetter) {
    static const int LINES[6] = {LINE_OFFENCE, AGAINST, LINE_OFFENCE, LINE_OFFENCE, AGAINST, AGAINST};
    static const int CODES[6] = {YARDS_PER_GAME,   YARDS_PER_GAME,   PASSING_PER_GAME,
                                 RUSHING_PER_GAME, PASSING_PER_GAME, RUSHING_PER_GAME};
    int k = nColumn - SC_OFFENSE_RANK;
    *pbFewerIsBetter = LINES[k] == AGAINST;
    return Total(nTeam, LINES[k], CODES[k]);
}

int League_Rank(TNUM nTeam, int nColumn) {
    bool bFewer;
    int nValue = Ranked_Value(nTeam, nColumn, &bFewer);
    int nRank = 1;
    for (TNUM nOther = 0; nOther < Number_Of_Teams(); nOther++) {
        int nOtherValue = Ranked_Value(nOther, nColumn, &bFewer);
        if (bFewer ? nOtherValue < nValue : nOtherValue > nValue) nRank++;
    }
    return nRank;
}

// The team's regular-season games as stored: points and third downs.
struct GameSums {
    int nGames, nPointsFor, nPointsAgainst, nThirdDowns, nThirdConversions;
};
GameSums Sum_Stored_Games(TNUM nTeam) {
    GameSums sums = {};
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(nGame, &game) || game.nWeek >= First_Playoff_Week()) continue;
        if (game.nHome != nTeam && game.nVisitor != nTeam) continue;
        bool bHome = game.nHome == nTeam;
        sums.nGames++;
        sums.nPointsFor += bHome ? game.nHomeScore : game.nVisitorScore;
        sums.nPointsAgainst += bHome ? game.nVisitorScore : game.nHomeScore;
        const GameRecord* g = Get_Game_Record(nGame);
        int nSide = Team_Side(g, nTeam);
        sums.nThirdDowns += g->anTeamStats[nSide][TG_THIRD_DOWNS];
        sums.nThirdConversions += g->anTeamStats[nSide][TG_THIRD_CONVERSIONS];
    }
    return sums;
}

// Results of the last nGames regular-season games, most recent first.
int Recent_Results(TNUM nTeam, int nGames, int* anResults) {
    int nFound = 0;
    int nWeek = Min(Min(Current_Week(), First_Playoff_Week()), SCHEDULE_SLOTS);
    for (int nSlot = nWeek - 1; nSlot >= 0 && nFound < nGames; nSlot--) {
        int nResult = Slot_Game_Result(nTeam, nSlot);
        if (nResult != GAME_NOT_PLAYED) anResults[nFound++] = nResult;
    }
    return nFound;
}

void Recent_Record_Text(TNUM nTeam, int nGames, char* szOut) {
    int anResults[SCHEDULE_SLOTS];
    int nFound = Recent_Results(nTeam, nGames, anResults);
    int anCount[3] = {}; // lost, tied, won
    for (int i = 0; i < nFound; i++)
        anCount[anResults[i] + 1]++;
    Record_Text(anCount[2], anCount[0], anCount[1], szOut);
}

void Streak_Text(TNUM nTeam, char* szOut) {
    int anResults[SCHEDULE_SLOTS];
    int nFound = Recent_Results(nTeam, SCHEDULE_SLOTS, anResults);
    if (nFound == 0) {
        Dialog_Format(szOut, "--");
        return;
    }
    int nLength = 1;
    while (nLength < nFound && anResults[nLength] == anResults[0])
        nLength++;
    const char* szKind = anResults[0] > 0 ? "Won" : anResults[0] < 0 ? "Lost" : "Tied";
    Dialog_Format(szOut, "%s %d", szKind, nLength);
}

void Count_Text(const GameCount& count, char* szOut) {
    Record_Text(count.nWins, count.nLosses, count.nTies, szOut);
}

void Tenths_Per(int nTotal, int nGames, char* szOut) {
    Tenths_Text(Ratio(10, nTotal, nGames), szOut);
}
} // namespace

const char* Standings_Column_Name(int nColumn) {
    return nColumn >= 0 && nColumn < NUMBER_OF_STANDINGS_COLUMNS ? COLUMN_NAMES[nColumn] : "";
}

void Turnover_Margin_Text(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (!Valid_Team(nTeam)) return;
    int nMargin = Takeaways(nTeam) - Turnovers(nTeam);
    Dialog_Format(szOut, nMargin ? "%+d" : "%d", nMargin);
}

void Standings_Column_Text(TNUM nTeam, int nColumn, char* szOut) {
    szOut[0] = '\0';
    if (!Valid_Team(nTeam) || nColumn < 0 || nColumn >= NUMBER_OF_STANDINGS_COLUMNS) return;
    switch (nColumn) {
    case SC_LAST_3:
        Recent_Record_Text(nTeam, 3, szOut);
        return;
    case SC_LAST_5:
        Recent_Record_Text(nTeam, 5, szOut);
        return;
    case SC_STREAK:
        Streak_Text(nTeam, szOut);
        return;
    case SC_HOME_RECORD:
        Record_Text(Get_Team_Home_Wins(nTeam), Get_Team_Home_Losses(nTeam), Get_Team_Home_Ties(nTeam), szOut);
        return;
    case SC_AWAY_RECORD:
        Record_Text(Get_Team_Road_Wins(nTeam), Get_Team_Road_Losses(nTeam), Get_Team_Road_Ties(nTeam), szOut);
        return;
    case SC_DIVISION_RECORD:
        Count_Text(Count_Stored_Results(nTeam, VERSUS_DIVISION), szOut);
        return;
    case SC_CONFERENCE_RECORD:
        Count_Text(Count_Stored_Results(nTeam, VERSUS_CONFERENCE), szOut);
        return;
    case SC_POINTS_FOR:
    case SC_POINTS_AGAINST: {
        GameSums sums = Sum_Stored_Games(nTeam);
        Tenths_Per(nColumn == SC_POINTS_FOR ? sums.nPointsFor : sums.nPointsAgainst, sums.nGames, szOut);
        return;
    }
    case SC_OFFENSE:
        Tenths_Text(Total(nTeam, LINE_OFFENCE, YARDS_PER_GAME), szOut);
        return;
    case SC_DEFENSE:
        Tenths_Text(Total(nTeam, AGAINST, YARDS_PER_GAME), szOut);
        return;
    case SC_PASSING:
        Tenths_Text(Total(nTeam, LINE_OFFENCE, PASSING_PER_GAME), szOut);
        return;
    case SC_RUSHING:
        Tenths_Text(Total(nTeam, LINE_OFFENCE, RUSHING_PER_GAME), szOut);
        return;
    case SC_PASS_DEFENSE:
        Tenths_Text(Total(nTeam, AGAINST, PASSING_PER_GAME), szOut);
        return;
    case SC_RUSH_DEFENSE:
        Tenths_Text(Total(nTeam, AGAINST, RUSHING_PER_GAME), szOut);
        return;
    case SC_TURNOVERS:
        Dialog_Format(szOut, "%d", Turnovers(nTeam));
        return;
    case SC_TAKEAWAYS:
        Dialog_Format(szOut, "%d", Takeaways(nTeam));
        return;
    case SC_YARDS_PER_PLAY: {
        int nYards = Total(nTeam, LINE_OFFENCE, SS_PASS_YARDS) + Total(nTeam, LINE_OFFENCE, SS_RUSH_YARDS);
        int nPlays = Total(nTeam, LINE_OFFENCE, SS_PASS_ATTEMPTS) + Total(nTeam, LINE_OFFENCE, SS_RUSHES);
        Tenths_Per(nYards, nPlays, szOut);
        return;
    }
    case SC_THIRD_DOWN: {
        GameSums sums = Sum_Stored_Games(nTeam);
        Dialog_Format(szOut, "%d%%", Ratio(100, sums.nThirdConversions, sums.nThirdDowns));
        return;
    }
    case SC_SACKS:
        Tenths_Text(Total(nTeam, LINE_DEFENCE, SACKS_IN_TENTHS), szOut);
        return;
    default: // the six ranks
        Rank_Ordinal_Text(League_Rank(nTeam, nColumn), szOut);
        return;
    }
}
