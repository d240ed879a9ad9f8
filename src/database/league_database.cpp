#include "database/league_database.h"

#include <cstring>
#include <utility>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "platform/platform.h"

LeagueDatabase g_League;

namespace {
int g_nTeamsInUse = 0;

const char* const SPECIAL_ABBREVIATIONS[] = {"---", "HOF", "UND", "UND", "UND"};
const char* const SPECIAL_NAMES[] = {"Free Agent", "Hall Of Fame", "Undrafted", "Undrafted", "Undrafted"};

bool Team_In_Range(TNUM nTeam) { return nTeam >= 0 && nTeam <= TOTAL_NUMBER_OF_TEAMS; }
}  // namespace

void Copy_Field(char* pField, int nWidth, const char* szText) {
    if (nWidth <= 0) return;
    if (!szText) szText = "";
    size_t nLength = strnlen(szText, (size_t)nWidth - 1);
    memcpy(pField, szText, nLength);
    pField[nLength] = '\0';
}

void Clear_League() {
    memset(&g_League, 0, sizeof g_League);
    g_nTeamsInUse = 0;
    Forget_History_Allocation();
}

int Get_Game_State(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_GAME_STATE_ENTRIES) {
        Error_Log("Invalid index in Get_Game_State(%d)", nIndex);
        return 0;
    }
    return g_League.anGameState[nIndex];
}

void Set_Game_State(int nIndex, int nValue) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_GAME_STATE_ENTRIES) {
        Error_Log("Invalid index in Set_Game_State(%d)", nIndex);
        return;
    }
    g_League.anGameState[nIndex] = nValue;
}

int Get_League_Rule(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_LEAGUE_RULES) {
        Error_Log("Invalid index in Get_League_Rule(%d)", nIndex);
        return 0;
    }
    return g_League.anRules[nIndex];
}

void Set_League_Rule(int nIndex, int nValue) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_LEAGUE_RULES) {
        Error_Log("Invalid index in Set_League_Rule(%d)", nIndex);
        return;
    }
    g_League.anRules[nIndex] = nValue;
}

int Add_League_Rule(int nIndex, int nAmount, int nLo, int nHi) {
    int nValue = Clamp(nLo, Get_League_Rule(nIndex) + nAmount, nHi);
    Set_League_Rule(nIndex, nValue);
    return Get_League_Rule(nIndex);
}

int Current_Season_Index() { return g_League.anGameState[GS_SEASON_INDEX]; }
int Current_Calendar_Year() { return g_League.anRules[LR_START_YEAR] + Current_Season_Index(); }
int Current_Week() { return g_League.anGameState[GS_CURRENT_WEEK]; }
bool College_Draft_Running() {
    int nRound = Get_Game_State(GS_DRAFT_ROUND);
    return nRound >= 0 && nRound < NUMBER_OF_DRAFT_ROUNDS;
}

int First_Playoff_Week() { return Max(2, g_League.anCalendar[0]); }

void Get_League_Name(int nIndex, char* szOut) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_LEAGUES) {
        Error_Log("Invalid Get_League_Name(%d) call.", nIndex);
        return;
    }
    Copy_Field(szOut, 16, g_League.aszLeagueNames[nIndex]);
}

void Set_League_Name(const char* szName, int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_LEAGUES) {
        Error_Log("Invalid Set_League_Name(%d) call.", nIndex);
        return;
    }
    Copy_Field(g_League.aszLeagueNames[nIndex], 16, szName);
}

void Get_Division_Name(int nIndex, char* szOut) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_DIVISIONS) {
        Error_Log("Invalid Get_Division_Name(%d) call.", nIndex);
        return;
    }
    Copy_Field(szOut, 12, g_League.aszDivisionNames[nIndex]);
}

void Set_Division_Name(const char* szName, int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_DIVISIONS) {
        Error_Log("Invalid Set_Division_Name(%d) call.", nIndex);
        return;
    }
    Copy_Field(g_League.aszDivisionNames[nIndex], 12, szName);
}

bool Valid_Team(TNUM nTeam) {
    if (nTeam == NO_TEAM || nTeam == -1) return false;
    if (!Team_In_Range(nTeam)) {
        Error_Log("Invalid Team Number in Valid_Team(%d)", nTeam);
        return false;
    }
    return g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] != TEAM_NOT_IN_USE;
}

int Count_Teams() {
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) nCount++;
    g_nTeamsInUse = nCount;
    return nCount;
}

int Number_Of_Teams() { return g_nTeamsInUse; }

TNUM Get_Team_Division(TNUM nTeam) {
    if (!Team_In_Range(nTeam)) return NO_TEAM;
    if (nTeam >= Number_Of_Teams()) return NUMBER_OF_DIVISIONS;
    return (TNUM)g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION];
}

TNUM Get_Team_League(TNUM nTeam) {
    if (!Team_In_Range(nTeam)) return NO_TEAM;
    if (nTeam >= Number_Of_Teams()) return NUMBER_OF_LEAGUES;
    return (TNUM)(g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION] / 4);
}

TNUM Get_Division_Team(int nDivision, int n) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Get_Team_Division(nTeam) == nDivision && n-- == 0) return nTeam;
    return NO_TEAM;
}

TNUM Get_League_Team(int nLeague, int n) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Get_Team_League(nTeam) == nLeague && n-- == 0) return nTeam;
    return NO_TEAM;
}

int Division_Team_Count(int nDivision) {
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Get_Team_Division(nTeam) == nDivision) nCount++;
    return nCount;
}

int League_Team_Count(int nLeague) {
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Get_Team_League(nTeam) == nLeague) nCount++;
    return nCount;
}

void Get_Team_String(TNUM nTeam, int nIndex, char* szOut) {
    if (nTeam > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("nTeam > TOTAL_NUMBER_OF_TEAMS in Get_Team_String()");
        strcpy(szOut, "OUTOFRANGE");
        return;
    }
    if (nTeam < COLLEGE_FRESHMAN) {
        Error_Log("nTeam < COLLEGE_FRESHMAN in Get_Team_String()");
        strcpy(szOut, "OUTOFRANGE");
        return;
    }
    if (nIndex < 0 || nIndex > 7) {
        Error_Log("Invalid nIndex in Get_Team_String(%d)", nIndex);
        szOut[0] = '\0';
        return;
    }
    if (nTeam >= FREE_AGENT_TEAM) {
        const char* szText = "";
        if (nIndex == TS_ABBREVIATION) szText = SPECIAL_ABBREVIATIONS[nTeam - FREE_AGENT_TEAM];
        if (nIndex == TS_CITY) szText = SPECIAL_NAMES[nTeam - FREE_AGENT_TEAM];
        strcpy(szOut, szText);
        return;
    }
    // The manager's name may run on into strings 6 and 7.
    int nWidth = nIndex == TS_MANAGER ? 64 : 32;
    Copy_Field(szOut, nWidth, g_League.aTeams[nTeam].aszStrings[nIndex]);
}

void Set_Team_String(const char* szText, TNUM nTeam, int nIndex) {
    if (nTeam == NO_TEAM) return;
    if (!Team_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Set_Team_String()");
        return;
    }
    if (nIndex < 0 || nIndex > 7) {
        Error_Log("Invalid nIndex in Set_Team_String(%d)", nIndex);
        return;
    }
    int nWidth = nIndex == TS_MANAGER ? 64 : 32;
    Copy_Field(g_League.aTeams[nTeam].aszStrings[nIndex], nWidth, szText);
}

static bool Block_In_Use(int nTeam) { return g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] != TEAM_NOT_IN_USE; }

static int Compare_Teams(int nTeamA, int nTeamB) {
    const TeamBlock& a = g_League.aTeams[nTeamA];
    const TeamBlock& b = g_League.aTeams[nTeamB];
    int nOrder = strncmp(a.aszStrings[TS_CITY], b.aszStrings[TS_CITY], 32);
    if (nOrder != 0) return nOrder;
    return strncmp(a.aszStrings[TS_NICKNAME], b.aszStrings[TS_NICKNAME], 32);
}

// Puts the block of old code anOrder[n] at code n, one cycle at a time.
static void Move_Team_Blocks(const TNUM anOrder[NUMBER_OF_FRANCHISES]) {
    static TeamBlock held;
    bool abPlaced[NUMBER_OF_FRANCHISES] = {};
    for (int nStart = 0; nStart < NUMBER_OF_FRANCHISES; nStart++) {
        if (abPlaced[nStart] || anOrder[nStart] == nStart) continue;
        memcpy(&held, &g_League.aTeams[nStart], sizeof held);
        int nTo = nStart;
        while (anOrder[nTo] != nStart) {
            memcpy(&g_League.aTeams[nTo], &g_League.aTeams[anOrder[nTo]], sizeof held);
            abPlaced[nTo] = true;
            nTo = anOrder[nTo];
        }
        memcpy(&g_League.aTeams[nTo], &held, sizeof held);
        abPlaced[nTo] = true;
    }
}

// Unused blocks behind the used ones and, when sorting, the used ones in
// order. The order is worked out on the codes first, by the same neighbour
// exchanges the blocks would make; then the blocks move once and the codes
// with them.
static void Arrange_Team_Blocks(bool bSort) {
    TNUM anOrder[NUMBER_OF_FRANCHISES];  // the old code that ends up at each code
    for (int n = 0; n < NUMBER_OF_FRANCHISES; n++) anOrder[n] = (TNUM)n;
    for (int nPass = 0; nPass < NUMBER_OF_FRANCHISES; nPass++)
        for (int n = 0; n < NUMBER_OF_FRANCHISES - 1; n++)
            if (!Block_In_Use(anOrder[n]) && Block_In_Use(anOrder[n + 1])) std::swap(anOrder[n], anOrder[n + 1]);
    int nTeams = 0;
    while (nTeams < NUMBER_OF_FRANCHISES && Block_In_Use(anOrder[nTeams])) nTeams++;
    for (int nPass = 0; bSort && nPass < nTeams; nPass++)
        for (int n = 0; n < nTeams - 1; n++)
            if (Compare_Teams(anOrder[n], anOrder[n + 1]) > 0) std::swap(anOrder[n], anOrder[n + 1]);
    TNUM anNewCode[NUMBER_OF_FRANCHISES];
    bool bMoved = false;
    for (int n = 0; n < NUMBER_OF_FRANCHISES; n++) {
        anNewCode[anOrder[n]] = (TNUM)n;
        if (anOrder[n] != n) bMoved = true;
    }
    if (bMoved) {
        Move_Team_Blocks(anOrder);
        Renumber_Team_Codes(anNewCode);
    }
    Count_Teams();
}

void Sort_Teams() { Arrange_Team_Blocks(true); }

void Erase_Team(TNUM nTeam) {
    if (!Valid_Team(nTeam)) {
        Error_Log("Invalid nTeam passed to Erase_Team().");
        return;
    }
    memset(&g_League.aTeams[nTeam], 0, sizeof(TeamBlock));
    g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = TEAM_NOT_IN_USE;
    Arrange_Team_Blocks(false);
    int nTeams = Number_Of_Teams();
    TNUM nUser = (TNUM)g_League.anGameState[GS_USER_TEAM];
    if (!Team_In_Range(nUser) || nUser >= NUMBER_OF_FRANCHISES || !Valid_Team(nUser))
        g_League.anGameState[GS_USER_TEAM] = nTeams - 1;
}

// ---- Cities ----

static bool City_In_Range(int nCity) { return nCity >= 0 && nCity < NUMBER_OF_CITIES; }

int Number_Of_Cities() {
    int n = 0;
    while (n < NUMBER_OF_CITIES && g_League.aCities[n].szName[0] != '\0') n++;
    return n;
}

int Get_City_Data(int nCity, int nField) {
    if (!City_In_Range(nCity) || nField < 0 || nField >= 10) {
        Error_Log("Invalid city field in Get_City_Data(%d,%d)", nCity, nField);
        return 0;
    }
    return g_League.aCities[nCity].anData[nField];
}

void Set_City_Data(int nCity, int nField, int nValue) {
    if (!City_In_Range(nCity) || nField < 0 || nField >= 10) {
        Error_Log("Invalid city field in Set_City_Data(%d,%d)", nCity, nField);
        return;
    }
    g_League.aCities[nCity].anData[nField] = nValue;
}

const char* Get_City_Name(int nCity) {
    if (!City_In_Range(nCity)) return "";
    g_League.aCities[nCity].szName[19] = '\0';
    return g_League.aCities[nCity].szName;
}

void Set_City_Name(int nCity, const char* szName) {
    if (City_In_Range(nCity)) Copy_Field(g_League.aCities[nCity].szName, 20, szName);
}

const char* Get_City_Photo(int nCity) {
    if (!City_In_Range(nCity)) return "";
    g_League.aCities[nCity].szPhoto[11] = '\0';
    return g_League.aCities[nCity].szPhoto;
}

void Set_City_Photo(int nCity, const char* szPhoto) {
    if (City_In_Range(nCity)) Copy_Field(g_League.aCities[nCity].szPhoto, 12, szPhoto);
}

// A caller's own city index that must follow the entries while they move.
static int32_t* s_pTrackedCity = nullptr;

// Exchanges two city entries and every reference to them.
static void Exchange_Cities(int nCityA, int nCityB) {
    CityRecord temp = g_League.aCities[nCityA];
    g_League.aCities[nCityA] = g_League.aCities[nCityB];
    g_League.aCities[nCityB] = temp;
    auto repoint = [&](int32_t& nRef) {
        if (nRef == nCityA)
            nRef = nCityB;
        else if (nRef == nCityB)
            nRef = nCityA;
    };
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Block_In_Use(nTeam)) repoint(g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CITY]);
    repoint(g_League.anGameState[GS_CITY]);
    if (s_pTrackedCity) repoint(*s_pTrackedCity);
}

void Sort_Cities() {
    int nCities = Number_Of_Cities();
    for (int nPass = 0; nPass < nCities; nPass++)
        for (int nCity = 0; nCity < nCities - 1; nCity++)
            if (strncmp(g_League.aCities[nCity].szName, g_League.aCities[nCity + 1].szName, 20) > 0)
                Exchange_Cities(nCity, nCity + 1);
}

void Set_Default_City_Data(int nCity) {
    static const int32_t DEFAULTS[10] = {1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0};
    if (nCity < 0 || nCity >= NUMBER_OF_CITIES) {
        Error_Log("Invalid nCity in Set_Default_City_Data(%d)", nCity);
        return;
    }
    memcpy(g_League.aCities[nCity].anData, DEFAULTS, sizeof DEFAULTS);
}

int Add_City(const char* szName) {
    int nCity = Number_Of_Cities();
    if (nCity >= NUMBER_OF_CITIES) return -1;
    CityRecord& city = g_League.aCities[nCity];
    memset(&city, 0, sizeof city);
    Copy_Field(city.szName, 20, szName);
    Set_Default_City_Data(nCity);
    int32_t nNewIndex = nCity;
    s_pTrackedCity = &nNewIndex;
    Sort_Cities();
    s_pTrackedCity = nullptr;
    return nNewIndex;
}

void Erase_City(int nCity) {
    if (!City_In_Range(nCity)) return;
    memset(&g_League.aCities[nCity], 0, sizeof(CityRecord));
    for (int nPass = 0; nPass < NUMBER_OF_CITIES; nPass++)
        for (int n = 0; n < NUMBER_OF_CITIES - 1; n++)
            if (g_League.aCities[n].szName[0] == '\0' && g_League.aCities[n + 1].szName[0] != '\0')
                Exchange_Cities(n, n + 1);
}
