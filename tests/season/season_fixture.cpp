#include "season_fixture.h"

#include "season/season_team.h"
#include "season/stored_games.h"

void SeasonTest::SetUp() {
    LeagueTest::SetUp();
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anRules[LR_START_YEAR] = 2002;
    for (int n = 0; n < 6; n++) g_League.anCalendar[n] = 17 + n;
}

void SeasonTest::Make_League(std::initializer_list<int> anDivisions) {
    Use_Teams((int)anDivisions.size());
    int nTeam = 0;
    for (int nDivision : anDivisions) g_League.aTeams[nTeam++].data.anStats[0] = nDivision;
}

void SeasonTest::Make_Even_League(int nTeams, int nPerDivision) {
    Use_Teams(nTeams);
    for (int nTeam = 0; nTeam < nTeams; nTeam++) g_League.aTeams[nTeam].data.anStats[0] = nTeam / nPerDivision;
}

static void Book(TNUM nTeam, int nOwn, int nOther) {
    int32_t* anRecord = g_League.aTeams[nTeam].data.anYearly[Current_Season_Index()];
    anRecord[nOwn > nOther ? 0 : nOwn < nOther ? 1 : 2]++;
}

void SeasonTest::Play(TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek) {
    Set_Stored_Game(m_nNextGame++, nVisitor, nHome, nVisitorScore, nHomeScore, nWeek);
    Book(nVisitor, nVisitorScore, nHomeScore);
    Book(nHome, nHomeScore, nVisitorScore);
}

void SeasonTest::Add_Record(TNUM nTeam, int nWins, int nLosses) {
    int32_t* anRecord = g_League.aTeams[nTeam].data.anYearly[Current_Season_Index()];
    anRecord[0] += nWins;
    anRecord[1] += nLosses;
}

int Games_Of(TNUM nTeam) {
    int nGames = 0;
    for (int nWeek = 0; nWeek < SCHEDULE_SLOTS; nWeek++)
        if (Season_Schedule_Opponent(nTeam, nWeek) != NO_TEAM) nGames++;
    return nGames;
}
