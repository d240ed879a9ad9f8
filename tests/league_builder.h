// Every league the tests build, one function per kind. Free of the test
// framework so that the window tests link it too. Each league is built
// exactly as the suites it serves have always had it: their expected
// figures, the golden game's among them, depend on every byte and every draw.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "database/league_database.h"

// The builders' own generator, apart from the game's, so that a league is the
// same whatever the game has drawn before.
struct TestDraw {
    uint64_t nState;
    uint32_t Next() {
        nState = nState * 6364136223846793005ULL + 1442695040888963407ULL;
        return (uint32_t)(nState >> 33);
    }
    int Below(int n) { return (int)(Next() % (uint32_t)n); }
    int Between(int nLo, int nHi) { return nLo + Below(nHi - nLo + 1); }
};

// Codes 0..nTeams-1 in use (computer-managed), the rest unused; recounted.
void Use_Teams(int nTeams);

// Varied data of realistic shape in every part of the record (names, small
// numbers, statistics, history), nTeams franchises in use, sorted as a load
// leaves it: for the saved-game tests.
void Build_Sample_League(uint32_t nSeed, int nTeams = 32);

// nTeams franchises (computer-managed) of full hand-built rosters with
// believable predicted seasons, in week 3 of the regular season: for the
// game tests.
void Build_Game_League(uint32_t nSeed, int nTeams = 2);

// The default league read from szUniverse, ready for its first week with
// every team computer-managed, seeded with nSeed: for whole seasons.
bool Build_Default_Season_League(const char* szUniverse, uint32_t nSeed);

// nTeams human-managed teams at "Coach" level in week 3, each in a city of
// its own with a 3.5-million market, $25,000 incomes, an average stadium and
// neutral fans, so the shared money factors are all 1000.
void Build_Money_League(int nTeams);

// nTeams teams named "City<t>" / "Nick<t>" / "A<t>", the first half in
// conference 0 (the "American"), the rest in the "National"; starting 2003.
void Build_Page_League(int nTeams);

// Teams 0..n-1 in use, team t in anDivisions[t].
void Build_Division_League(std::initializer_list<int> anDivisions);
// Teams 0..nTeams-1 in use, nPerDivision teams in each division from 0 on.
void Build_Even_League(int nTeams, int nPerDivision);
