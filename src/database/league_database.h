// The league database: one record of fixed size and layout that holds the
// whole league. Its byte image is the saved-game format, so the layout below
// is a file format contract: every offset is checked at compile time.
#pragma once
#include <cstddef>
#include <cstdint>

typedef int8_t TNUM;  // team code
typedef int8_t PNUM;  // player slot

constexpr TNUM NO_TEAM = -128;
constexpr PNUM NO_PLAYER = -1;
constexpr int NUMBER_OF_FRANCHISES = 36;  // codes 0..35
constexpr TNUM FREE_AGENT_TEAM = 36;      // '$'
constexpr TNUM HALL_OF_FAME_TEAM = 37;    // '%'
constexpr TNUM DRAFT_POOL_TEAMS = 38;     // 38, 39, 40
constexpr TNUM TOTAL_NUMBER_OF_TEAMS = 40;
constexpr TNUM COLLEGE_FRESHMAN = 0;  // lower end of the team range in range messages
constexpr int NUMBER_OF_TEAM_BLOCKS = 41;
constexpr int PLAYERS_PER_TEAM = 80;
constexpr int NUMBER_OF_VITAL_STATS = 30;
constexpr int NUMBER_OF_STAT_PERIODS = 4;
constexpr int NUMBER_OF_COUNTERS = 20;
constexpr int HISTORY_ENTRIES = 30;
constexpr int NUMBER_OF_CITIES = 100;
constexpr int NUMBER_OF_GAME_RECORDS = 300;
constexpr int GAME_RECORD_SIZE = 1124;
constexpr int NUMBER_OF_HISTORY_RECORDS = 32768;
constexpr int NUMBER_OF_SEASONS = 100;
constexpr int SCHEDULE_SLOTS = 22;
constexpr int NUMBER_OF_DIVISIONS = 8;
constexpr int NUMBER_OF_LEAGUES = 2;

// Team strings.
enum { TS_ABBREVIATION, TS_CITY, TS_NICKNAME, TS_STADIUM, TS_STADIUM_PICTURE, TS_MANAGER };

// League rules.
enum {
    LR_GAMES_PER_SEASON,
    LR_PRICE_LEVEL,
    LR_SALARY_CAP,
    LR_START_YEAR,
    LR_FANTASY_DRAFT,
    LR_OPTION,
    LR_FIXED_AGING,
    LR_TRADE_REPUTATION,  // the user's standing with computer managers, -2000..2000
    NUMBER_OF_LEAGUE_RULES
};

// Game-state entries, saved with the game. A range is named by its first
// entry; the page that owns it holds the count and checks it ends in time.
enum {
    GS_STANDINGS_COLUMN = 0,  // 0..3 the chosen standings columns
    GS_FINANCE_COLUMN = 4,    // 4..8 the chosen finance columns
    GS_LEADER_CATEGORY = 9,   // 9..12 the chosen leader categories
    GS_LEADER_CONFERENCE = 13,  // 0, 1, or 2 for both
    GS_LEADER_PERIOD = 14,
    GS_CALENDAR_COLUMN = 15,  // 15..18 the chosen calendar columns
    GS_GAMES_GAME = 19,       // the game on the Games page, -1 none
    GS_GAMES_SCROLL = 20,     // the Games page's play-by-play position
    GS_GAME_NUMBER = 21,      // names the play-by-play file
    GS_SEASON_INDEX = 22,
    GS_CURRENT_WEEK = 23,
    GS_HOF_VIEW_LEVEL = 24,
    GS_DIFFICULTY = 25,  // 0..NUMBER_OF_DIFFICULTIES - 1
    GS_CURRENT_PAGE = 26,
    GS_RESERVED_27 = 27,  // cleared for a new game; nothing reads it
    GS_USER_TEAM = 28,
    GS_RESERVED_30 = 30,  // cleared for a new game; nothing reads it
    GS_TRADE_PARTNER = 31,
    GS_MANAGED_TEAM = 32,  // the team whose games the difficulty handicaps
    GS_SIMULATING = 33,
    GS_DRAFT_ROUND = 36,
    GS_DRAFT_PICK = 37,
    GS_DRAFT_PAGE_ROUND = 38,
    GS_DRAFT_PAGE_YEAR = 39,
    GS_RESERVED_40 = 40,  // 3 for a new game; nothing reads it
    GS_CONFERENCE_VIEW = 42,
    GS_CITY = 43,
    GS_SOUND = 47,
    GS_RATING_VALID = 49,
    GS_COMMISSIONER = 50,
    GS_SAVE_MODE = 51,
    GS_COMPUTER_TRADES = 52,
    GS_INJURY_CONTINGENCY = 55,  // alert weeks: positive on, negative off, 0 off with the default
    GS_PENDING_INJURY = 56,      // ID of an injury waiting to be announced, 0 none
    GS_SEARCH_POSITION = 63,     // player search criteria
    GS_SEARCH_AGE = 64,
    GS_SEARCH_RATING_FIRST = 65,  // 65..69 the five minimum ratings
    GS_SEARCH_RATING_LAST = 69,
    GS_SEARCH_SALARY = 70,
    GS_EXPORT_PERIOD = 72,  // the statistics export's last choices
    GS_EXPORT_CATEGORY = 73,
    GS_EXPORT_SORT = 74,
    GS_EXPORT_FORMAT = 76,
    GS_TEXT_STANDINGS = 79,
    GS_TEXT_AWARDS = 80,
    GS_TEXT_FINANCES = 81,
    GS_DRAFT_LIST_ORDER = 84,  // 0 by score (free agents: salary), 1 by position
    GS_DRAFT_ORDER_TEAM = 86,  // the draft order window's filters
    GS_DRAFT_ORDER_POSITION = 87,
    GS_TRADING_BLOCK_WISH = 88,
    GS_AUTOSAVE = 91,
    GS_FIRST_NAMES = 92,
    GS_LAST_NAMES = 93,
    GS_TRADE_ACTIVITY = 94,  // cleared whenever play starts
    GS_SAVED_SUM = 98,
    NUMBER_OF_GAME_STATE_ENTRIES = 100
};

constexpr int NUMBER_OF_DIFFICULTIES = 4;  // "Fan", "Coach", "Manager", "Vantor"
constexpr int SEASON_CALENDAR_ENTRIES = 6;  // the first playoff week, then the later rounds

// The pages, by their command numbers as stored in GS_CURRENT_PAGE.
enum {
    PAGE_NONE = 0,
    PAGE_STANDINGS = 40030,
    PAGE_LEADERS = 40032,
    PAGE_FINANCES = 40034,
    PAGE_CALENDAR = 40036,
    PAGE_HALL_OF_FAME = 40037,
    PAGE_PLAYOFFS = 40059,
    PAGE_DRAFT = 40070,
    PAGE_CHAMPIONSHIP = 40074,
    PAGE_GAMES = 40086,
};

struct PlayerRecord {
    char szLastName[20];
    char szFirstName[12];
    char szPicture[12];
    int32_t nReserved;
    int32_t anVital[NUMBER_OF_VITAL_STATS];
    int32_t anStats[NUMBER_OF_STAT_PERIODS][NUMBER_OF_COUNTERS];
    int32_t anHistory[HISTORY_ENTRIES];  // history-record indices, -1 = none
    int32_t nOpenRecord;                 // history record of the current season
    int32_t anReserved[30];
    char szCollege[24];
};

struct TeamData {
    int8_t abReturners[4];  // kick-returner slot, punt-returner slot, two spare bytes
    int32_t anTotals[6][NUMBER_OF_STAT_PERIODS][NUMBER_OF_COUNTERS];
    int32_t anStats[60];
    int32_t anStadium[20];
    int32_t anFinancial[80];
    int32_t anYearly[NUMBER_OF_SEASONS][12];
    int32_t anSchedule[SCHEDULE_SLOTS][4];
};

struct TeamBlock {
    char aszStrings[8][32];
    PlayerRecord aPlayers[PLAYERS_PER_TEAM];
    TeamData data;
};

struct CityRecord {
    char szName[20];
    char szPhoto[12];
    int32_t anData[10];
};

struct HistoryRecord {
    int32_t nYear;  // 0 = free
    int32_t nExperience;
    int32_t nTeam;  // low byte: team code
    int32_t anStats[NUMBER_OF_COUNTERS];
};

// Raw bytes of a stored game; the game Part gives them their layout.
struct alignas(4) GameRecordImage {
    uint8_t abBytes[GAME_RECORD_SIZE];
};

struct LeagueDatabase {
    char szGameName[256];
    char szManager[64];
    char szNotes[512];
    uint8_t abReserved1[1280];
    int32_t anRules[NUMBER_OF_LEAGUE_RULES];
    uint8_t abReserved2[208];
    char aszLeagueNames[NUMBER_OF_LEAGUES][16];
    char aszDivisionNames[NUMBER_OF_DIVISIONS][12];
    TeamBlock aTeams[NUMBER_OF_TEAM_BLOCKS];
    CityRecord aCities[NUMBER_OF_CITIES];
    uint8_t abDraftPicks[3][7][36];
    uint8_t abDraftFlags[36];
    GameRecordImage aGames[NUMBER_OF_GAME_RECORDS];
    int32_t anGameState[NUMBER_OF_GAME_STATE_ENTRIES];
    int8_t abStandingsOrder[NUMBER_OF_DIVISIONS][13];
    uint8_t abReserved3[4];
    int8_t abPlayoffTeams[32];
    int32_t anPlayoffScores[31];
    int32_t anCalendar[SEASON_CALENDAR_ENTRIES];
    HistoryRecord aHistory[NUMBER_OF_HISTORY_RECORDS];
    uint8_t abTail[524288];
};

constexpr size_t LEAGUE_DATABASE_SIZE = 6693836;
constexpr size_t SEASON_CALENDAR_OFFSET = 3154868;
static_assert(sizeof(PlayerRecord) == 756);
static_assert(offsetof(PlayerRecord, anVital) == 48);
static_assert(offsetof(PlayerRecord, anStats) == 168);
static_assert(offsetof(PlayerRecord, anHistory) == 488);
static_assert(offsetof(PlayerRecord, nOpenRecord) == 608);
static_assert(offsetof(PlayerRecord, anReserved) == 612);
static_assert(offsetof(PlayerRecord, szCollege) == 732);
static_assert(sizeof(TeamData) == 1929 * 4);
static_assert(offsetof(TeamData, anTotals) == 1 * 4);
static_assert(offsetof(TeamData, anStats) == 481 * 4);
static_assert(offsetof(TeamData, anStadium) == 541 * 4);
static_assert(offsetof(TeamData, anFinancial) == 561 * 4);
static_assert(offsetof(TeamData, anYearly) == 641 * 4);
static_assert(offsetof(TeamData, anSchedule) == 1841 * 4);
static_assert(sizeof(TeamBlock) == 68452);
static_assert(sizeof(CityRecord) == 72);
static_assert(sizeof(HistoryRecord) == 92);
static_assert(offsetof(LeagueDatabase, anRules) == 2112);
static_assert(offsetof(LeagueDatabase, aszLeagueNames) == 2352);
static_assert(offsetof(LeagueDatabase, aszDivisionNames) == 2384);
static_assert(offsetof(LeagueDatabase, aTeams) == 2480);
static_assert(offsetof(LeagueDatabase, aCities) == 2809012);
static_assert(offsetof(LeagueDatabase, abDraftPicks) == 2816212);
static_assert(offsetof(LeagueDatabase, abDraftFlags) == 2816968);
static_assert(offsetof(LeagueDatabase, aGames) == 2817004);
static_assert(offsetof(LeagueDatabase, anGameState) == 3154204);
static_assert(offsetof(LeagueDatabase, abStandingsOrder) == 3154604);
static_assert(offsetof(LeagueDatabase, abPlayoffTeams) == 3154712);
static_assert(offsetof(LeagueDatabase, anPlayoffScores) == 3154744);
static_assert(offsetof(LeagueDatabase, anCalendar) == SEASON_CALENDAR_OFFSET);
static_assert(offsetof(LeagueDatabase, aHistory) == 3154892);
static_assert(offsetof(LeagueDatabase, abTail) == 6169548);
static_assert(sizeof(LeagueDatabase) == LEAGUE_DATABASE_SIZE);

// The one league. Statically allocated; nothing in it is allocated or freed.
extern LeagueDatabase g_League;

void Clear_League();  // all zero, as at start-up

// Game state and league rules (out-of-range indices log and read 0).
int Get_Game_State(int nIndex);
void Set_Game_State(int nIndex, int nValue);
int Get_League_Rule(int nIndex);
void Set_League_Rule(int nIndex, int nValue);
int Add_League_Rule(int nIndex, int nAmount, int nLo, int nHi);  // add, clamp, store, return
int Current_Season_Index();
int Current_Calendar_Year();  // start year + season index
int Current_Week();
// The first playoff week: entry 0 of the season calendar, taken as at least 2.
int First_Playoff_Week();
constexpr int NUMBER_OF_DRAFT_ROUNDS = 7;
// A college draft is under way: GS_DRAFT_ROUND names one of its rounds.
bool College_Draft_Running();

// League structure.
void Get_League_Name(int nIndex, char* szOut);  // szOut holds 16
void Set_League_Name(const char* szName, int nIndex);
void Get_Division_Name(int nIndex, char* szOut);  // szOut holds 12
void Set_Division_Name(const char* szName, int nIndex);
bool Valid_Team(TNUM nTeam);
int Number_Of_Teams();  // cached count of franchises in use
int Count_Teams();      // recount and cache
TNUM Get_Team_Division(TNUM nTeam);
TNUM Get_Team_League(TNUM nTeam);
TNUM Get_Division_Team(int nDivision, int n);  // n-th team of a division in code order
TNUM Get_League_Team(int nLeague, int n);
int Division_Team_Count(int nDivision);
int League_Team_Count(int nLeague);

// Team strings. szOut must hold 32 characters (64 for the manager's name).
void Get_Team_String(TNUM nTeam, int nIndex, char* szOut);
void Set_Team_String(const char* szText, TNUM nTeam, int nIndex);

// Team order: franchises in use sorted by city then nickname, unused blocks last.
// Every team code stored outside the blocks moves with them.
void Sort_Teams();
// Renumbers the team codes stored outside the team blocks (game state, schedule
// slots, playoffs, standings, draft picks, game records, history, players) once
// the blocks have moved: anNewCode[old franchise code] is its new code, and
// codes outside 0..35 stay as they are.
void Renumber_Team_Codes(const TNUM anNewCode[NUMBER_OF_FRANCHISES]);
// The stored game records' layout belongs to the game, which renumbers their
// team codes through this hook (Install_Core_Hooks sets it).
typedef void (*GameRecordTeamsHook)(const TNUM anNewCode[NUMBER_OF_FRANCHISES]);
void Set_Game_Record_Teams_Hook(GameRecordTeamsHook pHook);
void Erase_Team(TNUM nTeam);  // the blocks behind close up, their stored codes with them

// Cities.
int Number_Of_Cities();  // leading entries with a name
// City fields.
enum {
    CITY_POPULATION,
    CITY_REGION_POPULATION,
    CITY_POPULATION_GROWTH,  // new population a year
    CITY_INCOME,             // per-capita income, dollars
    CITY_ALTITUDE,
    CITY_LONGITUDE,  // thousandths of a degree
    CITY_LATITUDE,   // thousandths of a degree
    CITY_TIME_ZONE,
    NUMBER_OF_CITY_FIELDS = 10,
};
int Get_City_Data(int nCity, int nField);
void Set_City_Data(int nCity, int nField, int nValue);
const char* Get_City_Name(int nCity);
void Set_City_Name(int nCity, const char* szName);
void Set_City_Photo(int nCity, const char* szPhoto);
const char* Get_City_Photo(int nCity);
void Set_Default_City_Data(int nCity);  // the ten fields a new city starts with
int Add_City(const char* szName);  // defaults, then sort; returns the new index or -1 when full
void Erase_City(int nCity);
void Sort_Cities();

// Copies text into a fixed field: at most width - 1 characters, always terminated.
void Copy_Field(char* pField, int nWidth, const char* szText);
