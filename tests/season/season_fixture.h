// Small leagues for the season tests: teams in divisions, faked results in
// both the won-lost records and the stored game records.
#pragma once
#include "test_support.h"

class SeasonTest : public LeagueTest {
  protected:
    void SetUp() override;
    // Teams 0..n-1 in use, team t in anDivisions[t].
    void Make_League(std::initializer_list<int> anDivisions);
    // Teams 0..n-1 in use, nPerDivision teams in each division from 0 on.
    void Make_Even_League(int nTeams, int nPerDivision);
    // A regular-season game: both records and a stored game record.
    void Play(TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek = 0);
    // Wins and losses in the record only, as if against teams outside the test.
    void Add_Record(TNUM nTeam, int nWins, int nLosses);
    int m_nNextGame = 0;
};

int Games_Of(TNUM nTeam);  // scheduled games over weeks 0..21
bool Is_Home(TNUM nTeam, int nWeek);
