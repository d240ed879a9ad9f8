// Contract terms. Free agents ask most at the start of a season and least in
// its middle weeks; older players cannot be talked into cheaper long deals.
#include "personnel/contracts.h"

#include "base/random.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "personnel/ratings.h"

namespace {
constexpr int ROOKIE_TABLE_ENTRIES = 15;
constexpr int ROOKIE_TABLE_STEP = 50;  // draft positions between entries
constexpr int LAST_DRAFT_POSITION = ROOKIE_TABLE_STEP * (ROOKIE_TABLE_ENTRIES - 1);

const int ROOKIE_SALARY[ROOKIE_TABLE_ENTRIES] = {4000, 1750, 1000, 700, 550, 450, 350, 325,
                                                 300,  290,  280,  270, 260, 250, 250};
const int ROOKIE_BONUS[ROOKIE_TABLE_ENTRIES] = {9500, 3500, 1500, 800, 600, 400, 300, 200, 100, 100, 0, 0, 0, 0, 0};
const int ROOKIE_LENGTH[ROOKIE_TABLE_ENTRIES] = {6, 5, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};

constexpr int FIRST_AGE_FACTOR = 20;
constexpr int LAST_AGE_FACTOR = 39;
const int AGE_FACTOR[LAST_AGE_FACTOR - FIRST_AGE_FACTOR + 1] = {90,  93,  96,  99,  102, 105, 108, 111, 114, 117,
                                                                120, 120, 118, 116, 114, 112, 110, 108, 105, 100};

constexpr int SHORTEST_CONTRACT = 2;
constexpr int LONGEST_CONTRACT = 7;
constexpr int SHORTER_CONTRACT_AGE = 32;  // from here on the preferred length shrinks
constexpr int FLEXIBLE_AGE_LIMIT = 28;    // from here on the length no longer moves the salary
constexpr int BONUS_INTEREST = 1120;      // per mille a year a bonus buys down

int Interpolate(const int* anTable, int nPosition) {
    int p = Clamp(0, nPosition, LAST_DRAFT_POSITION);
    int i = p / ROOKIE_TABLE_STEP;
    if (i + 1 >= ROOKIE_TABLE_ENTRIES) return anTable[ROOKIE_TABLE_ENTRIES - 1];
    return anTable[i] - Ratio(anTable[i] - anTable[i + 1], p % ROOKIE_TABLE_STEP, ROOKIE_TABLE_STEP);
}

bool Is_Prospect(TNUM nTeam) { return nTeam >= DRAFT_POOL_TEAMS && nTeam <= TOTAL_NUMBER_OF_TEAMS; }
}  // namespace

int Rookie_Draft_Position(TNUM, PNUM) {
    return 100 * Get_Game_State(GS_DRAFT_ROUND) + Ratio(100, Get_Game_State(GS_DRAFT_PICK), Number_Of_Teams());
}

int Rookie_Salary(int nDraftPosition) { return Interpolate(ROOKIE_SALARY, nDraftPosition); }
int Rookie_Bonus(int nDraftPosition) { return Interpolate(ROOKIE_BONUS, nDraftPosition); }
int Rookie_Contract_Length(int nDraftPosition) { return Interpolate(ROOKIE_LENGTH, nDraftPosition); }

int Preferred_Contract_Length(TNUM nTeam, PNUM nPlayer) {
    if (Is_Prospect(nTeam)) return Rookie_Contract_Length(Rookie_Draft_Position(nTeam, nPlayer));
    int e = Root(Player_Current_Value(nTeam, nPlayer)) * 4 + 350;
    int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    if (nAge >= SHORTER_CONTRACT_AGE) e = Ratio(e, 4, nAge - 27);
    return Clamp(SHORTEST_CONTRACT, e / 100, LONGEST_CONTRACT);
}

int Round_Asking_Salary(int nSalary) {
    if (nSalary <= MINIMUM_SALARY) return MINIMUM_SALARY;
    return (nSalary + 9) / 10 * 10;
}

int Base_Asking_Salary(TNUM nTeam, PNUM nPlayer) {
    int nAge = Clamp(FIRST_AGE_FACTOR, Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE), LAST_AGE_FACTOR);
    int m = Ratio(Player_Current_Value(nTeam, nPlayer), AGE_FACTOR[nAge - FIRST_AGE_FACTOR], 100);
    if (m > 6000) m = m / 2 + 3000;
    int c = 100 * Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE);
    if (m < c) m = m + (m + c) / 2;
    // The pool is dear before a season and after it, cheap in the middle weeks.
    if (nTeam == FREE_AGENT_TEAM) {
        if (Season_Is_Over())
            m = Ratio(m, 1250, 1000);
        else if (Current_Week() < TRADE_DEADLINE_WEEK)
            m = Ratio(m, 1250 - 100 * Min(Current_Week(), 6), 1000);
    }
    return Round_Asking_Salary(Ratio(m, 71100000, 55000000));
}

int Minimum_Signing_Bonus(TNUM nTeam, PNUM nPlayer) {
    if (Is_Prospect(nTeam)) return Rookie_Bonus(Rookie_Draft_Position(nTeam, nPlayer));
    int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    int c = Ratio(Base_Asking_Salary(nTeam, nPlayer) / 2 - MINIMUM_SALARY, 18, nAge - 10);
    return Max(0, c - c % 100);
}

void Compute_Asking_Salary(TNUM nTeam, PNUM nPlayer) {
    int nYears = Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT);
    int nBonus = Max(Get_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS), Minimum_Signing_Bonus(nTeam, nPlayer));
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus);
    int nPreferred = Preferred_Contract_Length(nTeam, nPlayer);
    int h = Max(0, FLEXIBLE_AGE_LIMIT - Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE));
    // Each year beyond what he prefers costs h per cent more, each year short of it h less.
    int m = Ratio(Base_Asking_Salary(nTeam, nPlayer), (h * (nYears - nPreferred) + 100) * 10, 1000);
    if (Is_Prospect(nTeam)) m = Ratio(Rookie_Salary(Rookie_Draft_Position(nTeam, nPlayer)), 9, 10) + m / 10;
    if (nYears > 0 && nBonus > 0) {
        int x = nBonus;
        for (int nYear = 0; nYear < nYears; nYear++) x = Ratio(x, BONUS_INTEREST, 1000);
        m -= x / nYears;
    }
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, Round_Asking_Salary(m));
}

int Cap_Impact(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_CAP_IMPACT); }

int Cap_Room(TNUM nTeam, TNUM nPlayerTeam, PNUM nPlayer) {
    int nRoom = Get_League_Rule(LR_SALARY_CAP) / 1000 - Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    if (nPlayerTeam != nTeam) nRoom -= Cap_Impact(nPlayerTeam, nPlayer);
    return nRoom;
}

bool Signing_Window_Open() {
    return Get_Game_State(GS_COMMISSIONER) || Current_Week() < TRADE_DEADLINE_WEEK || Season_Is_Over();
}
