#include "trades/free_agent_list.h"

#include <cstdio>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "trades/team_needs.h"

namespace {
constexpr int ROOM_SHOWN_BELOW = 5000;  // thousands: less room than this is worth saying

std::string Team_Text(TNUM nTeam, int nIndex) {
    char szText[TEXT_SIZE];
    Get_Team_String(nTeam, nIndex, szText);
    return szText;
}

std::string Thousands(int n) {
    char szText[TEXT_SIZE];
    Format_Thousands(n, szText);
    return szText;
}

std::string Printed(const char* szFormat, const std::string& a, const std::string& b = "") {
    char szText[2 * TEXT_SIZE + 128];
    snprintf(szText, sizeof szText, szFormat, a.c_str(), b.c_str());
    return szText;
}
}  // namespace

TNUM Free_Agent_Signing_Team() {
    TNUM nViewed = (TNUM)Get_Game_State(GS_USER_TEAM);
    bool bFranchise = nViewed >= 0 && nViewed < NUMBER_OF_FRANCHISES && Valid_Team(nViewed);
    if (bFranchise && (Get_Game_State(GS_COMMISSIONER) || Human_Managed(nViewed))) return nViewed;
    return (TNUM)Get_Game_State(GS_MANAGED_TEAM);
}

std::string Free_Agent_List_Title(TNUM nTeam) {
    int nPeople = 0;
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++) nPeople += Valid_Team(t) && Human_Managed(t);
    if (nPeople <= 1) return "Free Agents";
    return Printed("Free Agents (Sign to %s)", Team_Text(nTeam, TS_NICKNAME));
}

std::string Roster_Count_Text(TNUM nTeam) {
    char szText[TEXT_SIZE + 96];
    snprintf(szText, sizeof szText, "The %s have %d roster players, out of a maximum of %d.",
             Team_Text(nTeam, TS_NICKNAME).c_str(), Number_Of_Players(nTeam), PLAYERS_PER_TEAM);
    return szText;
}

std::string Player_Seeking_Text(PNUM nPoolPlayer) {
    char szName[FULL_NAME_WIDTH];
    Get_Player_Full_Name(FREE_AGENT_TEAM, nPoolPlayer, szName);
    return Printed("%s is seeking a $%s,000 salary", szName,
                   Thousands(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPoolPlayer, VS_SALARY)));
}

std::string Team_Seeking_Text(TNUM nTeam) {
    TeamNeeds needs;
    Compute_Team_Needs(nTeam, &needs);
    return Printed("%s is seeking %s...", Team_Text(nTeam, TS_CITY), Seeking_Phrase(needs));
}

std::string Payroll_Text(TNUM nTeam) {
    std::string szNickname = Team_Text(nTeam, TS_NICKNAME);
    int nRoom = Cap_Room(nTeam, nTeam, NO_PLAYER);
    if (nRoom <= 0) return Printed("The %s are exceeding the salary cap", szNickname);
    if (nRoom < ROOM_SHOWN_BELOW) return Printed("The %s are $%s,000 under the salary cap", szNickname, Thousands(nRoom));
    return Printed("The %s currently have a $%s,000 total payroll", szNickname,
                   Thousands(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL)));
}
