// Who a player is: name, body, birth, college, picture code. The body,
// birth, college and picture are drawn as the game draws them for new
// players; only the names come from the maker's own lists.
#include <set>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "player_parts.h"

namespace {
// Players come into the league at 21 to 23; kickers and punters up to 25.
constexpr int ENTRY_AGE = 21, ENTRY_AGE_SPREAD = 3, KICKER_ENTRY_AGE_SPREAD = 5;

int s_nNextPlayerId = 1;
std::set<std::string> s_usedNames;

// Names are drawn until the full name is new to the league (a few tries).
void Give_Name(TNUM nTeam, PNUM nPlayer, const NameLists& names) {
    std::string szFirst, szLast;
    for (int nTry = 0; nTry < 20; nTry++) {
        szFirst = names.first[Random((int)names.first.size())];
        szLast = names.last[Random((int)names.last.size())];
        if (s_usedNames.insert(szFirst + " " + szLast).second) break;
    }
    Set_Player_First_Name(nTeam, nPlayer, szFirst.c_str());
    Set_Player_Last_Name(nTeam, nPlayer, szLast.c_str());
}

// A player without injury, destination or scouting score.
void Clear_Status(TNUM nTeam, PNUM nPlayer) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, -1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_LAST_INJURY, -1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_DESTINATION, NO_TEAM);
    PlayerRecord& record = g_League.aTeams[nTeam].aPlayers[nPlayer];
    for (int32_t& nEntry : record.anHistory)
        nEntry = -1; // no accessor sets an empty history list
    for (int32_t& nReserved : record.anReserved)
        nReserved = -1;
    record.nOpenRecord = -1;
}
} // namespace

int Draw_Experience(int nPosition, int nAge) {
    int nSpread = Position_Group(nPosition) == GROUP_KICKERS ? KICKER_ENTRY_AGE_SPREAD : ENTRY_AGE_SPREAD;
    return Max(0, nAge - ENTRY_AGE - Random(nSpread));
}

void Make_Identity(TNUM nTeam, PNUM nPlayer, int nPosition, int nAge, bool bBlockingBack,
                   const NameLists& names) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, s_nNextPlayerId++);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
    Clear_Status(nTeam, nPlayer);
    Give_Name(nTeam, nPlayer, names);
    Set_Random_Body(nTeam, nPlayer, bBlockingBack);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, nAge);
    Set_Random_Birth_Date(nTeam, nPlayer);
    Set_Random_College(nTeam, nPlayer);
    Set_Random_Picture(nTeam, nPlayer);
    Set_Aging_Parameters(nTeam, nPlayer);
}
