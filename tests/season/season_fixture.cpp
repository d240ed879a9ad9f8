#include "season_fixture.h"

#include "database/team.h"
#include "season/stored_games.h"

void SeasonTest::SetUp() {
    LeagueTest::SetUp();
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anRules[LR_START_YEAR] = 2002;
    for (int n = 0; n < 6; n++) g_League.anCalendar[n] = 17 + n;
    g_League.anGameState[GS_DRAFT_ROUND] = NUMBER_OF_DRAFT_ROUNDS;  // in season: no draft running
}

void SeasonTest::Make_League(std::initializer_list<int> anDivisions) { Build_Division_League(anDivisions); }

void SeasonTest::Make_Even_League(int nTeams, int nPerDivision) { Build_Even_League(nTeams, nPerDivision); }

static void Book(TNUM nTeam, int nOwn, int nOther) {
    int nField = nOwn > nOther ? YR_WINS : nOwn < nOther ? YR_LOSSES : YR_TIES;
    Set_Team_Record_Stat(nTeam, nField, Get_Team_Record_Stat(nTeam, nField) + 1);
}

void SeasonTest::Play(TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek) {
    Set_Stored_Game(m_nNextGame++, nVisitor, nHome, nVisitorScore, nHomeScore, nWeek);
    Book(nVisitor, nVisitorScore, nHomeScore);
    Book(nHome, nHomeScore, nVisitorScore);
}

void SeasonTest::Add_Record(TNUM nTeam, int nWins, int nLosses) {
    Set_Team_Record_Stat(nTeam, YR_WINS, Get_Team_Wins(nTeam) + nWins);
    Set_Team_Record_Stat(nTeam, YR_LOSSES, Get_Team_Losses(nTeam) + nLosses);
}

bool Is_Home(TNUM nTeam, int nWeek) { return Get_Schedule_Kind(nTeam, nWeek) == SLOT_FIRST_NAMED; }

int Games_Of(TNUM nTeam) {
    int nGames = 0;
    for (int nWeek = 0; nWeek < SCHEDULE_SLOTS; nWeek++)
        if (Get_Schedule_Opponent(nTeam, nWeek) != NO_TEAM) nGames++;
    return nGames;
}
