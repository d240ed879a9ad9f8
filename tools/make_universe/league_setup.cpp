// The league around the players: rules, conferences and divisions, the city
// table, the franchises with their stadiums and ticket prices, the draft
// picks and the game state of a league nobody has played yet.
#include <cstdio>
#include <cstdlib>

#include "base/random.h"
#include "database/team.h"
#include "universe.h"

namespace {
const char* const CONFERENCE_NAMES[NUMBER_OF_LEAGUES] = {"Eastmarch", "Westreach"};
const char* const DIVISION_NAMES[NUMBER_OF_DIVISIONS] = {"Seaboard",  "Ironridge", "Magnolia", "Lakeshore",
                                                         "Heartland", "Delta",     "Canyon",   "Cascade"};

constexpr int GAMES_PER_SEASON = 16;
constexpr int PRICE_LEVEL = 1000;
constexpr int SALARY_CAP = 71100000;

enum { CONTROL_UNUSED = -1, CONTROL_COMPUTER = 0 };
enum {
    STADIUM_CAPACITY,
    STADIUM_STRUCTURE,
    STADIUM_SURFACE,
    STADIUM_YEAR,
    STADIUM_VALUE,
    STADIUM_CONVENIENCE,
    STADIUM_COMFORT,
    STADIUM_SIGHT_LINES,
};

// A ticket costs about half of what a fan of the market spends at a game:
// $30.00 in a $25,000-income city of neutral loyalty.
constexpr int TICKET_PRICE_AT_BASE_INCOME = 3000; // cents
constexpr int BASE_INCOME = 25000;
constexpr int TICKET_PRICE_STEP = 25;

// Game state of a new league, as a new game would set it.
struct StateEntry {
    int nIndex, nValue;
};
const StateEntry NEW_GAME_STATE[] = {
    {GS_SEASON_INDEX, 0},
    {GS_CURRENT_WEEK, 0},
    {GS_GAMES_GAME, -1},
    {GS_GAMES_SCROLL, 0},
    {GS_RESERVED_40, 3},
    {GS_DRAFT_ROUND, 7},
    {GS_SIMULATING, 0},
    {GS_SEARCH_AGE, 50},
    {GS_SEARCH_RATING_FIRST + 0, 50},
    {GS_SEARCH_RATING_FIRST + 1, 50},
    {GS_SEARCH_RATING_FIRST + 2, 50},
    {GS_SEARCH_RATING_FIRST + 3, 50},
    {GS_SEARCH_RATING_LAST, 50},
    {GS_SEARCH_SALARY, 20000},
    {GS_COMMISSIONER, 0},
    {GS_SAVE_MODE, 1},
    {GS_COMPUTER_TRADES, 1},
    {GS_USER_TEAM, 0},
    {GS_RATING_VALID, 1},
};

int Stadium_Value(int nCapacity, int nStructure, int nSurface, int nConvenience, int nComfort,
                  int nSightLines, int nPopulation, int nIncome) {
    static const int STRUCTURE_FACTOR[3] = {1000, 1200, 1500}; // open, domed, convertible
    static const int SURFACE_BONUS[2] = {10000000, 0};         // grass, turf
    int nIncomeFactor = Ratio(1000, nIncome, BASE_INCOME);
    int nMarketFactor = Ratio(nIncomeFactor, nPopulation, 1000000);
    int nConvenienceTerm = Ratio(nConvenience, nMarketFactor, 1000);
    int nComfortTerm = Ratio(nComfort, nIncomeFactor, 1000);
    int nBase = Ratio((int64_t)nCapacity * 1000 + 100000000, STRUCTURE_FACTOR[Clamp(0, nStructure, 2)], 1000);
    int nValue = Ratio(nBase + SURFACE_BONUS[Clamp(0, nSurface, 1)], nConvenienceTerm + 1000, 2000);
    nValue = Ratio(nValue, nComfortTerm + 1000, 2000);
    nValue = Ratio(nValue, nSightLines + 3000, 4000);
    return (nValue + 500000) / 1000000 * 1000000;
}

[[noreturn]] void Fail(const std::string& szWhat) {
    fprintf(stderr, "make_universe: %s\n", szWhat.c_str());
    exit(1);
}

void Set_Rules_And_Names() {
    Set_League_Rule(LR_GAMES_PER_SEASON, GAMES_PER_SEASON);
    Set_League_Rule(LR_PRICE_LEVEL, PRICE_LEVEL);
    Set_League_Rule(LR_SALARY_CAP, SALARY_CAP);
    Set_League_Rule(LR_START_YEAR, UNIVERSE_START_YEAR);
    for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; nLeague++)
        Set_League_Name(CONFERENCE_NAMES[nLeague], nLeague);
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
        Set_Division_Name(DIVISION_NAMES[nDivision], nDivision);
}

void Add_Cities(const std::vector<CityRow>& cities) {
    if (cities.size() > (size_t)NUMBER_OF_CITIES) Fail("more cities than the city table holds");
    for (const CityRow& row : cities) {
        int nCity = Add_City(row.szName.c_str());
        Set_City_Photo(nCity, row.szPhoto.c_str());
        for (int nField = 0; nField < 8; nField++)
            Set_City_Data(nCity, nField, row.anData[nField]);
    }
}

int Find_City(const std::string& szName) {
    for (int nCity = 0; nCity < Number_Of_Cities(); nCity++)
        if (szName == Get_City_Name(nCity)) return nCity;
    Fail("no city named " + szName);
}

int Ticket_Price(int nIncome, int nLoyalty) {
    int nPrice = Ratio(Ratio(TICKET_PRICE_AT_BASE_INCOME, nIncome, BASE_INCOME), nLoyalty, 1000);
    return nPrice - nPrice % TICKET_PRICE_STEP;
}

void Add_Franchise(TNUM nTeam, const FranchiseRow& row) {
    Set_Team_String(row.szAbbreviation.c_str(), nTeam, TS_ABBREVIATION);
    Set_Team_String(row.szHome.c_str(), nTeam, TS_CITY);
    Set_Team_String(row.szNickname.c_str(), nTeam, TS_NICKNAME);
    Set_Team_String(row.szStadium.c_str(), nTeam, TS_STADIUM);
    Set_Team_String(row.szPicture.c_str(), nTeam, TS_STADIUM_PICTURE);
    int nCity = Find_City(row.szCity);
    Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, row.nDivision);
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, CONTROL_COMPUTER);
    Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);

    Set_Stadium_Field(nTeam, STADIUM_CAPACITY, row.nCapacity);
    Set_Stadium_Field(nTeam, STADIUM_STRUCTURE, row.nStructure);
    Set_Stadium_Field(nTeam, STADIUM_SURFACE, row.nSurface);
    Set_Stadium_Field(nTeam, STADIUM_YEAR, row.nYear);
    Set_Stadium_Field(nTeam, STADIUM_CONVENIENCE, row.nConvenience);
    Set_Stadium_Field(nTeam, STADIUM_COMFORT, row.nComfort);
    Set_Stadium_Field(nTeam, STADIUM_SIGHT_LINES, row.nSightLines);
    int nPopulation = Get_City_Data(nCity, CITY_POPULATION), nIncome = Get_City_Data(nCity, CITY_INCOME);
    Set_Stadium_Field(nTeam, STADIUM_VALUE,
                      Stadium_Value(row.nCapacity, row.nStructure, row.nSurface, row.nConvenience,
                                    row.nComfort, row.nSightLines, nPopulation, nIncome));

    Set_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY, row.nLoyalty);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE, Ticket_Price(nIncome, row.nLoyalty));
}

// Every franchise starts out owning its own picks of the next three drafts.
// The pick table has no accessor outside the draft code, so it is written here.
void Give_Teams_Their_Picks() {
    for (int nDraft = 0; nDraft < 3; nDraft++)
        for (int nRound = 0; nRound < 7; nRound++)
            for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
                g_League.abDraftPicks[nDraft][nRound][nTeam] = (uint8_t)nTeam;
}
} // namespace

void Set_Up_League(const std::vector<CityRow>& cities, const std::vector<FranchiseRow>& franchises,
                   const NameLists& names) {
    if (franchises.size() < 2 || franchises.size() > (size_t)NUMBER_OF_FRANCHISES)
        Fail("the franchise table must hold 2..36 teams");
    Clear_League();
    Set_Rules_And_Names();
    Add_Cities(cities);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (nTeam < (int)franchises.size())
            Add_Franchise(nTeam, franchises[nTeam]);
        else
            Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, CONTROL_UNUSED);
    }
    Sort_Teams(); // the order every load produces; history records name these codes
    Give_Teams_Their_Picks();
    for (const StateEntry& entry : NEW_GAME_STATE)
        Set_Game_State(entry.nIndex, entry.nValue);
    Set_Game_State(GS_DRAFT_PICK, Number_Of_Teams());
    Set_Game_State(GS_FIRST_NAMES, (int)names.first.size());
    Set_Game_State(GS_LAST_NAMES, (int)names.last.size());
}
