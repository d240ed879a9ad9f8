#include "money_league.h"

#include <cstring>

#include "database/random.h"

namespace {
constexpr int FIRST_PLAYOFF_WEEK = 17;
}

void MoneyTest::SetUp() {
    LeagueTest::SetUp();
    Seed_Random(1998);
}

int MoneyTest::Fin(TNUM nTeam, int nField) { return g_League.aTeams[nTeam].data.anFinancial[nField]; }
void MoneyTest::Set_Fin(TNUM nTeam, int nField, int nValue) { g_League.aTeams[nTeam].data.anFinancial[nField] = nValue; }

void MoneyTest::Make_League(int nTeams) {
    Use_Teams(nTeams);
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anCalendar[0] = FIRST_PLAYOFF_WEEK;
    g_League.anGameState[GS_CURRENT_WEEK] = 3;
    g_League.anGameState[GS_DIFFICULTY] = 1;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        CityRecord& city = g_League.aCities[nTeam];
        strcpy(city.szName, "City");
        city.anData[0] = 1000000;
        city.anData[1] = 2500000;
        city.anData[3] = 25000;
        city.anData[5] = 70000 + 10000 * nTeam;
        city.anData[6] = 30000;
        TeamData& data = g_League.aTeams[nTeam].data;
        data.anStats[2] = 1;
        data.anStats[3] = nTeam;
        data.anStadium[0] = 200000;
        data.anStadium[5] = data.anStadium[6] = data.anStadium[7] = 1000;
        data.anFinancial[0] = 1000;
        data.anFinancial[1] = 2500;
        data.anFinancial[68] = 15000000;
    }
}

void MoneyTest::Add_Player(TNUM nTeam, int nSalary, int nAge, int nYearsLeft) {
    for (auto& player : g_League.aTeams[nTeam].aPlayers) {
        if (player.anVital[0] != 0) continue;
        player.anVital[0] = 1000 + nTeam * 100 + (int)(&player - g_League.aTeams[nTeam].aPlayers);
        player.anVital[7] = nAge;
        player.anVital[11] = nSalary;
        player.anVital[12] = nYearsLeft;
        player.anVital[25] = nYearsLeft;
        return;
    }
}

void MoneyTest::Move_Team_To_City_Of(TNUM nTeam, TNUM nOther) {
    g_League.aTeams[nTeam].data.anStats[3] = g_League.aTeams[nOther].data.anStats[3];
}

void MoneyTest::Record_Result(TNUM nHome, TNUM nVisitor, int nWeek, int nHomePoints, int nVisitorPoints) {
    int nRecord = nWeek;  // one game record per week is plenty here
    uint8_t* pGame = g_League.aGames[nRecord].abBytes;
    pGame[0] = (uint8_t)nVisitor;
    pGame[1] = (uint8_t)nHome;
    int32_t anScore[2] = {nVisitorPoints, nHomePoints};
    memcpy(pGame + 4, anScore, sizeof anScore);
    int32_t* pHomeSlot = g_League.aTeams[nHome].data.anSchedule[nWeek];
    int32_t* pVisitorSlot = g_League.aTeams[nVisitor].data.anSchedule[nWeek];
    pHomeSlot[0] = nVisitor + 1;
    pVisitorSlot[0] = -(nHome + 1);
    pHomeSlot[3] = pVisitorSlot[3] = nRecord;
}
