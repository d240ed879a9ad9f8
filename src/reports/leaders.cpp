#include "reports/leaders.h"

#include <algorithm>
#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "reports/page_text.h"

namespace {
// Who may lead a category.
enum { ONLY_QB, BACKS, RETURNERS, DEFENDERS, KICKERS, EVERYBODY };
// How a value is written.
enum { AS_COUNT, AS_TENTHS, AS_HUNDREDTHS, AS_PER_MILLE, AS_HALVES, AS_MONEY };

struct Category {
    const char* szName;
    int nWho;
    int nStat;    // season stat code (VS_CAP_IMPACT for the money)
    int nVolume;  // counter (or code) the minimum applies to; -1: a counting category
    int nPerGame; // minimum volume per game of a season, hundredths
    int nCareer;  // minimum volume for a career
    int nFormat;
};

// Minimums follow the usual league rules for rate titles: 14 passes, 6.25
// carries, 1.875 catches, 1 return, 1 field-goal try or 2.5 punts a game.
const Category CATEGORIES[NUMBER_OF_LEADER_CATEGORIES] = {
    {"Passes", ONLY_QB, SS_PASS_ATTEMPTS, -1, 0, 0, AS_COUNT},
    {"Completions", ONLY_QB, SS_COMPLETIONS, -1, 0, 0, AS_COUNT},
    {"Pass Yards", ONLY_QB, SS_PASS_YARDS, -1, 0, 0, AS_COUNT},
    {"Completion %", ONLY_QB, SS_COMPLETION_RATE, SS_PASS_ATTEMPTS, 1400, 1500, AS_PER_MILLE},
    {"Pass TDs", ONLY_QB, SS_PASS_TD, -1, 0, 0, AS_COUNT},
    {"Yards/Attempt", ONLY_QB, SS_YARDS_PER_ATTEMPT, SS_PASS_ATTEMPTS, 1400, 1500, AS_HUNDREDTHS},
    {"QB Rating", ONLY_QB, SS_PASSER_RATING, SS_PASS_ATTEMPTS, 1400, 1500, AS_TENTHS},
    {"Passing/Game", ONLY_QB, SS_PASS_YARDS_PER_GAME, SS_PASS_ATTEMPTS, 1400, 1500, AS_COUNT},
    {"Kick Return Avg.", RETURNERS, SS_KICK_RETURN_AVERAGE, SS_KICK_RETURNS, 100, 75, AS_TENTHS},
    {"Kick Return TDs", RETURNERS, SS_KICK_RETURN_TD, -1, 0, 0, AS_COUNT},
    {"Rushes", BACKS, SS_RUSHES, -1, 0, 0, AS_COUNT},
    {"Rush Yards", BACKS, SS_RUSH_YARDS, -1, 0, 0, AS_COUNT},
    {"Rushing TDs", BACKS, SS_RUSH_TD, -1, 0, 0, AS_COUNT},
    {"Yards/Rush", BACKS, SS_YARDS_PER_RUSH, SS_RUSHES, 625, 750, AS_TENTHS},
    {"Receptions", BACKS, SS_RECEPTIONS, -1, 0, 0, AS_COUNT},
    {"Receiving Yards", BACKS, SS_RECEIVING_YARDS, -1, 0, 0, AS_COUNT},
    {"Receiving TDs", BACKS, SS_RECEIVING_TD, -1, 0, 0, AS_COUNT},
    {"Yards/Recept", BACKS, SS_YARDS_PER_RECEPTION, SS_RECEPTIONS, 188, 200, AS_TENTHS},
    {"Punt Return Avg.", RETURNERS, SS_PUNT_RETURN_AVERAGE, SS_PUNT_RETURNS, 100, 75, AS_TENTHS},
    {"Punt Return TDs", RETURNERS, SS_PUNT_RETURN_TD, -1, 0, 0, AS_COUNT},
    {"Tackles", DEFENDERS, SS_TACKLES, -1, 0, 0, AS_COUNT},
    {"Assists", DEFENDERS, SS_ASSISTS, -1, 0, 0, AS_COUNT},
    {"Knockdowns", DEFENDERS, SS_KNOCKDOWNS, -1, 0, 0, AS_COUNT},
    {"Fumbles Forced", DEFENDERS, SS_FORCED_FUMBLES, -1, 0, 0, AS_COUNT},
    {"Sacks", DEFENDERS, SS_SACKS, -1, 0, 0, AS_HALVES},
    {"Interceptions", DEFENDERS, SS_INTERCEPTIONS, -1, 0, 0, AS_COUNT},
    {"Field Goals", KICKERS, SS_FG_MADE, -1, 0, 0, AS_COUNT},
    {"Field Goal %", KICKERS, SS_FG_RATE, SS_FG_TRIED, 100, 100, AS_PER_MILLE},
    {"Punt Average", KICKERS, SS_PUNT_AVERAGE, SS_PUNTS, 250, 250, AS_TENTHS},
    {"Cap Impact", EVERYBODY, VS_CAP_IMPACT, -1, 0, 0, AS_MONEY},
};

bool Valid_Category(int nCategory) {
    return nCategory >= 0 && nCategory < NUMBER_OF_LEADER_CATEGORIES;
}

// Counters mean different things in each position group, so each category
// looks only at the players whose counters carry its statistic.
bool Eligible(TNUM nTeam, PNUM nPlayer, int nWho) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    int nGroup = Position_Group(nPosition);
    switch (nWho) {
    case ONLY_QB:
        return nPosition == POS_QB;
    case BACKS:
        return nGroup == GROUP_SKILL;
    case RETURNERS:
        return nGroup == GROUP_SKILL || nGroup == GROUP_DEFENCE;
    case DEFENDERS:
        return nGroup == GROUP_DEFENCE;
    case KICKERS:
        return nGroup == GROUP_KICKERS;
    default:
        return true;
    }
}

// Most regular-season games any team in use played in a season.
int Most_Games(int nSeason) {
    int nMost = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nGames = 0;
        for (int nField = YR_WINS; nField <= YR_TIES; nField++)
            nGames += Get_Team_Yearly_Stat(nTeam, nSeason, nField);
        nMost = Max(nMost, nGames);
    }
    return nMost;
}

int g_nHeadingBox = 0;
} // namespace

const char* Leader_Category_Name(int nCategory) {
    return Valid_Category(nCategory) ? CATEGORIES[nCategory].szName : "";
}

int Leader_Period_Games(int nPeriod) {
    if (nPeriod == LEADERS_THIS_SEASON) return Most_Games(Record_Season_Index());
    int nGames = Current_Season_Index() > 0 ? Most_Games(Current_Season_Index() - 1) : 0;
    if (nGames == 0) nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    return nGames > 0 ? nGames : 16;
}

int Leader_Minimum(int nCategory, int nPeriod) {
    if (!Valid_Category(nCategory) || CATEGORIES[nCategory].nVolume < 0) return 0;
    const Category& category = CATEGORIES[nCategory];
    if (nPeriod == LEADERS_CAREER) return category.nCareer;
    return Max(1, Ratio(category.nPerGame, Leader_Period_Games(nPeriod), 100));
}

bool Leader_Value(TNUM nTeam, PNUM nPlayer, int nCategory, int nPeriod, int* pValue) {
    if (!Valid_Category(nCategory) || !Is_Valid_Player(nTeam, nPlayer)) return false;
    const Category& category = CATEGORIES[nCategory];
    if (!Eligible(nTeam, nPlayer, category.nWho)) return false;
    int nStatPeriod = Clamp(PERIOD_THIS_SEASON, nPeriod, PERIOD_CAREER);
    if (category.nFormat == AS_MONEY) {
        *pValue = Get_Player_Vital_Stat(nTeam, nPlayer, VS_CAP_IMPACT);
        return *pValue > 0;
    }
    *pValue = Get_Player_Season_Stat(nTeam, nPlayer, nStatPeriod, category.nStat);
    if (category.nVolume < 0) return *pValue > 0;
    return Get_Player_Season_Stat(nTeam, nPlayer, nStatPeriod, category.nVolume) >=
           Leader_Minimum(nCategory, nPeriod);
}

int Compute_Leaders(int nCategory, int nConference, int nPeriod, Leader* aLeaders) {
    if (!Valid_Category(nCategory)) return 0;
    std::vector<Leader> candidates;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (nConference != BOTH_CONFERENCES && Get_Team_League(nTeam) != nConference) continue;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            int nValue;
            if (Leader_Value(nTeam, nPlayer, nCategory, nPeriod, &nValue))
                candidates.push_back({nTeam, nPlayer, nValue, 0});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Leader& a, const Leader& b) { return a.nValue > b.nValue; });
    int nCount = Min((int)candidates.size(), LEADERS_PER_BOX);
    for (int i = 0; i < nCount; i++) {
        aLeaders[i] = candidates[i];
        aLeaders[i].nRank =
            i > 0 && aLeaders[i].nValue == aLeaders[i - 1].nValue ? aLeaders[i - 1].nRank : i + 1;
    }
    return nCount;
}

void Format_Leader_Value(int nCategory, int nValue, char* szOut) {
    switch (Valid_Category(nCategory) ? CATEGORIES[nCategory].nFormat : AS_COUNT) {
    case AS_TENTHS:
        Format_Decimal(nValue, 10, 1, "", szOut);
        break;
    case AS_HUNDREDTHS:
        Format_Decimal(nValue, 100, 2, "", szOut);
        break;
    case AS_PER_MILLE:
        Format_Decimal(nValue, 10, 1, "%", szOut);
        break;
    case AS_HALVES:
        Format_Decimal(nValue * 5, 10, 1, "", szOut);
        break;
    case AS_MONEY:
        Format_Millions(nValue * 1000, szOut);
        break;
    default:
        Format_Text(szOut, "%d", nValue);
        break;
    }
}

void Format_Leader_Name(TNUM nTeam, PNUM nPlayer, char* szOut) {
    char szFirst[FIRST_NAME_WIDTH], szLast[LAST_NAME_WIDTH];
    Get_Player_First_Name(nTeam, nPlayer, szFirst);
    Get_Player_Last_Name(nTeam, nPlayer, szLast);
    if (szFirst[0])
        Format_Text(szOut, "%c. %s", szFirst[0], szLast);
    else
        Format_Text(szOut, "%s", szLast);
}

int Leader_Box_Category(int nBox) {
    if (nBox < 0 || nBox >= LEADER_BOXES) return 0;
    return Clamp(0, Get_Game_State(GS_LEADER_CATEGORY + nBox), NUMBER_OF_LEADER_CATEGORIES - 1);
}
int Leaders_Conference() {
    return Clamp(0, Get_Game_State(GS_LEADER_CONFERENCE), BOTH_CONFERENCES);
}
int Leaders_Period() {
    return Clamp(0, Get_Game_State(GS_LEADER_PERIOD), NUMBER_OF_LEADER_PERIODS - 1);
}

void Get_Conference_Label(int nConference, char* szOut) {
    char szName[16];
    Get_League_Name(nConference, szName);
    Format_Text(szOut, "%cFC", szName[0] ? szName[0] : '?');
}

void Get_Leaders_Title(char* szOut) {
    int nConference = Leaders_Conference();
    if (nConference == BOTH_CONFERENCES) {
        Format_Text(szOut, "Both Conferences");
        return;
    }
    char szLabel[TEXT_SIZE];
    Get_Conference_Label(nConference, szLabel);
    Format_Text(szOut, "%s Leaders", szLabel);
}

void Get_Leaders_Period_Text(char* szOut) {
    int nPeriod = Leaders_Period();
    if (nPeriod == LEADERS_CAREER)
        Format_Text(szOut, "Career");
    else
        Format_Text(szOut, "%d", Current_Calendar_Year() - (nPeriod == LEADERS_LAST_SEASON ? 1 : 0));
}

void Set_Leader_Heading_Box(int nBox) {
    g_nHeadingBox = Clamp(0, nBox, LEADER_BOXES - 1);
}
int Leader_Heading_Box() {
    return g_nHeadingBox;
}

void Open_Leader_Heading(int nBox, LeaderHeadingDialog* pDialog) {
    pDialog->nBox = Clamp(0, nBox, LEADER_BOXES - 1);
    pDialog->nCategory = Leader_Box_Category(pDialog->nBox);
    pDialog->nConference = Leaders_Conference();
    pDialog->nPeriod = Leaders_Period();
}

void Apply_Leader_Heading(const LeaderHeadingDialog* pDialog) {
    if (pDialog->nBox < 0 || pDialog->nBox >= LEADER_BOXES || !Valid_Category(pDialog->nCategory)) return;
    Set_Game_State(GS_LEADER_CATEGORY + pDialog->nBox, pDialog->nCategory);
    Set_Game_State(GS_LEADER_CONFERENCE, Clamp(0, pDialog->nConference, BOTH_CONFERENCES));
    Set_Game_State(GS_LEADER_PERIOD, Clamp(0, pDialog->nPeriod, NUMBER_OF_LEADER_PERIODS - 1));
}
