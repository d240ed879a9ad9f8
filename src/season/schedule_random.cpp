// The random schedule of a league that neither template fits.
#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "season/schedule.h"

namespace {
// The regular season must leave four schedule slots for the playoff rounds.
constexpr int MOST_WEEKS = LAST_PLAYOFF_START;
constexpr int MOST_GAMES = 16;

struct Week {
    bool abPaired[NUMBER_OF_FRANCHISES] = {};
    bool abBye[NUMBER_OF_FRANCHISES] = {};
};

// From a random team, the first one on (wrapping) that is free this week and not nOther.
TNUM Step_To_Free_Team(int nTeams, const Week& week, TNUM nOther) {
    int nTeam = Random(nTeams);
    for (int n = 0; n < nTeams; n++, nTeam = (nTeam + 1) % nTeams)
        if (!week.abPaired[nTeam] && !week.abBye[nTeam] && nTeam != nOther) return (TNUM)nTeam;
    return NO_TEAM;
}

// Even leagues: every week but the league-wide bye week pairs all teams.
void Fill_Even_Schedule(int nTeams, int nGames) {
    int nWeek = 0;
    for (int nPlayed = 0; nPlayed < nGames; nWeek++) {
        if (nWeek == LEAGUE_BYE_WEEK) continue;
        Week week;
        for (int nGame = 0; nGame < nTeams / 2; nGame++) {
            TNUM nHome, nVisitor;
            do nHome = (TNUM)Random(nTeams);
            while (week.abPaired[nHome]);
            week.abPaired[nHome] = true;
            do nVisitor = (TNUM)Random(nTeams);
            while (week.abPaired[nVisitor]);
            week.abPaired[nVisitor] = true;
            Schedule_Season_Game(nHome, nVisitor, nWeek);
        }
        nPlayed++;
    }
}

// Odd leagues: one team at least sits out every week, so every week carries
// an odd number of byes and every team gets the same number of them.
// Usually that is one bye per team over games + 1 weeks; a league with fewer
// teams than that needs more weeks, and beyond the last week that leaves room
// for the playoffs, fewer games.
void Fill_Odd_Schedule(int nTeams, int nGames) {
    nGames -= nGames % 2;
    int nWeeks = nGames + 1;
    while (nTeams * (nWeeks - nGames) < nWeeks) {
        if (nWeeks < MOST_WEEKS)
            nWeeks++;
        else
            nGames -= 2;
    }
    int nByesPerTeam = nWeeks - nGames;

    // One bye a week, and the rest two at a time in the middle of the season.
    int anByes[MOST_WEEKS];
    for (int nWeek = 0; nWeek < nWeeks; nWeek++) anByes[nWeek] = 1;
    int nPairs = (nTeams * nByesPerTeam - nWeeks) / 2;
    int nFirst = (nWeeks - Min(nPairs, nWeeks)) / 2;
    for (int n = 0; n < nPairs; n++) anByes[(nFirst + n) % nWeeks] += 2;

    int anByesLeft[NUMBER_OF_FRANCHISES];
    for (int nTeam = 0; nTeam < nTeams; nTeam++) anByesLeft[nTeam] = nByesPerTeam;
    for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
        Week week;
        int nOff = 0;
        for (; nOff < anByes[nWeek]; nOff++) {
            int nCandidates = 0;
            for (int nTeam = 0; nTeam < nTeams; nTeam++)
                if (anByesLeft[nTeam] > 0 && !week.abBye[nTeam]) nCandidates++;
            if (nCandidates == 0) break;
            int nTeam;
            do nTeam = Random(nTeams);
            while (anByesLeft[nTeam] == 0 || week.abBye[nTeam]);
            week.abBye[nTeam] = true;
            anByesLeft[nTeam]--;
        }
        for (int nGame = 0; nGame < (nTeams - nOff) / 2; nGame++) {
            TNUM nHome = Step_To_Free_Team(nTeams, week, NO_TEAM);
            if (nHome == NO_TEAM) break;
            week.abPaired[nHome] = true;
            TNUM nVisitor = Step_To_Free_Team(nTeams, week, nHome);
            if (nVisitor == NO_TEAM) break;
            week.abPaired[nVisitor] = true;
            Schedule_Season_Game(nHome, nVisitor, nWeek);
        }
    }
}
}  // namespace

void Fill_Random_Schedule() {
    int nTeams = Number_Of_Teams();
    if (nTeams < 2) return;
    int nGames = Clamp(1, Get_League_Rule(LR_GAMES_PER_SEASON), MOST_GAMES);
    if (nTeams % 2 == 0)
        Fill_Even_Schedule(nTeams, nGames);
    else
        Fill_Odd_Schedule(nTeams, nGames);
}
