// Draft records and contracts. Rookies are paid on the rookie scale of their
// draft position; veterans by their worth at their position and age; then
// every franchise's salaries are scaled so its payroll lands in the range a
// team under the salary cap spends.
#include <set>
#include <utility>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "player_parts.h"

namespace {
constexpr int ROUNDS = 7;
constexpr int UNDRAFTED = ROUNDS; // the eighth choice in the round tables
constexpr int STAR_QUALITY = 750;

// Chances (per cent) of being taken in rounds 1..7 or not at all.
const int STAR_ROUNDS[ROUNDS + 1] = {45, 25, 12, 8, 5, 3, 2, 0};
const int STARTER_ROUNDS[ROUNDS + 1] = {18, 18, 16, 14, 12, 9, 7, 6};
const int ROTATION_ROUNDS[ROUNDS + 1] = {5, 8, 12, 15, 16, 15, 14, 15};
const int RESERVE_ROUNDS[ROUNDS + 1] = {2, 4, 7, 10, 14, 17, 18, 28};
const int KICKER_ROUNDS[ROUNDS + 1] = {1, 2, 4, 6, 10, 15, 20, 42};

// The rookie scale by draft position 0, 50, 100, ... 700 ($ thousands, years).
const int ROOKIE_SALARY[15] = {4000, 1750, 1000, 700, 550, 450, 350, 325, 300, 290, 280, 270, 260, 250, 250};
const int ROOKIE_BONUS[15] = {9500, 3500, 1500, 800, 600, 400, 300, 200, 100, 100, 0, 0, 0, 0, 0};
const int ROOKIE_LENGTH[15] = {6, 5, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};

// What a veteran earns: a floor plus the position's scale for each step of
// quality, less for a bench player; then the age factor of his prime.
//                                     QB    RB    TE   WR    T    G    C    DE    DT   LB   CB    S     K P
const int POSITION_SCALE[NUMBER_OF_POSITIONS] = {3500, 1100, 800, 1300, 700, 700, 800, 1000, 700, 700, 1400, 1100, 600, 600};
constexpr int SALARY_FLOOR = 300;
constexpr int QUALITY_OFFSET = 400;       // a quality of -400 earns only the floor
const int ROLE_PAY[3] = {1000, 350, 150}; // starter, rotation, reserve (per mille)
const int AGE_FACTOR[20] = {90,  93,  96,  99,  102, 105, 108, 111, 114, 117, // ages 20..29
                            120, 120, 118, 116, 114, 112, 110, 108, 105, 100};
// Contract lengths by role: shortest, and how many more years may be added.
const int LENGTH_LO[3] = {2, 1, 1};
const int LENGTH_SPREAD[3] = {4, 3, 2};
// A signing bonus of up to this share of a year's salary per contract year.
constexpr int BONUS_SHARE = 60;
constexpr int BONUS_STEP = 100;
constexpr int BONUS_FROM_SALARY = 1000; // players paid less get none

// Payroll targets in $ thousands, under the cap of 71,100.
constexpr int PAYROLL_LO = 60500;
constexpr int PAYROLL_SPREAD = 9000;
constexpr int SCALING_PASSES = 4;

std::set<std::pair<int, int>> s_usedPicks; // (year, overall pick)

int Draw_From(const int anWeights[], int nChoices) {
    int nTotal = 0;
    for (int n = 0; n < nChoices; n++)
        nTotal += anWeights[n];
    int r = Random(nTotal);
    for (int n = 0; n < nChoices; n++) {
        if (r < anWeights[n]) return n;
        r -= anWeights[n];
    }
    return nChoices - 1;
}

int Rookie_Scale(const int anTable[15], int nDraftPosition) {
    int i = Clamp(0, nDraftPosition / 50, 13);
    return anTable[i] - Ratio(anTable[i] - anTable[i + 1], nDraftPosition % 50, 50);
}

int Veteran_Worth(int nPosition, Role role, int nQuality, int nAge) {
    int nWorth =
        SALARY_FLOOR + Ratio(Ratio(POSITION_SCALE[nPosition], Max(0, nQuality + QUALITY_OFFSET), 1000),
                             ROLE_PAY[role], 1000);
    return Salary_On_Grid(Ratio(nWorth, AGE_FACTOR[Clamp(20, nAge, 39) - 20], 100));
}

void Set_Terms(TNUM nTeam, PNUM nPlayer, int nSalary, int nBonus, int nLength, int nLeft) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, Salary_On_Grid(nSalary));
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, nLength);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nLeft);
}
} // namespace

int Salary_On_Grid(int nSalary) {
    if (nSalary <= MINIMUM_SALARY) return MINIMUM_SALARY;
    return (nSalary + 9) / 10 * 10;
}

int Make_Draft_Record(TNUM nTeam, PNUM nPlayer, TNUM nDraftTeam, int nDraftYear, Role role, int nQuality) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    const int* pRounds = Position_Group(nPosition) == GROUP_KICKERS ? KICKER_ROUNDS
                         : nQuality >= STAR_QUALITY     ? STAR_ROUNDS
                         : role == ROLE_STARTER         ? STARTER_ROUNDS
                         : role == ROLE_ROTATION        ? ROTATION_ROUNDS
                                                        : RESERVE_ROUNDS;
    int nRound = Draw_From(pRounds, ROUNDS + 1);
    if (nRound == UNDRAFTED) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED, (FREE_AGENT_TEAM + 1) * 10000 + nDraftYear);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFT_PICK, 0);
        return -1;
    }
    int nTeams = Number_Of_Teams();
    int nPickInRound = Random(nTeams);
    for (int nTry = 0; nTry < nTeams; nTry++) { // each pick of a draft went to one player
        if (s_usedPicks.insert({nDraftYear, nRound * nTeams + nPickInRound}).second) break;
        nPickInRound = (nPickInRound + 1) % nTeams;
    }
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED, (nDraftTeam + 1) * 10000 + nDraftYear);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFT_PICK,
                          (nRound + 1) * 10000 + nRound * nTeams + nPickInRound + 1);
    return 100 * nRound + Ratio(100, nPickInRound, nTeams);
}

void Make_Contract(TNUM nTeam, PNUM nPlayer, Role role, int nQuality, int nDraftPosition) {
    int nExperience = Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE);
    if (nDraftPosition >= 0) {
        int nLength = Rookie_Scale(ROOKIE_LENGTH, nDraftPosition);
        if (nExperience < nLength) {
            Set_Terms(nTeam, nPlayer, Rookie_Scale(ROOKIE_SALARY, nDraftPosition),
                      Rookie_Scale(ROOKIE_BONUS, nDraftPosition), nLength, nLength - nExperience);
            return;
        }
    }
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    int nSalary = Veteran_Worth(nPosition, role, nQuality, Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE));
    int nLength = LENGTH_LO[role] + Random(LENGTH_SPREAD[role]);
    int nLeft = 1 + Random(nLength);
    int nBonus = 0;
    if (nSalary > BONUS_FROM_SALARY) {
        nBonus = Ratio(nSalary * nLength, Random(BONUS_SHARE), 100);
        nBonus -= nBonus % BONUS_STEP;
    }
    Set_Terms(nTeam, nPlayer, nSalary, nBonus, nLength, nLeft);
}

void Make_Free_Agent_Contract(TNUM nTeam, PNUM nPlayer, Role role, int nQuality) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    int nSalary = Veteran_Worth(nPosition, role, nQuality, Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE));
    int nLength = 1 + Random(2);
    Set_Terms(nTeam, nPlayer, nSalary, 0, nLength, nLength);
}

void Scale_Payrolls() {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nTarget = PAYROLL_LO + Random(PAYROLL_SPREAD);
        for (int nPass = 0; nPass < SCALING_PASSES; nPass++) {
            int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
            if (nPayroll <= 0) break;
            for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++) {
                int nSalary = Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY);
                int nBonus = Ratio(Get_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS), nTarget, nPayroll);
                Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY,
                                      Salary_On_Grid(Ratio(nSalary, nTarget, nPayroll)));
                Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus - nBonus % BONUS_STEP);
            }
        }
    }
}
