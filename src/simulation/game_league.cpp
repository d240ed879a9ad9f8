// The game's door to the league. The player, team, rating and injury modules
// are not all in yet; until they are, the few reads and writes the game needs
// are done here on the record directly, and nowhere else.
#include "simulation/game_league.h"

#include <initializer_list>

#include "database/random.h"
#include "database/text_format.h"

namespace {
PlayerRecord* Player(TNUM nTeam, PNUM nSlot) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) return nullptr;
    return &g_League.aTeams[nTeam].aPlayers[nSlot];
}
TeamData* Team(TNUM nTeam) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS) return nullptr;
    return &g_League.aTeams[nTeam].data;
}
bool Regular_Season() { return Current_Week() < First_Playoff_Week(); }
}  // namespace

int Game_Position_Group(int nPosition) {
    if (nPosition <= P_WR) return 0;
    if (nPosition <= P_C) return 1;
    if (nPosition <= P_S) return 2;
    return 3;
}

int Game_Position_Side(int nPosition) {
    if (nPosition <= P_C) return 0;
    if (nPosition <= P_S) return 1;
    return 2;
}

bool Game_Slot_Filled(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p && p->anVital[0] != 0;
}

int Game_Player_ID(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p ? p->anVital[0] : 0;
}

int Game_Player_Position(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p ? Clamp(0, p->anVital[1], P_P) : 0;
}

bool Game_Player_Injured(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p && p->anVital[15] > 0;
}

bool Game_Player_Played(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p && p->anVital[29] != 0;
}

void Game_Set_Player_Played(TNUM nTeam, PNUM nSlot, bool bPlayed) {
    if (PlayerRecord* p = Player(nTeam, nSlot)) p->anVital[29] = bPlayed ? 1 : 0;
}

int Game_Player_Stat(TNUM nTeam, PNUM nSlot, int nPeriod, int nStat) {
    PlayerRecord* p = Player(nTeam, nSlot);
    if (!p || nPeriod < 0 || nPeriod >= NUMBER_OF_STAT_PERIODS || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return 0;
    return p->anStats[nPeriod][nStat];
}

// Until the rating module is in, every player rates as an average starter.
int Game_Player_Rating(TNUM nTeam, PNUM nSlot, int nRating) {
    (void)nTeam, (void)nSlot, (void)nRating;
    return 75;
}

void Game_Add_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount) {
    PlayerRecord* p = Player(nTeam, nSlot);
    if (!p || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return;
    p->anStats[GAME_THIS_SEASON][nStat] += nAmount;
    p->anStats[GAME_CAREER][nStat] += nAmount;
    int nRecord = p->nOpenRecord;
    if (nRecord >= 0 && nRecord < NUMBER_OF_HISTORY_RECORDS &&
        g_League.aHistory[nRecord].nYear == Current_Calendar_Year())
        g_League.aHistory[nRecord].anStats[nStat] += nAmount;
}

void Game_Raise_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nValue) {
    PlayerRecord* p = Player(nTeam, nSlot);
    if (!p || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return;
    for (int nPeriod : {GAME_THIS_SEASON, GAME_CAREER})
        if (p->anStats[nPeriod][nStat] < nValue) p->anStats[nPeriod][nStat] = nValue;
}

const char* Game_Player_Last_Name(TNUM nTeam, PNUM nSlot) {
    PlayerRecord* p = Player(nTeam, nSlot);
    return p ? p->szLastName : "";
}

void Game_Player_Full_Name(TNUM nTeam, PNUM nSlot, char* szOut) {
    PlayerRecord* p = Player(nTeam, nSlot);
    if (!p) {
        szOut[0] = '\0';
        return;
    }
    Format_Text(szOut, "%.11s %.19s", p->szFirstName, p->szLastName);
}

bool Game_Team_Human(TNUM nTeam) {
    TeamData* t = Team(nTeam);
    return t && t->anStats[2] == 1;
}

PNUM Game_Returner(TNUM nTeam, int nKind) {
    TeamData* t = Team(nTeam);
    return t ? t->abReturners[nKind & 1] : 0;
}

void Game_Set_Returner(TNUM nTeam, int nKind, PNUM nSlot) {
    if (TeamData* t = Team(nTeam)) t->abReturners[nKind & 1] = nSlot;
}

int Game_Stadium_Capacity(TNUM nTeam) {
    TeamData* t = Team(nTeam);
    return t ? t->anStadium[0] : 0;
}

int Game_Team_City_Data(TNUM nTeam, int nField) {
    TeamData* t = Team(nTeam);
    return t ? Get_City_Data(t->anStats[3], nField) : 0;
}

int Game_Kickoff_Time(TNUM nTeam, int nWeek) {
    TeamData* t = Team(nTeam);
    if (!t || nWeek < 0 || nWeek >= SCHEDULE_SLOTS) return 0;
    return t->anSchedule[nWeek][1];
}

void Game_Add_Team_Total(TNUM nTeam, int nLine, int nStat, int nAmount) {
    TeamData* t = Team(nTeam);
    if (!t || nLine < 0 || nLine >= 6 || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return;
    t->anTotals[nLine][GAME_THIS_SEASON][nStat] += nAmount;
    t->anTotals[nLine][GAME_CAREER][nStat] += nAmount;
}

namespace {
void Add_Yearly(TNUM nTeam, int nField, int nHomeField, bool bHome) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) return;
    int nSeason = Current_Season_Index();
    if (nSeason < 0 || nSeason >= NUMBER_OF_SEASONS) return;
    int32_t* pYear = g_League.aTeams[nTeam].data.anYearly[nSeason];
    pYear[nField]++;
    if (bHome && nHomeField >= 0) pYear[nHomeField]++;
}
}  // namespace

void Game_Book_Win(TNUM nTeam, bool bHome) {
    if (Regular_Season())
        Add_Yearly(nTeam, 0, 3, bHome);
    else
        Add_Yearly(nTeam, 6, -1, bHome);
}

void Game_Book_Loss(TNUM nTeam, bool bHome) {
    if (Regular_Season())
        Add_Yearly(nTeam, 1, 4, bHome);
    else
        Add_Yearly(nTeam, 7, -1, bHome);
}

void Game_Book_Tie(TNUM nTeam, bool bHome) { Add_Yearly(nTeam, 2, 5, bHome); }

// Until the injury model is in, the exposure draws its chance and hurts nobody.
bool Game_Try_Injury(TNUM nTeam, PNUM nSlot) {
    (void)nTeam, (void)nSlot;
    Random(1000);
    return false;
}
