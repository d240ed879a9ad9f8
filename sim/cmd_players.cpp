// brakvell-sim commands that show players: one player's card figures, a
// roster in depth-chart order, and what a team needs.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "database/league_database.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/ratings.h"
#include "sim/commands.h"
#include "trades/team_needs.h"

// A team code, or a team's abbreviation (case ignored).
bool Parse_Team(const char* szArg, TNUM* pTeam) {
    char* pEnd = nullptr;
    long n = strtol(szArg, &pEnd, 10);
    if (*szArg && pEnd && *pEnd == '\0') {
        if (n < 0 || n > TOTAL_NUMBER_OF_TEAMS || !Valid_Team((TNUM)n)) return false;
        *pTeam = (TNUM)n;
        return true;
    }
    for (TNUM t = 0; t <= TOTAL_NUMBER_OF_TEAMS; t++) {
        if (!Valid_Team(t)) continue;
        char szAbbreviation[32];
        Get_Team_String(t, TS_ABBREVIATION, szAbbreviation);
        if (strcasecmp(szAbbreviation, szArg) == 0) {
            *pTeam = t;
            return true;
        }
    }
    return false;
}

bool Parse_Player_Slot(TNUM nTeam, const char* szArg, PNUM* pSlot) {
    char* pEnd = nullptr;
    long nSlot = strtol(szArg, &pEnd, 10);
    if (!*szArg || *pEnd || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM || !Is_Valid_Player(nTeam, (PNUM)nSlot)) {
        fprintf(stderr, "brakvell-sim: no player in slot %s\n", szArg);
        return false;
    }
    *pSlot = (PNUM)nSlot;
    return true;
}

namespace {

bool Load_And_Find_Team(const char* szFile, const char* szTeam, TNUM* pTeam) {
    if (!Load_League_File(szFile)) return false;
    if (Parse_Team(szTeam, pTeam)) return true;
    fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", szTeam, szFile);
    return false;
}

void Print_Ratings(TNUM nTeam, PNUM nPlayer, bool bNames) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        int nCode = Position_Rating_Code(nPosition, i);
        int nRating = nCode ? Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, nCode) : 0;
        if (bNames && nCode)
            printf("  %-14s %3d\n", Rating_Name(nCode), nRating);
        else if (!bNames)
            printf(nCode ? " %3d" : "    ", nRating);
    }
}

// "City Nickname (ABB)", the heading of a team's listing.
std::string Team_Heading(TNUM nTeam) {
    char szTeam[32], szCity[32], szNickname[32];
    Get_Team_String(nTeam, TS_ABBREVIATION, szTeam);
    Get_Team_String(nTeam, TS_CITY, szCity);
    Get_Team_String(nTeam, TS_NICKNAME, szNickname);
    return std::string(szCity) + " " + szNickname + " (" + szTeam + ")";
}
}  // namespace

int Sim_Player(int argc, char** argv) {
    if (argc != 3) return Sim_Usage("player FILE TEAM SLOT");
    TNUM nTeam = NO_TEAM;
    if (!Load_And_Find_Team(argv[0], argv[1], &nTeam)) return 1;
    PNUM p = NO_PLAYER;
    if (!Parse_Player_Slot(nTeam, argv[2], &p)) return 1;
    char szName[FULL_NAME_WIDTH + 8], szPosition[32], szTeam[32];
    Get_Player_Full_Name(nTeam, p, szName);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, p, VS_POSITION), szPosition);
    Get_Team_String(nTeam, TS_ABBREVIATION, szTeam);
    int nHeight = Get_Player_Vital_Stat(nTeam, p, VS_HEIGHT);
    printf("%s, %s (%s slot %d, ID %d)\n", szName, szPosition, szTeam, p, Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID));
    printf("Age %d, experience %d, %d'%d\", %d lb, peak %d-%d\n", Get_Player_Vital_Stat(nTeam, p, VS_AGE),
           Get_Player_Vital_Stat(nTeam, p, VS_EXPERIENCE), nHeight / 12, nHeight % 12,
           Get_Player_Vital_Stat(nTeam, p, VS_WEIGHT), Get_Player_Vital_Stat(nTeam, p, VS_PEAK_START),
           Get_Player_Vital_Stat(nTeam, p, VS_PEAK_END));
    char szSalary[32];
    Format_Thousands(Get_Player_Vital_Stat(nTeam, p, VS_SALARY), szSalary);
    printf("Salary $%s,000, %d of %d years left\n", szSalary,
           Get_Player_Vital_Stat(nTeam, p, VS_CONTRACT_LEFT), Get_Player_Vital_Stat(nTeam, p, VS_CONTRACT_YEARS));
    printf("Ratings:\n");
    Print_Ratings(nTeam, p, true);
    printf("  %-14s %3d\n", "Overall", Player_Overall_Rating(nTeam, p));
    printf("Values: predicted season %d, last season %d, current %d, potential %d, trade %d, tier %d\n",
           Player_Season_Value(nTeam, p, PERIOD_PREDICTED), Player_Season_Value(nTeam, p, PERIOD_LAST_SEASON),
           Player_Current_Value(nTeam, p), Player_Potential_Value(nTeam, p), Player_Trade_Value(nTeam, p),
           Player_Value_Tier(nTeam, p));
    return 0;
}

int Sim_Roster(int argc, char** argv) {
    if (argc != 2) return Sim_Usage("roster FILE TEAM");
    TNUM nTeam = NO_TEAM;
    if (!Load_And_Find_Team(argv[0], argv[1], &nTeam)) return 1;
    // The pool lists in its own order, whatever order the file kept; it has no returners, and what
    // each asks is what a signing team wants to know.
    bool bPool = nTeam == FREE_AGENT_TEAM;
    if (bPool) Sort_Free_Agents();
    printf("%s, %d players\n", Team_Heading(nTeam).c_str(), Number_Of_Players(nTeam));
    printf("Slot Pos Name                           Age Ovr  Ratings              Worth%s\n", bPool ? "       Salary" : "");
    PNUM nKick = bPool ? NO_PLAYER : Get_Team_Returner(nTeam, KICK_RETURNER);
    PNUM nPunt = bPool ? NO_PLAYER : Get_Team_Returner(nTeam, PUNT_RETURNER);
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        char szName[FULL_NAME_WIDTH + 8], szPosition[32];
        Get_Player_Full_Name(nTeam, p, szName);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, p, VS_POSITION), szPosition);
        printf("%4d %-3s %-30s %3d %3d ", p, szPosition, szName, Get_Player_Vital_Stat(nTeam, p, VS_AGE),
               Player_Overall_Rating(nTeam, p));
        Print_Ratings(nTeam, p, false);
        printf(" %6d%s%s", Get_Player_Season_Stat(nTeam, p, PERIOD_PREDICTED, SS_SEASON_WORTH),
               p == nKick ? " KR" : "", p == nPunt ? " PR" : "");
        if (bPool) {
            char szSalary[TEXT_SIZE];
            Format_Thousands(Get_Player_Vital_Stat(nTeam, p, VS_SALARY), szSalary);
            printf(" %8s,000", szSalary);
        }
        printf("\n");
    }
    return 0;
}

int Sim_Needs(int argc, char** argv) {
    if (argc != 2) return Sim_Usage("needs FILE TEAM");
    TNUM nTeam = NO_TEAM;
    if (!Load_And_Find_Team(argv[0], argv[1], &nTeam)) return 1;
    TeamNeeds needs;
    Compute_Team_Needs(nTeam, &needs);
    printf("%s needs against the league (1000 for an average team)\n", Team_Heading(nTeam).c_str());
    printf("Position          Starter Veteran  Young\n");
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++) {
        char szPosition[TEXT_SIZE];
        Get_Position_Name(p, szPosition);
        printf("%-16s %8d %7d %6d\n", szPosition, needs.aanNeed[NEED_STARTER][p], needs.aanNeed[NEED_VETERAN_BACKUP][p],
               needs.aanNeed[NEED_YOUNG_BACKUP][p]);
    }
    printf("Hint:\n%s\n", Needs_List_Text(needs).c_str());
    return 0;
}
