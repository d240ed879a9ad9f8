// brakvell-sim find: the player search without its window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "personnel/player_search.h"
#include "sim/commands.h"

namespace {
// A position's abbreviation ("QB"), or "any".
bool Parse_Position(const char* szArg, int* pPosition) {
    if (strcasecmp(szArg, "any") == 0) {
        *pPosition = POS_ANY;
        return true;
    }
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        char szAbbreviation[TEXT_SIZE];
        Get_Position_Abbreviation(nPosition, szAbbreviation);
        if (strcasecmp(szAbbreviation, szArg) == 0) {
            *pPosition = nPosition;
            return true;
        }
    }
    return false;
}

// "a,b,c,d,e": the five least ratings, each 0..100.
bool Parse_Minimums(const char* szArg, int anMinimum[RATINGS_PER_POSITION]) {
    const char* p = szArg;
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        char* pEnd = nullptr;
        long n = strtol(p, &pEnd, 10);
        if (pEnd == p || n < 0 || n > 100 || (*pEnd != (i + 1 < RATINGS_PER_POSITION ? ',' : '\0'))) return false;
        anMinimum[i] = (int)n;
        p = pEnd + 1;
    }
    return true;
}
}  // namespace

int Sim_Find(int argc, char** argv) {
    const char* const USAGE = "find FILE [--position POS|any] [--age N] [--salary N] [--name TEXT] [--min A,B,C,D,E]";
    if (argc < 1) return Sim_Usage(USAGE);
    SearchCriteria criteria = Default_Search_Criteria();
    for (int i = 1; i < argc; i++) {
        long nAge = criteria.nAgeLimit, nSalary = criteria.nSalaryLimit;
        if (strcmp(argv[i], "--position") == 0 && i + 1 < argc) {
            if (!Parse_Position(argv[++i], &criteria.nPosition)) return Sim_Usage(USAGE);
        } else if (strcmp(argv[i], "--name") == 0 && i + 1 < argc) {
            if (strlen(argv[++i]) >= SEARCH_NAME_WIDTH) return Sim_Usage(USAGE);
            strcpy(criteria.szName, argv[i]);
        } else if (strcmp(argv[i], "--min") == 0 && i + 1 < argc) {
            if (!Parse_Minimums(argv[++i], criteria.anMinimum)) return Sim_Usage(USAGE);
        } else if (Parse_Option(i, argc, argv, "--age", nAge, 1, 99)) {
            criteria.nAgeLimit = (int)nAge;
        } else if (Parse_Option(i, argc, argv, "--salary", nSalary, 0, 1000000)) {
            criteria.nSalaryLimit = (int)nSalary;
        } else {
            return Sim_Usage(USAGE);
        }
    }
    if (!Load_League_File(argv[0])) return 1;
    std::vector<FoundPlayer> found = Search_For_Players(criteria);
    for (const FoundPlayer& player : found) {
        // The window's tab stop becomes a column.
        std::string szLine = Found_Player_Line(player);
        size_t nTab = szLine.find('\t');
        printf("%3d %2d  %-30s %s\n", player.nTeam, player.nSlot, Printable(szLine.substr(0, nTab).c_str()).c_str(),
               Printable(szLine.substr(nTab + 1).c_str()).c_str());
    }
    printf("%zu found\n", found.size());
    return 0;
}
