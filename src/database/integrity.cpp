#include "database/integrity.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <unordered_map>

#include "base/random.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"

// The record is read directly: the accessors log, and the salary getter even
// writes, which a check must never do.
namespace {
constexpr int NO_RECORD = -1;
constexpr int LAST_HISTORY_RECORD = NUMBER_OF_HISTORY_RECORDS - 2; // the last one is never handed out
constexpr int TEAMS_PER_CONFERENCE = 16;
constexpr int MOST_GAMES_IN_A_SEASON = 30;
// Bounds past which sums of money and counts could wrap in 32 bits, or a year
// could not be a season of this game.
constexpr int EARLIEST_START_YEAR = 1900;
constexpr int LATEST_START_YEAR = 2200;
constexpr int LAST_YEAR = 9999;  // a load takes a league with no year yet (0) up to here
constexpr int LAST_WEEK = SCHEDULE_SLOTS + SEASON_CALENDAR_ENTRIES;
constexpr int MAXIMUM_SALARY = 999999;        // thousands of dollars, as the bonus
constexpr int64_t MAXIMUM_PAYROLL = 1000000;  // thousands: a franchise's salaries and bonuses
constexpr int MAXIMUM_MONEY = 1000000000;     // a stored financial figure; twice it still fits
constexpr int MAXIMUM_PREDICTED = 99999;
constexpr int STORED_FINANCIAL_FIELDS = 80;

struct Checker {
    std::vector<std::string>* pOut;
    bool bRangesOnly;  // only what a load refuses
    int nCount = 0;
    void operator()(const char* szFormat, ...) __attribute__((format(printf, 2, 3))) {
        nCount++;
        if (!pOut) return;
        char szText[512];
        va_list args;
        va_start(args, szFormat);
        vsnprintf(szText, sizeof szText, szFormat, args);
        va_end(args);
        pOut->push_back(szText);
    }
};

// The fields a check reads, with the text that names them.
struct Range {
    int nIndex;
    const char* szName;
    int nLo, nHi;
};

// The ones the game indexes, divides or sums with: a load refuses them.
const Range PLAYER_LIMITS[] = {
    {VS_POSITION, "position", 0, 13},
    {VS_BONUS, "bonus", 0, MAXIMUM_SALARY},
};
const Range PLAYER_RANGES[] = {
    {VS_CONTRACT_LEFT, "contract years left", 0, 10},
    {VS_CONTRACT_YEARS, "contract length", 0, 10},
    {VS_INJURY_WEEKS, "injury weeks", 0, 999},
    {VS_HEIGHT, "height", 50, 100},
    {VS_WEIGHT, "weight", 100, 500},
    {VS_FORTY, "40-yard time", 0, 1000},
    {VS_EXPERIENCE, "experience", -4, 40},
};

const char* Team_Label(int nTeam) {
    static char szLabel[64];
    const char* szAbbreviation = nTeam >= FREE_AGENT_TEAM
                                     ? (nTeam == FREE_AGENT_TEAM     ? "---"
                                        : nTeam == HALL_OF_FAME_TEAM ? "HOF"
                                                                     : "UND")
                                     : g_League.aTeams[nTeam].aszStrings[TS_ABBREVIATION];
    snprintf(szLabel, sizeof szLabel, "Team %d (%.31s)", nTeam, szAbbreviation);
    return szLabel;
}

bool Block_In_Use(int nTeam) {
    return g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] != TEAM_NOT_IN_USE;
}

int Count_Franchises(Checker& violation) {
    int nTeams = 0;
    bool bGap = false;
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Block_In_Use(nTeam)) {
            bGap = true;
            continue;
        }
        if (bGap) violation("%s is in use after an unused team code", Team_Label(nTeam));
        nTeams++;
    }
    if (!violation.bRangesOnly && nTeams < 2) violation("%d teams in use; a league needs at least 2", nTeams);
    if (nTeams != Number_Of_Teams())
        violation("the count of teams in use says %d, the team blocks say %d", Number_Of_Teams(), nTeams);
    return nTeams;
}

void Check_League_Rules(Checker& violation) {
    int nGames = g_League.anRules[LR_GAMES_PER_SEASON];
    if (!violation.bRangesOnly && (nGames < 8 || nGames > 16 || nGames % 2 != 0))
        violation("games per season %d, not an even 8..16", nGames);
    int nCap = g_League.anRules[LR_SALARY_CAP];
    if (!violation.bRangesOnly && (nCap < 30000000 || nCap > 999000000))
        violation("salary cap %d outside 30,000,000..999,000,000", nCap);
    int nSeason = g_League.anGameState[GS_SEASON_INDEX];
    if (nSeason < 0 || nSeason >= NUMBER_OF_SEASONS) violation("season index %d outside 0..99", nSeason);
    int nStart = g_League.anRules[LR_START_YEAR];
    if (nStart < 0 || nStart > LAST_YEAR)
        violation("start year %d outside 0..%d", nStart, LAST_YEAR);
    else if (!violation.bRangesOnly && (nStart < EARLIEST_START_YEAR || nStart > LATEST_START_YEAR))
        violation("start year %d outside %d..%d", nStart, EARLIEST_START_YEAR, LATEST_START_YEAR);
}

// A league with no team in use yet keeps its zeros where teams are named.
bool Team_In_Use(int nTeam, int nTeams) {
    return (nTeam >= 0 && nTeam < nTeams) || (nTeams == 0 && nTeam == 0);
}

// A calendar of zeros is a league whose first season is not set up yet.
bool Calendar_Set() {
    for (int nEntry : g_League.anCalendar)
        if (nEntry != 0) return true;
    return false;
}

void Check_Calendar(Checker& violation, int nTeams) {
    const int32_t* anCalendar = g_League.anCalendar;
    for (int nEntry = 0; nEntry < SEASON_CALENDAR_ENTRIES; nEntry++)
        if (anCalendar[nEntry] < 0 || anCalendar[nEntry] > LAST_WEEK)
            violation("calendar entry %d is week %d, outside 0..%d", nEntry, anCalendar[nEntry], LAST_WEEK);
    if (!violation.bRangesOnly && Calendar_Set()) {
        if (anCalendar[0] > SCHEDULE_SLOTS)
            violation("the first playoff week %d is after the schedule's %d weeks", anCalendar[0], SCHEDULE_SLOTS);
        for (int nEntry = 1; nEntry < SEASON_CALENDAR_ENTRIES; nEntry++)
            if (anCalendar[nEntry] != anCalendar[0] + nEntry)
                violation("calendar entry %d is week %d, not the week after entry %d", nEntry, anCalendar[nEntry],
                          nEntry - 1);
    }
    int nWeek = g_League.anGameState[GS_CURRENT_WEEK];
    if (nWeek < 0 || nWeek > LAST_WEEK) violation("current week %d outside 0..%d", nWeek, LAST_WEEK);
    int nDifficulty = g_League.anGameState[GS_DIFFICULTY];
    if (nDifficulty < 0 || nDifficulty >= NUMBER_OF_DIFFICULTIES)
        violation("difficulty %d outside 0..%d", nDifficulty, NUMBER_OF_DIFFICULTIES - 1);
    for (int nEntry : {GS_USER_TEAM, GS_MANAGED_TEAM}) {
        int nTeam = g_League.anGameState[nEntry];
        if (!Team_In_Use(nTeam, nTeams))
            violation("game-state entry %d names team %d, not in use", nEntry, nTeam);
    }
    for (int nSlot = 0; nSlot < NUMBER_OF_PLAYOFF_SLOTS; nSlot++) {
        int nTeam = g_League.abPlayoffTeams[nSlot];
        if (nTeam != NO_TEAM && !Team_In_Use(nTeam, nTeams))
            violation("playoff slot %d holds team %d, not in use", nSlot, nTeam);
    }
}

// Schedule slots name teams in use and game records that exist.
void Check_Schedule(Checker& violation, int nTeam, int nTeams) {
    for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++) {
        const int32_t* pSlot = g_League.aTeams[nTeam].data.anSchedule[nSlot];
        int nEntry = pSlot[SLOT_OPPONENT];
        int nOpponent = (nEntry > 0 ? nEntry : -(int64_t)nEntry) - 1;
        bool bItself = nOpponent == nTeam && !violation.bRangesOnly;
        if (nEntry != 0 && (nOpponent >= nTeams || bItself))
            violation("%s: schedule slot %d names opponent %d", Team_Label(nTeam), nSlot, nEntry);
        int nRecord = pSlot[SLOT_GAME_RECORD];
        if (nRecord < 0 || nRecord >= NUMBER_OF_GAME_RECORDS)
            violation("%s: schedule slot %d names game record %d", Team_Label(nTeam), nSlot, nRecord);
    }
}

void Check_Money(Checker& violation, int nTeam) {
    const int32_t* anFinancial = g_League.aTeams[nTeam].data.anFinancial;
    for (int nField = 0; nField < STORED_FINANCIAL_FIELDS; nField++)
        if (anFinancial[nField] < -MAXIMUM_MONEY || anFinancial[nField] > MAXIMUM_MONEY)
            violation("%s: financial field %d is %d, beyond %d either way%s", Team_Label(nTeam), nField,
                      anFinancial[nField], MAXIMUM_MONEY, nField == FIN_CASH ? " (cash)" : "");
    int64_t nPayroll = 0;
    for (const PlayerRecord& player : g_League.aTeams[nTeam].aPlayers)
        if (player.anVital[VS_PLAYER_ID] != 0)
            nPayroll += (int64_t)player.anVital[VS_SALARY] + player.anVital[VS_BONUS];
    if (nPayroll > MAXIMUM_PAYROLL)
        violation("%s: salaries and bonuses of %lld thousand, more than %lld thousand", Team_Label(nTeam),
                  (long long)nPayroll, (long long)MAXIMUM_PAYROLL);
}

void Check_Cities(Checker& violation) {
    int nCities = Number_Of_Cities();
    for (int nCity = nCities; nCity < NUMBER_OF_CITIES; nCity++)
        if (g_League.aCities[nCity].szName[0] != '\0')
            violation("City %d (%.19s) follows an empty city entry", nCity, g_League.aCities[nCity].szName);
    for (int nCity = 0; nCity + 1 < nCities; nCity++)
        if (strncmp(g_League.aCities[nCity].szName, g_League.aCities[nCity + 1].szName, 20) > 0)
            violation("City %d (%.19s) is out of alphabetical order", nCity + 1,
                      g_League.aCities[nCity + 1].szName);
}

void Check_Teams(Checker& violation, int nTeams) {
    int anConference[NUMBER_OF_LEAGUES] = {};
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        const TeamBlock& team = g_League.aTeams[nTeam];
        int nControl = team.data.anStats[TEAM_STAT_CONTROL];
        if (!violation.bRangesOnly && nControl != COMPUTER_MANAGED && nControl != HUMAN_MANAGED)
            violation("%s: control %d is neither 0 nor 1", Team_Label(nTeam), nControl);
        int nDivision = team.data.anStats[TEAM_STAT_DIVISION];
        if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS)
            violation("%s: division %d outside 0..7", Team_Label(nTeam), nDivision);
        else
            anConference[nDivision / 4]++;
        int nCity = team.data.anStats[TEAM_STAT_CITY];
        if (!violation.bRangesOnly && (nCity < 0 || nCity >= Number_Of_Cities()))
            violation("%s: city %d is not in the city table (%d cities)", Team_Label(nTeam), nCity,
                      Number_Of_Cities());
        for (int nString = TS_ABBREVIATION; !violation.bRangesOnly && nString <= TS_STADIUM_PICTURE; nString++)
            if (strnlen(team.aszStrings[nString], 32) == 32)
                violation("%s: team string %d is not terminated", Team_Label(nTeam), nString);
        Check_Schedule(violation, nTeam, nTeams);
        if (violation.bRangesOnly) continue;
        if (nTeam + 1 < nTeams) {
            const TeamBlock& next = g_League.aTeams[nTeam + 1];
            int nOrder = strncmp(team.aszStrings[TS_CITY], next.aszStrings[TS_CITY], 32);
            if (nOrder == 0) nOrder = strncmp(team.aszStrings[TS_NICKNAME], next.aszStrings[TS_NICKNAME], 32);
            if (nOrder > 0) violation("%s is out of order (city, then nickname)", Team_Label(nTeam + 1));
        }
    }
    for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; nLeague++)
        if (!violation.bRangesOnly && anConference[nLeague] > TEAMS_PER_CONFERENCE)
            violation("conference %d has %d teams, more than %d", nLeague, anConference[nLeague],
                      TEAMS_PER_CONFERENCE);
    for (int nDraft = 0; nDraft < 3; nDraft++)
        for (int nRound = 0; nRound < 7; nRound++)
            for (int nTeam = 0; nTeam < nTeams; nTeam++) {
                int nOwner = g_League.abDraftPicks[nDraft][nRound][nTeam];
                if (!violation.bRangesOnly && nOwner >= nTeams)
                    violation("draft %d round %d pick of %s is owned by team %d, not in use", nDraft,
                              nRound + 1, Team_Label(nTeam), nOwner);
            }
}

// Team codes stored outside the blocks name blocks by place: a block moved
// without them leaves them naming another team or none.
void Check_Team_Codes(Checker& violation, int nTeams) {
    auto inUse = [&](int nCode) { return nCode >= 0 && nCode < nTeams; };
    for (int nEntry : {GS_USER_TEAM, GS_MANAGED_TEAM}) {
        int nTeam = g_League.anGameState[nEntry];
        if (!inUse(nTeam)) violation("game-state entry %d names team %d, not in use", nEntry, nTeam);
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++) {
            int nEntry = g_League.aTeams[nTeam].data.anSchedule[nSlot][SLOT_OPPONENT];
            if (nEntry == 0) continue;
            int64_t nMagnitude = nEntry > 0 ? (int64_t)nEntry : -(int64_t)nEntry;  // a damaged INT_MIN too
            int nOpponent = nMagnitude > NUMBER_OF_FRANCHISES ? NO_TEAM : (int)nMagnitude - 1;
            if (!inUse(nOpponent) || nOpponent == nTeam) {
                violation("%s slot %d: opponent %d is not another team in use", Team_Label(nTeam), nSlot,
                          nOpponent);
                continue;
            }
            int nBack = g_League.aTeams[nOpponent].data.anSchedule[nSlot][SLOT_OPPONENT];
            int nExpected = nEntry > 0 ? -(nTeam + 1) : nTeam + 1;
            if (nBack != nExpected)
                violation("%s slot %d: opponent %d names %d back, not %d", Team_Label(nTeam), nSlot, nOpponent,
                          nBack, nExpected);
        }
    for (int nSlot = 0; nSlot < NUMBER_OF_PLAYOFF_SLOTS; nSlot++) {
        int nTeam = g_League.abPlayoffTeams[nSlot];
        if (nTeam != NO_TEAM && !inUse(nTeam)) violation("playoff slot %d holds team %d, not in use", nSlot, nTeam);
    }
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
        for (int nPlace = 0; nPlace < (int)sizeof g_League.abStandingsOrder[0]; nPlace++) {
            int nTeam = g_League.abStandingsOrder[nDivision][nPlace];
            if (nTeam != NO_TEAM && !inUse(nTeam))
                violation("division %d place %d holds team %d, not in use", nDivision, nPlace, nTeam);
        }
}

// A player's stored team codes: franchises in use, or the free agents.
void Check_Player_Team_Codes(Checker& violation, int nTeam, int nSlot, const PlayerRecord& player, int nTeams) {
    auto known = [&](int nCode) { return (nCode >= 0 && nCode < nTeams) || nCode == FREE_AGENT_TEAM; };
    int nDrafted = player.anVital[VS_DRAFTED];
    if (nDrafted < 0 || (nDrafted >= DRAFTED_TEAM_UNIT && !known(nDrafted / DRAFTED_TEAM_UNIT - 1)))
        violation("%s slot %d: drafted %d names no team in use", Team_Label(nTeam), nSlot, nDrafted);
    int nDestination = player.anVital[VS_DESTINATION];
    if (nDestination != NO_TEAM && !known(nDestination))
        violation("%s slot %d: destination %d is no team in use", Team_Label(nTeam), nSlot, nDestination);
    for (int nRecord : player.anHistory) {
        if (nRecord < 0 || nRecord > LAST_HISTORY_RECORD) continue;
        int nCode = (TNUM)(g_League.aHistory[nRecord].nTeam & 0xFF);  // a season with no team is NO_TEAM
        bool bFranchise = nCode >= 0 && nCode < NUMBER_OF_FRANCHISES;
        if (nCode != NO_TEAM && (nCode < 0 || nCode > TOTAL_NUMBER_OF_TEAMS || (bFranchise && nCode >= nTeams)))
            violation("%s slot %d: history record %d names team %d, not in use", Team_Label(nTeam), nSlot, nRecord,
                      nCode);
    }
}

bool Team_Checked(int nTeam, int nTeams) {
    return nTeam < nTeams || nTeam >= FREE_AGENT_TEAM;
}

void Check_Player_Fields(Checker& violation, int nTeam, int nSlot, const PlayerRecord& player) {
    const char* szTeam = Team_Label(nTeam);
    for (const Range& range : PLAYER_LIMITS) {
        int nValue = player.anVital[range.nIndex];
        if (nValue < range.nLo || nValue > range.nHi)
            violation("%s slot %d: %s %d outside %d..%d", szTeam, nSlot, range.szName, nValue, range.nLo,
                      range.nHi);
    }
    // Prospects have no contract until they are drafted.
    bool bProspect = nTeam >= DRAFT_POOL_TEAMS;
    int nSalary = player.anVital[VS_SALARY];
    if (!violation.bRangesOnly && !bProspect && nSalary < MINIMUM_SALARY)
        violation("%s slot %d: salary %d below %d", szTeam, nSlot, nSalary, MINIMUM_SALARY);
    if (nSalary < 0 || nSalary > MAXIMUM_SALARY)
        violation("%s slot %d: salary %d outside 0..%d", szTeam, nSlot, nSalary, MAXIMUM_SALARY);
    for (int nCounter = 0; nCounter < NUMBER_OF_COUNTERS; nCounter++) {
        int nValue = player.anStats[PERIOD_PREDICTED][nCounter];
        if (nValue < -MAXIMUM_PREDICTED || nValue > MAXIMUM_PREDICTED)
            violation("%s slot %d: predicted counter %d is %d, beyond %d either way", szTeam, nSlot, nCounter,
                      nValue, MAXIMUM_PREDICTED);
    }
    if (violation.bRangesOnly) return;
    for (const Range& range : PLAYER_RANGES) {
        int nValue = player.anVital[range.nIndex];
        if (nValue < range.nLo || nValue > range.nHi)
            violation("%s slot %d: %s %d outside %d..%d", szTeam, nSlot, range.szName, nValue, range.nLo,
                      range.nHi);
    }
    int nAge = player.anVital[VS_AGE];
    int nAgeHi = nTeam == HALL_OF_FAME_TEAM ? 1000 : 55; // members keep growing older
    if (nAge < 16 || nAge > nAgeHi)
        violation("%s slot %d: age %d outside 16..%d", szTeam, nSlot, nAge, nAgeHi);
    int nBirth = player.anVital[VS_BIRTH_DATE];
    int nMonth = nBirth / 100 % 100, nDay = nBirth % 100;
    if (nBirth / 10000 < 1800 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31)
        violation("%s slot %d: birth date %d is not a date", szTeam, nSlot, nBirth);
}

// The player's history records, skipping what the list check reports.
template <typename Visit> void For_Each_Listed_Record(const PlayerRecord& player, Visit visit) {
    for (int nRecord : player.anHistory)
        if (nRecord >= 0 && nRecord <= LAST_HISTORY_RECORD && g_League.aHistory[nRecord].nYear != 0)
            visit(g_League.aHistory[nRecord]);
}

void Check_Player_Periods(Checker& violation, int nTeam, int nSlot, const PlayerRecord& player) {
    int nPosition = player.anVital[VS_POSITION];
    bool bStoredBlocking = nPosition == POS_RB || nPosition == POS_TE || nPosition == POS_WR;
    // Yards can be negative, so an earlier season may have pulled the career
    // below last season's figure; only the negative seasons in his history
    // excuse it. A season with games but no record (a full pool) could hide
    // one: then only the games and starts, never negative, are held to the
    // bound. College seasons (negative experience) are no part of the career.
    int64_t anNegative[NUMBER_OF_COUNTERS] = {};
    int64_t nRecordedGames = 0;
    For_Each_Listed_Record(player, [&](const HistoryRecord& record) {
        for (int nCounter = 0; nCounter < NUMBER_OF_COUNTERS; nCounter++)
            anNegative[nCounter] += Min(0, record.anStats[nCounter]);
        if (record.nExperience >= 0) nRecordedGames += record.anStats[SS_GAMES];
    });
    bool bComplete = nRecordedGames >= player.anStats[PERIOD_CAREER][SS_GAMES];
    for (int nCounter = 0; nCounter < NUMBER_OF_COUNTERS; nCounter++) {
        if (nCounter == SS_STORED_BLOCKING && bStoredBlocking) continue; // a rating, not a count
        if (!bComplete && nCounter != SS_GAMES && nCounter != SS_STARTS) continue;
        int nCareer = player.anStats[PERIOD_CAREER][nCounter];
        int nLast = player.anStats[PERIOD_LAST_SEASON][nCounter];
        int nThis = player.anStats[PERIOD_THIS_SEASON][nCounter];
        if ((int64_t)nCareer < (int64_t)nLast + Min(0, nThis) + anNegative[nCounter])
            violation("%s slot %d: career counter %d is %d, below last season's %d", Team_Label(nTeam), nSlot,
                      nCounter, nCareer, nLast);
    }
    for (int nPeriod = PERIOD_THIS_SEASON; nPeriod <= PERIOD_LAST_SEASON; nPeriod++)
        for (int nCounter = SS_GAMES; nCounter <= SS_STARTS; nCounter++) {
            int nValue = player.anStats[nPeriod][nCounter];
            if (nValue < 0 || nValue > MOST_GAMES_IN_A_SEASON)
                violation("%s slot %d: period %d counter %d is %d, outside 0..%d", Team_Label(nTeam), nSlot,
                          nPeriod, nCounter, nValue, MOST_GAMES_IN_A_SEASON);
        }
}

// Owner of each history record: the player listing it, as team x 80 + slot.
using Owners = std::unordered_map<int, int>;

void Check_Player_History(Checker& violation, int nTeam, int nSlot, const PlayerRecord& player,
                          Owners& owners) {
    const char* szTeam = Team_Label(nTeam);
    int nYearNow = Current_Calendar_Year();
    int nLastYear = 0;
    bool bEnded = false;
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++) {
        int nRecord = player.anHistory[nEntry];
        if (nRecord == NO_RECORD) {
            bEnded = true;
            continue;
        }
        if (bEnded) violation("%s slot %d: history entry %d follows an empty entry", szTeam, nSlot, nEntry);
        if (nRecord < 0 || nRecord > LAST_HISTORY_RECORD) {
            violation("%s slot %d: history entry %d names record %d", szTeam, nSlot, nEntry, nRecord);
            continue;
        }
        if (violation.bRangesOnly) continue;
        auto [it, bNew] = owners.emplace(nRecord, nTeam * PLAYERS_PER_TEAM + nSlot);
        if (!bNew)
            violation("%s slot %d: history record %d is also listed by team %d slot %d", szTeam, nSlot,
                      nRecord, it->second / PLAYERS_PER_TEAM, it->second % PLAYERS_PER_TEAM);
        int nYear = g_League.aHistory[nRecord].nYear;
        if (nYear == 0) {
            violation("%s slot %d: history entry %d names free record %d", szTeam, nSlot, nEntry, nRecord);
            continue;
        }
        if (nYear > nYearNow)
            violation("%s slot %d: history record %d is of %d, after the current year %d", szTeam, nSlot,
                      nRecord, nYear, nYearNow);
        if (nYear < nLastYear)
            violation("%s slot %d: history entry %d (%d) comes after a season of %d", szTeam, nSlot, nEntry,
                      nYear, nLastYear);
        nLastYear = nYear;
    }
    // An open record counts only while it is one of his own entries, so a
    // stale one is harmless; one outside the pool is not.
    int nOpen = player.nOpenRecord;
    if (nOpen < NO_RECORD || nOpen > LAST_HISTORY_RECORD)
        violation("%s slot %d: open record %d outside the pool", szTeam, nSlot, nOpen);
    // A franchise player's statistics flow into his open record, so it must be
    // this season's: an older one would take a second season into one record.
    // Free agents and prospects play no games and keep theirs until signed.
    bool bListed = std::find(std::begin(player.anHistory), std::end(player.anHistory), nOpen) !=
                   std::end(player.anHistory);
    if (!violation.bRangesOnly && nTeam < NUMBER_OF_FRANCHISES && nOpen > NO_RECORD && nOpen <= LAST_HISTORY_RECORD &&
        bListed) {
        int nOpenYear = g_League.aHistory[nOpen].nYear;
        if (nOpenYear != 0 && nOpenYear != nYearNow)
            violation("%s slot %d: open record %d is of %d, not of the current season %d", szTeam, nSlot, nOpen,
                      nOpenYear, nYearNow);
        // A move, a trade above all, opens a record for the new team: one
        // still naming the old team would credit his games to it.
        int nOpenTeam = (TNUM)(g_League.aHistory[nOpen].nTeam & 0xFF);
        if (nOpenYear == nYearNow && nOpenTeam != nTeam)
            violation("%s slot %d: open record %d names team %d, not his team %d", szTeam, nSlot, nOpen, nOpenTeam,
                      nTeam);
    }
}

void Check_Rosters(Checker& violation, int nTeams) {
    std::unordered_map<int, int> ids;
    Owners owners;
    for (int nTeam = 0; nTeam < NUMBER_OF_TEAM_BLOCKS; nTeam++) {
        bool bChecked = Team_Checked(nTeam, nTeams);
        bool bEmptySeen = false;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
            int nId = player.anVital[VS_PLAYER_ID];
            if (nId == 0) {
                bEmptySeen = true;
                continue;
            }
            if (!bChecked) {
                violation("%s is not in use but slot %d holds player %d", Team_Label(nTeam), nSlot, nId);
                continue;
            }
            if (bEmptySeen && !violation.bRangesOnly)
                violation("%s slot %d: player %d follows an empty slot", Team_Label(nTeam), nSlot, nId);
            if (nId < 0) violation("%s slot %d: negative player ID %d", Team_Label(nTeam), nSlot, nId);
            auto [it, bNew] = ids.emplace(nId, nTeam * PLAYERS_PER_TEAM + nSlot);
            if (!bNew && !violation.bRangesOnly)
                violation("%s slot %d: player ID %d is also held by team %d slot %d", Team_Label(nTeam),
                          nSlot, nId, it->second / PLAYERS_PER_TEAM, it->second % PLAYERS_PER_TEAM);
            Check_Player_Fields(violation, nTeam, nSlot, player);
            if (!violation.bRangesOnly) Check_Player_Periods(violation, nTeam, nSlot, player);
            Check_Player_History(violation, nTeam, nSlot, player, owners);
            if (!violation.bRangesOnly) Check_Player_Team_Codes(violation, nTeam, nSlot, player, nTeams);
        }
    }
    if (!violation.bRangesOnly && g_League.aHistory[NUMBER_OF_HISTORY_RECORDS - 1].nYear != 0)
        violation("history record %d, which is never handed out, is in use", NUMBER_OF_HISTORY_RECORDS - 1);
}

// Whatever the league's rule, no season holds more games than its schedule
// and every playoff week.
int Most_Games_In_A_Season() {
    int nGames = g_League.anRules[LR_GAMES_PER_SEASON];
    return (nGames > 0 && nGames < MOST_GAMES_IN_A_SEASON ? nGames : MOST_GAMES_IN_A_SEASON) + SEASON_CALENDAR_ENTRIES;
}

// The pool as a whole: records nobody lists are lost to it for good, and a
// record of more games than a season (seasons poured together) is found
// whether a player lists it or not.
void Check_History_Pool(Checker& violation) {
    int nUnowned = Count_Unowned_History_Records();
    if (nUnowned > 0) violation("%d history records are in use by no player", nUnowned);
    int nMost = Most_Games_In_A_Season();
    for (int nRecord = 0; nRecord <= LAST_HISTORY_RECORD; nRecord++) {
        const HistoryRecord& record = g_League.aHistory[nRecord];
        if (record.nYear != 0 && record.anStats[SS_GAMES] > nMost)
            violation("history record %d (%d) holds %d games, more than a season's %d", nRecord, record.nYear,
                      record.anStats[SS_GAMES], nMost);
    }
}

// Each team in use stands once in the standings, in its own division's row.
// Standings ever ordered mark their empty places; zeros throughout were never ordered.
void Check_Standings_Order(Checker& violation, int nTeams) {
    const int8_t* pFirst = &g_League.abStandingsOrder[0][0];
    if (std::find(pFirst, pFirst + sizeof g_League.abStandingsOrder, NO_TEAM) == pFirst + sizeof g_League.abStandingsOrder)
        return;
    std::vector<int> places(nTeams, 0);
    bool bAny = false;
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
        for (int8_t nTeam : g_League.abStandingsOrder[nDivision]) {
            if (nTeam < 0 || nTeam >= nTeams) continue;
            bAny = true;
            places[nTeam]++;
            if (g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION] != nDivision)
                violation("%s stands in division %d, not its own %d", Team_Label(nTeam), nDivision,
                          g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION]);
        }
    for (int nTeam = 0; bAny && nTeam < nTeams; nTeam++)
        if (places[nTeam] != 1) violation("%s stands %d times in the standings", Team_Label(nTeam), places[nTeam]);
}

// Outside the draft a franchise keeps a playable roster and the pool its
// order, and no prospect waits for a draft that is not running.
void Check_Roster_Sizes(Checker& violation, int nTeams) {
    if (College_Draft_Running()) return;
    for (int nTeam = DRAFT_POOL_TEAMS; nTeam < NUMBER_OF_TEAM_BLOCKS; nTeam++)
        if (g_League.aTeams[nTeam].aPlayers[0].anVital[VS_PLAYER_ID] != 0)
            violation("%s holds prospects outside the draft", Team_Label(nTeam));
    if (!Free_Agents_In_Order()) violation("the free agents are out of their order");
    // Rosters are judged from the first week played: the off-season's
    // departures are made good by the draft, the pool and the first review.
    if (!Calendar_Set() || g_League.anGameState[GS_CURRENT_WEEK] == 0) return;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        // The least at each position waits for the season's end: the
        // computer makes a shortage good one a week, and a trade can take a
        // team's only kicker in between.
        // A trade may thin a roster by the picks of the next draft it owns.
        int nPlayers = 0, nLeast = SMALLEST_ROSTER;
        for (const PlayerRecord& player : g_League.aTeams[nTeam].aPlayers)
            if (player.anVital[VS_PLAYER_ID] != 0) nPlayers++;
        for (const auto& abOwners : g_League.abDraftPicks[0])
            for (int nOriginal = 0; nOriginal < nTeams; nOriginal++)
                if (abOwners[nOriginal] == nTeam) nLeast--;
        if (nPlayers < nLeast)
            violation("%s has %d players, fewer than %d", Team_Label(nTeam), nPlayers, nLeast);
    }
    // Once the season is over every weekly review since the trading deadline
    // has run: a computer team then holds the least at each position.
    if (!Season_Is_Over()) return;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] != COMPUTER_MANAGED) continue;
        int anCount[NUMBER_OF_POSITIONS] = {};
        for (const PlayerRecord& player : g_League.aTeams[nTeam].aPlayers) {
            int nPosition = player.anVital[VS_POSITION];
            if (player.anVital[VS_PLAYER_ID] != 0 && nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS)
                anCount[nPosition]++;
        }
        for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
            if (anCount[nPosition] < Minimum_Roster_Count(nPosition)) {
                char szPosition[TEXT_SIZE];
                Get_Position_Name(nPosition, szPosition);
                violation("%s has %d at %s, fewer than %d", Team_Label(nTeam), anCount[nPosition], szPosition,
                          Minimum_Roster_Count(nPosition));
            }
    }
}
} // namespace

namespace {
int Check(std::vector<std::string>* pViolations, bool bRangesOnly) {
    Checker violation{pViolations, bRangesOnly};
    Check_League_Rules(violation);
    int nTeams = Count_Franchises(violation);
    Check_Calendar(violation, nTeams);
    if (!bRangesOnly) Check_Cities(violation);
    Check_Teams(violation, nTeams);
    if (!bRangesOnly) Check_Team_Codes(violation, nTeams);
    Check_Rosters(violation, nTeams);
    if (!bRangesOnly) {
        Check_History_Pool(violation);
        Check_Standings_Order(violation, nTeams);
        Check_Roster_Sizes(violation, nTeams);
    }
    // After the players, whose own pay is named first.
    for (int nTeam = 0; nTeam < nTeams; nTeam++) Check_Money(violation, nTeam);
    return violation.nCount;
}
}  // namespace

int Check_League_Integrity(std::vector<std::string>* pViolations) { return Check(pViolations, false); }

int Check_League_Ranges(std::vector<std::string>* pViolations) { return Check(pViolations, true); }

int Count_Unowned_History_Records() {
    std::vector<bool> listed(NUMBER_OF_HISTORY_RECORDS, false);
    for (int nTeam = 0; nTeam < NUMBER_OF_TEAM_BLOCKS; nTeam++)
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
            if (player.anVital[VS_PLAYER_ID] == 0) continue;
            for (int nRecord : player.anHistory)
                if (nRecord >= 0 && nRecord < NUMBER_OF_HISTORY_RECORDS) listed[nRecord] = true;
        }
    int nCount = 0;
    for (int nRecord = 0; nRecord < NUMBER_OF_HISTORY_RECORDS; nRecord++)
        if (g_League.aHistory[nRecord].nYear != 0 && !listed[nRecord]) nCount++;
    return nCount;
}
