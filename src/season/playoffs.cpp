#include "season/playoffs.h"

#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "season/stored_games.h"

namespace {
constexpr int SEEDS = 6;
const int SEED_SLOTS[NUMBER_OF_LEAGUES][SEEDS] = {{17, 19, 5, 1, 0, 4}, {21, 23, 13, 9, 12, 8}};
const int TWO_DIVISION_SLOTS[NUMBER_OF_LEAGUES][2] = {{24, 25}, {26, 27}};
const int ONE_DIVISION_SLOT[NUMBER_OF_LEAGUES] = {28, 29};

// The first slot of each game of a round; its opponent is the next slot.
struct Round {
    int nGames;
    int anFirstSlots[4];
};
const Round ROUNDS[PLAYOFF_ROUNDS] = {{4, {0, 4, 8, 12}}, {4, {16, 18, 20, 22}}, {2, {24, 26}}, {1, {28}}};

bool Slot_In_Range(int nSlot) { return nSlot >= 0 && nSlot < PLAYOFF_SLOTS; }

TNUM Division_Leader(int nDivision) { return Get_Standings_Team(nDivision, 0); }

// Divisions of a conference that have teams, in order.
int Conference_Divisions(int nConference, int* anDivisions) {
    int nCount = 0;
    for (int nDivision = 4 * nConference; nDivision < 4 * nConference + 4; nDivision++)
        if (Division_Team_Count(nDivision) > 0) anDivisions[nCount++] = nDivision;
    return nCount;
}

// Teams sorted by league score, highest first; stable, so equal scores keep their order.
void Sort_By_League_Score(TNUM* anTeams, int nCount) {
    int anScore[NUMBER_OF_FRANCHISES];
    for (int n = 0; n < nCount; n++) anScore[n] = Get_League_Score(anTeams[n]);
    for (int nPass = 0; nPass < nCount; nPass++)
        for (int n = 0; n + 1 < nCount; n++)
            if (anScore[n + 1] > anScore[n]) {
                TNUM nTeam = anTeams[n];
                anTeams[n] = anTeams[n + 1];
                anTeams[n + 1] = nTeam;
                Swap_Int(anScore[n], anScore[n + 1]);
            }
}

void Seed_Conference(int nConference) {
    int anDivisions[4];
    int nDivisions = Conference_Divisions(nConference, anDivisions);
    if (nDivisions == 1) {
        g_League.abPlayoffTeams[ONE_DIVISION_SLOT[nConference]] = Division_Leader(anDivisions[0]);
        return;
    }
    if (nDivisions == 2) {
        for (int n = 0; n < 2; n++)
            g_League.abPlayoffTeams[TWO_DIVISION_SLOTS[nConference][n]] = Division_Leader(anDivisions[n]);
        return;
    }
    TNUM anSeeds[NUMBER_OF_FRANCHISES];
    int nSeeds = 0;
    for (int n = 0; n < nDivisions; n++) anSeeds[nSeeds++] = Division_Leader(anDivisions[n]);
    Sort_By_League_Score(anSeeds, nSeeds);

    TNUM anOthers[NUMBER_OF_FRANCHISES];
    int nOthers = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Get_Team_League(nTeam) == nConference && Get_Team_Standing(nTeam) != 0)
            anOthers[nOthers++] = nTeam;
    Sort_By_League_Score(anOthers, nOthers);
    for (int n = 0; n < nOthers && nSeeds < SEEDS; n++) anSeeds[nSeeds++] = anOthers[n];

    for (int n = 0; n < nSeeds && n < SEEDS; n++)
        g_League.abPlayoffTeams[SEED_SLOTS[nConference][n]] = anSeeds[n];
}

// Second-placed teams of the conference's first three divisions, best league score first.
int Runners_Up(int nConference, TNUM* anTeams) {
    int anDivisions[4];
    int nDivisions = Min(3, Conference_Divisions(nConference, anDivisions));
    int nCount = 0;
    for (int n = 0; n < nDivisions; n++) {
        TNUM nTeam = Get_Standings_Team(anDivisions[n], 1);
        if (nTeam != NO_TEAM) anTeams[nCount++] = nTeam;
    }
    Sort_By_League_Score(anTeams, nCount);
    return nCount;
}
}  // namespace

TNUM Get_Playoff_Team(int nSlot) {
    if (!Slot_In_Range(nSlot)) {
        Error_Log("Invalid playoff slot in Get_Playoff_Team(%d)", nSlot);
        return NO_TEAM;
    }
    return g_League.abPlayoffTeams[nSlot];
}

int Get_Playoff_Score(int nSlot) {
    if (!Slot_In_Range(nSlot)) {
        Error_Log("Invalid playoff slot in Get_Playoff_Score(%d)", nSlot);
        return -128;
    }
    return g_League.anPlayoffScores[nSlot];
}

int Seed_Slot(int nConference, int nSeed) {
    if (nConference < 0 || nConference >= NUMBER_OF_LEAGUES || nSeed < 1 || nSeed > SEEDS) return -1;
    return SEED_SLOTS[nConference][nSeed - 1];
}

void Clear_Playoff_Slots() {
    for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; nSlot++) {
        g_League.abPlayoffTeams[nSlot] = NO_TEAM;
        g_League.anPlayoffScores[nSlot] = 0;
    }
}

void Fill_Playoff_Field() {
    Clear_Playoff_Slots();
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++)
        Seed_Conference(nConference);
}

void Fix_Playoff_Field() { Fill_Playoff_Field(); }

void Schedule_Playoff_Week(int nWeek) {
    int nRound = nWeek - First_Playoff_Week();
    if (nRound < 0 || nRound >= PLAYOFF_ROUNDS) return;
    const Round& round = ROUNDS[nRound];
    for (int nGame = 0; nGame < round.nGames; nGame++) {
        int nSlotA = round.anFirstSlots[nGame], nSlotB = nSlotA + 1;
        TNUM nTeamA = g_League.abPlayoffTeams[nSlotA], nTeamB = g_League.abPlayoffTeams[nSlotB];
        if (nTeamA != NO_TEAM && nTeamB != NO_TEAM) {
            bool bHomeA = Get_League_Score(nTeamA) >= Get_League_Score(nTeamB);
            if (bHomeA)
                Schedule_Season_Game(nTeamA, nTeamB, nWeek);
            else
                Schedule_Season_Game(nTeamB, nTeamA, nWeek);
            continue;
        }
        // A short conference leaves a seed without an opponent; it must not
        // stall the bracket. The final waits for two conferences.
        if (nRound == PLAYOFF_ROUNDS - 1) continue;
        TNUM nAlone = nTeamA != NO_TEAM ? nTeamA : nTeamB;
        if (nAlone != NO_TEAM) g_League.abPlayoffTeams[nSlotA / 2 + 16] = nAlone;
    }
}

void Record_Playoff_Result(TNUM nTeamA, int nScoreA, TNUM nTeamB, int nScoreB) {
    int nSlotA = Get_Team_Highest_Playoff_Slot(nTeamA), nSlotB = Get_Team_Highest_Playoff_Slot(nTeamB);
    // Only the two teams of one bracket game: a result booked twice or for
    // the wrong pair would move a team past a round it has not played.
    if (nSlotA < 0 || nSlotB < 0 || nSlotA >= CHAMPION_SLOT || (nSlotA ^ 1) != nSlotB) {
        Error_Log("Teams not paired in Record_Playoff_Result(%d,%d)", nTeamA, nTeamB);
        return;
    }
    g_League.anPlayoffScores[nSlotA] = nScoreA;
    g_League.anPlayoffScores[nSlotB] = nScoreB;
    if (nScoreA == nScoreB) {
        Error_Log("Tied playoff game in Record_Playoff_Result(%d,%d)", nTeamA, nTeamB);
        return;
    }
    int nWinnerSlot = nScoreA > nScoreB ? nSlotA : nSlotB;
    g_League.abPlayoffTeams[nWinnerSlot / 2 + 16] = nScoreA > nScoreB ? nTeamA : nTeamB;
}

void Record_Playoff_Game(int nGame) {
    StoredGame game;
    if (!Stored_Game_Teams_And_Score(nGame, &game)) {
        Error_Log("Invalid game in Record_Playoff_Game(%d)", nGame);
        return;
    }
    Record_Playoff_Result(game.nVisitor, game.nVisitorScore, game.nHome, game.nHomeScore);
}

TNUM Get_Wild_Card_Rival(TNUM nTeam) {
    int nConference = Get_Team_League(nTeam);
    if (nConference < 0 || nConference >= NUMBER_OF_LEAGUES || Conference_Division_Count(nConference) < 3)
        return NO_TEAM;
    TNUM anRunnersUp[3];
    int nCount = Runners_Up(nConference, anRunnersUp);
    // The second runner-up holds the last wild card worth chasing; a team
    // that is that runner-up chases the one behind it.
    int anChoice[3] = {1, 2, 0};
    for (int nIndex : anChoice)
        if (nIndex < nCount && anRunnersUp[nIndex] != nTeam) return anRunnersUp[nIndex];
    return NO_TEAM;
}

int Get_Magic_Number(TNUM nTeam) {
    int nPlace = Get_Team_Standing(nTeam);
    if (nPlace == NO_TEAM) return TEAM_ELIMINATED;
    int nDivision = Get_Team_Division(nTeam);
    int nLimit = Get_League_Rule(LR_GAMES_PER_SEASON) + 1;
    if (nPlace == 0) {
        TNUM nSecond = Get_Standings_Team(nDivision, 1);
        if (nSecond == NO_TEAM) return 0;
        return Max(nLimit - Get_Team_Wins(nTeam) - Get_Team_Losses(nSecond), 0);
    }
    int r = nLimit - Get_Team_Losses(nTeam) - Get_Team_Wins(Division_Leader(nDivision));
    TNUM nRival = Get_Wild_Card_Rival(nTeam);
    if (nRival != NO_TEAM) r = Max(r, nLimit - Get_Team_Losses(nTeam) - Get_Team_Wins(nRival));
    return r > 0 ? -r : TEAM_ELIMINATED;
}

void Set_Season_Outcome_Levels() {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nPlace = Get_Team_Standing(nTeam);
        if (nPlace == NO_TEAM) nPlace = DIVISION_PLACES;
        Set_Team_Record_Stat(nTeam, YR_OUTCOME, Team_Season_Outcome_Level(nTeam, nPlace));
    }
}
