// Small leagues for the money tests: every team in a city of its own, far
// from the others, with a 3.5-million market, $25,000 incomes, an average
// stadium and neutral fans, so the shared factors are all 1000.
#pragma once
#include "test_support.h"

class MoneyTest : public LeagueTest {
  protected:
    void SetUp() override;
    // nTeams human-managed teams at "Coach" level (no difficulty factor).
    static void Make_League(int nTeams);
    static void Add_Player(TNUM nTeam, int nSalary, int nAge, int nYearsLeft);
    static void Move_Team_To_City_Of(TNUM nTeam, TNUM nOther);
    // A played game in the team's schedule slot for nWeek.
    static void Record_Result(TNUM nHome, TNUM nVisitor, int nWeek, int nHomePoints, int nVisitorPoints);
    static int Fin(TNUM nTeam, int nField);
    static void Set_Fin(TNUM nTeam, int nField, int nValue);
};
