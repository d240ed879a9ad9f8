#include "database/team.h"
#include "finance/factors.h"

#include <cstdint>
#include <cstdlib>

#include "base/random.h"
#include "database/player.h"

namespace {
constexpr int NEIGHBOUR_DISTANCE = 2000; // thousandths of a degree, longitude plus latitude
constexpr int WEALTHY_CASH = 100000000;
constexpr int DEEP_DEBT = -15000000;
constexpr int SMALL_PAYROLL = 42000; // $ thousands

int Average_Field(int nField) {
    int64_t nSum = 0;
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) {
            nSum += Get_Team_Financial_Stat(nTeam, nField);
            nCount++;
        }
    return nCount == 0 ? 0 : (int)(nSum / nCount);
}
} // namespace

int Saturate(int64_t n) {
    return n > INT32_MAX ? INT32_MAX : n < INT32_MIN ? INT32_MIN : (int)n;
}

int League_Wealth() {
    return Max(500, Ratio(1000, Average_Field(FIN_CASH), 15000000));
}

int Average_Loyalty() {
    return Average_Field(FIN_FAN_LOYALTY);
}

int Team_Income(TNUM nTeam) {
    return Get_Team_City_Data(nTeam, CITY_INCOME);
}

int Ticket_Price_Of(TNUM nTeam) {
    return Clamp(0, Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE), 50000);
}
int Concession_Price_Of(TNUM nTeam, int nField) {
    return Clamp(0, Get_Team_Financial_Stat(nTeam, nField), 10000);
}

int Competition_Factor(TNUM nTeam) {
    int nLongitude = Get_Team_City_Data(nTeam, CITY_LONGITUDE),
        nLatitude = Get_Team_City_Data(nTeam, CITY_LATITUDE);
    int nSum = 0;
    for (TNUM nOther = 0; nOther < NUMBER_OF_FRANCHISES; nOther++) {
        if (nOther == nTeam || !Valid_Team(nOther)) continue;
        int64_t nDistance = std::llabs((int64_t)Get_Team_City_Data(nOther, CITY_LONGITUDE) - nLongitude) +
                            std::llabs((int64_t)Get_Team_City_Data(nOther, CITY_LATITUDE) - nLatitude);
        if (nDistance < NEIGHBOUR_DISTANCE)
            nSum += Ratio(500, NEIGHBOUR_DISTANCE - nDistance, NEIGHBOUR_DISTANCE);
    }
    return Ratio(1000, 1000, nSum + 1000);
}

int Team_Market(TNUM nTeam) {
    int64_t nPeople = (int64_t)Get_Team_City_Data(nTeam, CITY_POPULATION) +
                      Get_Team_City_Data(nTeam, CITY_REGION_POPULATION);
    return Ratio((int64_t)Root(nPeople) * 60, Competition_Factor(nTeam), 1000);
}

int Stadium_Quality(TNUM nTeam) {
    return (Get_Stadium_Field(nTeam, STADIUM_SIGHT_LINES) +
            2 * (Get_Stadium_Field(nTeam, STADIUM_CONVENIENCE) + Get_Stadium_Field(nTeam, STADIUM_COMFORT))) /
           5;
}

int Apply_Cash_Factors(TNUM nTeam, int nAmount) {
    int nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    if (nCash > WEALTHY_CASH) nAmount = Ratio(nAmount, Ratio(1000, WEALTHY_CASH, nCash), 1000);
    if (nCash < DEEP_DEBT) nAmount = Ratio(nAmount, Ratio(1000, nCash, DEEP_DEBT), 1000);
    return nAmount;
}

int Spending_Index(TNUM nTeam) {
    int x =
        Ratio(Ratio(6000, Team_Income(nTeam), 25000), Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY), 1000);
    if (Human_Managed(nTeam)) x = Ratio(x, 1100 - 100 * Get_Game_State(GS_DIFFICULTY), 1000);
    x = Apply_Cash_Factors(nTeam, x);
    if (!Human_Managed(nTeam)) {
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        if (nPayroll < SMALL_PAYROLL)
            x = Ratio(x, Ratio(1000, 2 * SMALL_PAYROLL, nPayroll + SMALL_PAYROLL), 1000);
    }
    return Max(1, Ratio(x, 1000, League_Wealth()));
}

// The first playoff round is a playoff game like the others: its gate is
// doubled and it pays no broadcast money or salaries.
bool Is_Postseason() {
    return Current_Week() >= First_Playoff_Week();
}

int Payroll_Per_Game(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int64_t nSum = 0;
    int nPlayers = Number_Of_Players(nTeam);
    for (PNUM nPlayer = 0; nPlayer < nPlayers; nPlayer++)
        nSum += Ratio(Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY), 1000, nGames);
    return Saturate(nSum);
}

void Lose_Loyalty_Point(TNUM nTeam) {
    Set_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY,
                            Max(LOYALTY_FLOOR, Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY) - 1));
}
