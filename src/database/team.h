// The team data of a team block: statistic totals, team stats, stadium and
// financial fields, the won-lost record of every season and the schedule
// slots. Every accessor tests the team code first; a bad code writes one ERROR
// line to the log and the accessor returns 0 or does nothing.
#pragma once
#include "database/league_database.h"

// Team stats named here; the code that uses the others names them.
enum {
    TEAM_STAT_DIVISION = 0,  // 0..7
    TEAM_STAT_CONTROL = 2,   // -1 not in use, 0 computer, 1 user
    TEAM_STAT_CITY = 3,      // index in the city table
};
// Values of TEAM_STAT_CONTROL.
enum { TEAM_NOT_IN_USE = -1, COMPUTER_MANAGED = 0, HUMAN_MANAGED = 1 };
// Stadium fields.
enum {
    STADIUM_CAPACITY,
    STADIUM_STRUCTURE,  // 0 open, 1 domed, 2 convertible
    STADIUM_SURFACE,    // 0 natural grass, 1 artificial turf
    STADIUM_YEAR,
    STADIUM_VALUE,  // whole dollars
    STADIUM_CONVENIENCE,  // quality 800..1200, 1000 average
    STADIUM_COMFORT,
    STADIUM_SIGHT_LINES,
};
constexpr int NUMBER_OF_TEAM_STATS = 60;
constexpr int NUMBER_OF_STADIUM_FIELDS = 20;
constexpr int NUMBER_OF_FINANCIAL_FIELDS = 80;

// Stat lines of the statistic totals: the team's own, then its opponents' against it.
enum { LINE_OFFENCE, LINE_DEFENCE, LINE_KICKERS, LINE_OPPONENTS_OFFENCE, NUMBER_OF_STAT_LINES = 6 };

// Fields of a yearly record.
enum {
    YR_WINS,
    YR_LOSSES,
    YR_TIES,
    YR_HOME_WINS,
    YR_HOME_LOSSES,
    YR_HOME_TIES,
    YR_PLAYOFF_WINS,
    YR_PLAYOFF_LOSSES,
    YR_HOME_ATTENDANCE,  // FIN_HOME_ATTENDANCE at season end
    YR_PROFIT,           // FIN_PROFIT at season end
    YR_FINAL_RANK,
    YR_OUTCOME,  // season outcome level 0..8
    NUMBER_OF_YEARLY_FIELDS,
};

// Financial fields, whole dollars unless noted. A this-season figure is copied
// into its last-season partner at season end, then cleared.
enum {
    FIN_FAN_LOYALTY = 0,        // per mille, 1000 neutral
    FIN_TICKET_PRICE = 1,       // cents
    FIN_SCOUTING_QUALITY = 2,   // per mille of a $120,000-per-game budget, smoothed
    FIN_MEDICAL_QUALITY = 3,    // per mille of a $250,000-per-game budget, smoothed
    FIN_BROADCAST_POLICY = 5,   // BROADCAST_NORMAL..
    FIN_LOCAL_BROADCAST_LAST_GAME = 6,
    FIN_LOCAL_BROADCAST_SEASON = 7,
    FIN_LOCAL_BROADCAST_LAST_SEASON = 8,
    FIN_NATIONAL_BROADCAST_LAST_GAME = 9,
    FIN_NATIONAL_BROADCAST_SEASON = 10,
    FIN_NATIONAL_BROADCAST_LAST_SEASON = 11,
    FIN_GATE_LAST_GAME = 12,        // the whole gate of the last home game, before the split
    FIN_ATTENDANCE_LAST_GAME = 13,  // of the last home game
    FIN_TICKET_REVENUE_SEASON = 14,  // the team's shares of home and road gates
    FIN_HOME_ATTENDANCE_SEASON = 15,
    FIN_TICKET_REVENUE_LAST_SEASON = 16,
    FIN_HOME_ATTENDANCE_LAST_SEASON = 17,
    FIN_ROAD_ATTENDANCE_SEASON = 19,
    FIN_FOOD_PRICE = 20,  // cents
    FIN_FOOD_PROFIT_LAST_GAME = 21,
    FIN_FOOD_PROFIT_SEASON = 22,
    FIN_FOOD_PROFIT_LAST_SEASON = 23,
    FIN_BEER_PRICE = 27,  // cents
    FIN_BEER_PROFIT_LAST_GAME = 28,
    FIN_BEER_PROFIT_SEASON = 29,
    FIN_BEER_PROFIT_LAST_SEASON = 30,
    FIN_SOUVENIR_PRICE = 34,  // cents
    FIN_SOUVENIR_PROFIT_LAST_GAME = 35,
    FIN_SOUVENIR_PROFIT_SEASON = 36,
    FIN_SOUVENIR_PROFIT_LAST_SEASON = 37,
    FIN_OPERATIONS_LAST_GAME = 50,  // reads as the default while 0
    FIN_OPERATIONS_SEASON = 51,
    FIN_OPERATIONS_LAST_SEASON = 52,
    FIN_SALARIES_LAST_GAME = 53,  // reads as the default while 0
    FIN_SALARIES_SEASON = 54,
    FIN_SALARIES_LAST_SEASON = 55,
    FIN_DIVIDEND_PER_GAME = 56,  // fixed when the league is created
    FIN_DIVIDENDS_SEASON = 57,
    FIN_DIVIDENDS_LAST_SEASON = 58,
    FIN_SCOUTING_BUDGET = 59,  // per game
    FIN_SCOUTING_SPENT_SEASON = 60,
    FIN_SCOUTING_SPENT_LAST_SEASON = 61,
    FIN_MEDICAL_BUDGET = 62,  // per game
    FIN_MEDICAL_SPENT_SEASON = 63,
    FIN_MEDICAL_SPENT_LAST_SEASON = 64,
    FIN_CASH = 68,         // negative is debt
    FIN_START_VALUE = 69,  // franchise value when the league was created
    FIN_HOME_GAMES_SEASON = 70,
    FIN_HOME_GAMES_LAST_SEASON = 71,
    FIN_GAMES_SEASON = 72,
    FIN_GAMES_LAST_SEASON = 73,
    FIN_MARKET_HANDICAP = 74,  // -100..100, small markets high

    // Computed on every read, never stored.
    FIN_OUTLAY_SEASON = 80,  // expenses, dividends and tax
    FIN_OUTLAY_LAST_SEASON = 81,
    FIN_REVENUE_SEASON = 82,
    FIN_REVENUE_LAST_SEASON = 83,
    FIN_PROFIT = 84,  // revenue less outlay, this season
    FIN_PROFIT_LAST_SEASON = 85,
    FIN_EXPENSES_SEASON = 86,  // operations, salaries, scouting and medical
    FIN_EXPENSES_LAST_SEASON = 87,
    FIN_TAX_PER_GAME = 88,
    FIN_TAX_SEASON = 89,
    FIN_TAX_LAST_SEASON = 90,
    FIN_AVERAGE_HOME_ATTENDANCE = 91,
    FIN_AVERAGE_ROAD_ATTENDANCE = 92,
    FIN_PAYROLL = 93,           // cap impacts, thousands of dollars
    FIN_AVERAGE_SALARY = 94,    // thousands of dollars
    FIN_AVERAGE_AGE = 95,       // tenths of a year
    FIN_AVERAGE_CONTRACT = 96,  // years left, tenths
    FIN_LIQUIDITY = 97,         // cash per mille of the start value
    FIN_WEALTH = 98,            // cash per mille of $15 million, never below 0
    FIN_PAYROLL_INDEX = 99,     // payroll per mille of $63 million
    FIN_START_VALUE_INDEX = 100,  // start value per mille of $200 million
    FIN_BROADCAST_REVENUE_SEASON = 101,  // local and national
    LAST_FINANCIAL_CODE = FIN_BROADCAST_REVENUE_SEASON,
};
// Values of FIN_BROADCAST_POLICY.
enum { BROADCAST_NORMAL, BROADCAST_PAY_ONLY, BROADCAST_BLACKOUT };

// Kick and punt returner slots.
enum { KICK_RETURNER, PUNT_RETURNER };
constexpr int NUMBER_OF_PLAYOFF_SLOTS = 31;

// ---- Team stats, stadium, city, returners ----
int Get_Team_Stat(TNUM nTeam, int nIndex);
// The one answer to "does a person manage this team": a franchise code whose control mark is HUMAN_MANAGED.
bool Human_Managed(TNUM nTeam);
void Set_Team_Stat(TNUM nTeam, int nIndex, int nValue);
void Set_Every_Team_Stat(int nIndex, int nValue);  // every team in use
int Get_Team_City_Data(TNUM nTeam, int nField);   // a field of the team's city record
int Get_Stadium_Field(TNUM nTeam, int nIndex);
void Set_Stadium_Field(TNUM nTeam, int nIndex, int nValue);
PNUM Get_Team_Returner(TNUM nTeam, int nKind);
void Set_Team_Returner(TNUM nTeam, int nKind, PNUM nPlayer);

// ---- Finances ----
constexpr int CORPORATE_TAX_PERCENT = 35;
// One game's operating expenses in a city of that per-capita income.
int64_t Operating_Expense(int nIncome);
int Get_Team_Financial_Stat(TNUM nTeam, int nCode);
void Set_Team_Financial_Stat(TNUM nTeam, int nIndex, int nValue);
void Add_Team_Financial_Stat(TNUM nTeam, int nIndex, int nAmount);
int Get_Team_Financial_Rank(TNUM nTeam, int nCode);  // teams in use with a greater value
void Clear_Previous_Financial_Stats(TNUM nTeam);
// Season end of one team: its home attendance, profit and outcome level into
// the current season's yearly record, then this year's financial fields copied
// into last year's.
void Team_Season_End(TNUM nTeam, int nDivisionPlace);

// ---- Won-lost records ----
// True from the season rollover until the new season is set up (the college
// draft is running): the record readers then show the season just finished.
bool Season_Is_Off_Season();
int Record_Season_Index();  // the season the record readers show
int Get_Team_Yearly_Stat(TNUM nTeam, int nYear, int nField);
void Set_Team_Yearly_Stat(TNUM nTeam, int nYear, int nField, int nValue);
int Get_Team_Record_Stat(TNUM nTeam, int nField);              // read at Record_Season_Index()
void Set_Team_Record_Stat(TNUM nTeam, int nField, int nValue);  // written at the current season
void Add_Team_Win(TNUM nTeam, bool bHome);
void Add_Team_Loss(TNUM nTeam, bool bHome);
void Add_Team_Tie(TNUM nTeam, bool bHome);
void Add_Team_Playoff_Loss(TNUM nTeam);
int Get_Team_Wins(TNUM nTeam);
int Get_Team_Losses(TNUM nTeam);
int Get_Team_Ties(TNUM nTeam);
int Get_Team_Home_Wins(TNUM nTeam);
int Get_Team_Home_Losses(TNUM nTeam);
int Get_Team_Home_Ties(TNUM nTeam);
int Get_Team_Road_Wins(TNUM nTeam);
int Get_Team_Road_Losses(TNUM nTeam);
int Get_Team_Road_Ties(TNUM nTeam);
int Get_Team_Playoff_Wins(TNUM nTeam);
int Get_Team_Playoff_Losses(TNUM nTeam);
constexpr int RECORD_TEXT_WIDTH = 40;
void Get_Team_Record_Text(TNUM nTeam, char* szOut);  // "(10-5-1)", or "(10-5)" without ties
int Get_Team_Winning_Percentage(TNUM nTeam);         // per mille, ties count half
int Get_Team_Highest_Playoff_Slot(TNUM nTeam);       // -1 when not in the playoffs
// 0..8 from the place in the division (0 = first) and the highest playoff slot.
int Team_Season_Outcome_Level(TNUM nTeam, int nDivisionPlace);
// The college draft's order by the finish of a season: the franchises in use,
// the worst first, deep playoff runs last; equal finishes keep code order.
// Returns how many. The draft, the Draft page and the pick values share it.
int Draft_Order_Of_Season(int nSeasonIndex, TNUM* pOrder);

// Over the seasons before the current one.
struct FranchiseHistory {
    int nWins, nLosses, nTies;
    int nPlayoffWins, nPlayoffLosses;
    int nPlayoffSeasons;      // outcome level above 3
    int nSeasonsAbove6;       // outcome level above 6
    int nSeasonsAbove7;       // outcome level above 7
    int nScore;
};
void Get_Franchise_History(TNUM nTeam, FranchiseHistory* pHistory);
int Get_Franchise_Score(TNUM nTeam);

// ---- Statistic totals (line, period, counter; computed codes 112..140) ----
int Get_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat);
void Set_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat, int nValue);
void Add_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat, int nValue);
int Get_Team_Total_Rank(TNUM nTeam, int nLine, int nPeriod, int nStat);  // teams in use with a greater value
void Clear_Team_Totals();             // every team in use
void Clear_Team_Totals(TNUM nTeam);  // one team

// ---- Schedule slots (one per week) ----
enum { SLOT_OPPONENT, SLOT_KICKOFF, SLOT_DATE, SLOT_GAME_RECORD };  // kickoff: the time the schedule gives the game
enum { SLOT_EMPTY, SLOT_FIRST_NAMED, SLOT_SECOND_NAMED };
// How a team's game in a slot ended, from the team's side.
enum { GAME_NOT_PLAYED = -2, GAME_LOST = -1, GAME_TIED = 0, GAME_WON = 1 };
// 1 when both teams' slots were free and the game is entered, else 0.
int Schedule_Game(TNUM nTeamA, TNUM nTeamB, int nSlot);
void Clear_Scheduled_Games(TNUM nTeam, int nFirstSlot, int nEndSlot);  // slots first..end-1
int Get_Schedule_Kind(TNUM nTeam, int nSlot);
TNUM Get_Schedule_Opponent(TNUM nTeam, int nSlot);  // NO_TEAM for an empty slot
bool Schedule_Slot_Filled(TNUM nTeam, int nSlot);
int Get_Schedule_Field(TNUM nTeam, int nSlot, int nItem);  // item SLOT_OPPONENT..SLOT_GAME_RECORD
void Set_Schedule_Field(TNUM nTeam, int nSlot, int nItem, int nValue);
