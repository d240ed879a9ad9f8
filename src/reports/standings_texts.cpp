#include "reports/standings_texts.h"

#include <cstring>

#include "database/random.h"
#include "database/text_format.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"

namespace {
void Format_Tenths(int n, char* szOut) {
    int nAbsolute = n < 0 ? -n : n;
    Format_Text(szOut, "%s%d.%d", n < 0 ? "-" : "", nAbsolute / 10, nAbsolute % 10);
}

void Add_Game(const GameRecord* g, int nSide, const StoredGame& game, TeamGameTotals* p) {
    const int16_t* pOwn = g->anTeamStats[nSide];
    const int16_t* pOther = g->anTeamStats[1 - nSide];
    p->nGames++;
    p->nPointsFor += nSide == 1 ? game.nHomeScore : game.nVisitorScore;
    p->nPointsAgainst += nSide == 1 ? game.nVisitorScore : game.nHomeScore;
    p->nPlays += pOwn[TG_RUSHES] + pOwn[TG_PASS_ATTEMPTS];
    p->nYards += pOwn[TG_RUSH_YARDS] + pOwn[TG_PASS_YARDS];
    p->nTurnovers += pOwn[TG_TURNOVERS];
    p->nTakeaways += pOther[TG_TURNOVERS];
}
}  // namespace

void Sum_Team_Games(TNUM nTeam, TeamGameTotals* pTotals) {
    memset(pTotals, 0, sizeof *pTotals);
    if (nTeam == NO_TEAM) return;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(nGame, &game) || game.nWeek >= First_Playoff_Week()) continue;
        if (game.nHome != nTeam && game.nVisitor != nTeam) continue;
        Add_Game(Get_Game_Record(nGame), game.nHome == nTeam ? 1 : 0, game, pTotals);
    }
}

namespace {
TeamGameTotals Totals_Of(TNUM nTeam) {
    TeamGameTotals totals;
    Sum_Team_Games(nTeam, &totals);
    return totals;
}
}  // namespace

void Get_Points_For_Text(TNUM nTeam, char* szOut) {
    TeamGameTotals t = Totals_Of(nTeam);
    Format_Tenths(Ratio(10, t.nPointsFor, t.nGames), szOut);
}

void Get_Points_Against_Text(TNUM nTeam, char* szOut) {
    TeamGameTotals t = Totals_Of(nTeam);
    Format_Tenths(Ratio(10, t.nPointsAgainst, t.nGames), szOut);
}

void Get_Yards_Per_Play_Text(TNUM nTeam, char* szOut) {
    TeamGameTotals t = Totals_Of(nTeam);
    Format_Tenths(Ratio(10, t.nYards, t.nPlays), szOut);
}

void Get_Turnover_Margin_Text(TNUM nTeam, char* szOut) {
    TeamGameTotals t = Totals_Of(nTeam);
    int nMargin = t.nTakeaways - t.nTurnovers;
    Format_Text(szOut, nMargin > 0 ? "+%d" : "%d", nMargin);
}
