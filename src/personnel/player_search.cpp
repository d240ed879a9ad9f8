#include "personnel/player_search.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "database/text_format.h"
#include "platform/platform.h"

namespace {
constexpr int DEFAULT_AGE_LIMIT = 50;
constexpr int DEFAULT_SALARY_LIMIT = 10000;
constexpr int DEFAULT_MINIMUM = 50;
constexpr int HIGHEST_AGE_LIMIT = 100;
constexpr int HIGHEST_SALARY_LIMIT = 100000;  // thousands
constexpr int HIGHEST_RATING = 100;

// A whole number in nLo..nHi, spaces around it allowed and nothing else.
bool Read_Whole_Number(const char* szText, int nLo, int nHi, int* pValue) {
    while (*szText == ' ') szText++;
    long nValue = 0;
    int nDigits = 0;
    for (; *szText >= '0' && *szText <= '9'; szText++, nDigits++) {
        nValue = nValue * 10 + (*szText - '0');
        if (nValue > nHi) return false;
    }
    while (*szText == ' ') szText++;
    if (!nDigits || *szText || nValue < nLo) return false;
    *pValue = (int)nValue;
    return true;
}

std::string Capitals(const char* szText) {
    std::string szOut(szText);
    for (char& c : szOut) c = (char)toupper((unsigned char)c);
    return szOut;
}

bool Qualifies(const SearchCriteria& criteria, const std::string& szFragment, TNUM nTeam, PNUM nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION);
    if (criteria.nPosition != POS_ANY && nPosition != criteria.nPosition) return false;
    if (!szFragment.empty()) {
        char szName[FULL_NAME_WIDTH];
        Get_Player_Full_Name(nTeam, nSlot, szName);
        if (Capitals(szName).find(szFragment) == std::string::npos) return false;
    }
    // Read as shown, without the getter, which would store the league minimum: a search changes nothing.
    int nSalary = Max(g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_SALARY], MINIMUM_SALARY);
    if (nSalary > criteria.nSalaryLimit) return false;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VS_AGE) >= criteria.nAgeLimit) return false;
    if (criteria.nPosition == POS_ANY) return true;
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        int nCode = Position_Rating_Code(nPosition, i);
        if (nCode && Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, nCode) < criteria.anMinimum[i])
            return false;
    }
    return true;
}
}  // namespace

SearchCriteria Default_Search_Criteria() {
    SearchCriteria criteria{};
    criteria.nPosition = POS_ANY;
    criteria.nAgeLimit = DEFAULT_AGE_LIMIT;
    criteria.nSalaryLimit = DEFAULT_SALARY_LIMIT;
    for (int& nMinimum : criteria.anMinimum) nMinimum = DEFAULT_MINIMUM;
    return criteria;
}

SearchCriteria Stored_Search_Criteria() {
    SearchCriteria criteria = Default_Search_Criteria();
    // No age limit stored: this league has never closed the search window.
    if (Get_Game_State(GS_SEARCH_AGE) <= 0) return criteria;
    int nPosition = Get_Game_State(GS_SEARCH_POSITION);
    criteria.nPosition = nPosition >= 0 && nPosition <= POS_ANY ? nPosition : POS_ANY;
    criteria.nAgeLimit = Get_Game_State(GS_SEARCH_AGE);
    criteria.nSalaryLimit = Get_Game_State(GS_SEARCH_SALARY);
    for (int i = 0; i < RATINGS_PER_POSITION; i++) criteria.anMinimum[i] = Get_Game_State(GS_SEARCH_RATING_FIRST + i);
    return criteria;
}

void Store_Search_Criteria(const SearchCriteria& criteria) {
    Set_Game_State(GS_SEARCH_POSITION, criteria.nPosition);
    Set_Game_State(GS_SEARCH_AGE, criteria.nAgeLimit);
    Set_Game_State(GS_SEARCH_SALARY, criteria.nSalaryLimit);
    for (int i = 0; i < RATINGS_PER_POSITION; i++) Set_Game_State(GS_SEARCH_RATING_FIRST + i, criteria.anMinimum[i]);
}

std::vector<FoundPlayer> Find_Players(const SearchCriteria& criteria) {
    std::vector<FoundPlayer> found;
    std::string szFragment = Capitals(std::string(criteria.szName, strnlen(criteria.szName, SEARCH_NAME_WIDTH)).c_str());
    bool bProspects = College_Draft_Running();
    for (int nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam == HALL_OF_FAME_TEAM || (nTeam >= DRAFT_POOL_TEAMS && !bProspects)) continue;
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Valid_Player((TNUM)nTeam, nSlot) || !Qualifies(criteria, szFragment, (TNUM)nTeam, nSlot)) continue;
            found.push_back({(TNUM)nTeam, nSlot});
            if ((int)found.size() == FOUND_PLAYERS_LIMIT) return found;
        }
    }
    return found;
}

std::vector<FoundPlayer> Search_For_Players(const SearchCriteria& criteria) {
    std::vector<FoundPlayer> found = Find_Players(criteria);
    if (found.empty())
        Message_Box("Search Failed", "Couldn't find any players with those parameters. Try broadening your search.");
    return found;
}

std::string Search_Position_Text(int nPosition) {
    if (nPosition == POS_ANY) return "Any Player";
    char szName[TEXT_SIZE], szPlural[TEXT_SIZE];
    Get_Position_Name(nPosition, szName);
    Make_Plural(szName, szPlural);
    return szPlural;
}

bool Read_Search_Fields(const char* szAge, const char* szSalary, const char* const aszMinimum[RATINGS_PER_POSITION],
                        SearchCriteria* pCriteria, std::string* pszMessage) {
    SearchCriteria criteria = *pCriteria;
    char szMessage[TEXT_SIZE];
    if (!Read_Whole_Number(szAge, 1, HIGHEST_AGE_LIMIT, &criteria.nAgeLimit)) {
        snprintf(szMessage, sizeof szMessage, "The age limit must be a whole number from 1 to %d.", HIGHEST_AGE_LIMIT);
        *pszMessage = szMessage;
        return false;
    }
    if (!Read_Whole_Number(szSalary, 0, HIGHEST_SALARY_LIMIT, &criteria.nSalaryLimit)) {
        snprintf(szMessage, sizeof szMessage,
                 "The salary limit must be a whole number of thousands of dollars from 0 to %d.", HIGHEST_SALARY_LIMIT);
        *pszMessage = szMessage;
        return false;
    }
    for (int i = 0; i < RATINGS_PER_POSITION; i++)
        if (!Read_Whole_Number(aszMinimum[i], 0, HIGHEST_RATING, &criteria.anMinimum[i])) {
            snprintf(szMessage, sizeof szMessage, "Each least rating must be a whole number from 0 to %d.",
                     HIGHEST_RATING);
            *pszMessage = szMessage;
            return false;
        }
    *pCriteria = criteria;
    return true;
}

std::string Found_Player_Line(const FoundPlayer& found) {
    char szName[FULL_NAME_WIDTH], szTeam[TEXT_SIZE];
    Get_Player_Full_Name(found.nTeam, found.nSlot, szName);
    if (found.nTeam >= DRAFT_POOL_TEAMS)
        strcpy(szTeam, "Undrafted");
    else
        Get_Team_Label(found.nTeam, szTeam);
    return std::string(szName) + "\t" + szTeam;
}
