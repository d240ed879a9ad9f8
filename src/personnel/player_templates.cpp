// The template pool: established players whose vital stats and predicted
// season serve as the mould for new ones. Taken from the default league at
// every load and kept; without one, from the league in memory at every load
// and season's set-up. Not saved.
#include <algorithm>
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/player_creation.h"
#include "personnel/player_creation_internal.h"
#include "platform/platform.h"

namespace {
struct PlayerTemplate {
    int32_t anVital[NUMBER_OF_VITAL_STATS];
    int32_t anPredicted[NUMBER_OF_COUNTERS];
};

PlayerTemplate g_aTemplates[MAX_PLAYER_TEMPLATES];
int g_nTemplates = 0;
int g_anPositionCount[NUMBER_OF_POSITIONS];
constexpr int FEW_TEMPLATES = 10;

bool g_bKept = false;

void Add_Template(const PlayerRecord& player) {
    PlayerTemplate& entry = g_aTemplates[g_nTemplates++];
    memcpy(entry.anVital, player.anVital, sizeof entry.anVital);
    memcpy(entry.anPredicted, player.anStats[PERIOD_PREDICTED], sizeof entry.anPredicted);
    int nPosition = entry.anVital[VS_POSITION];
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS) g_anPositionCount[nPosition]++;
}

// Every regular starter of the franchises in use, in team and slot order.
void Fill_From(const LeagueDatabase& league) {
    g_nTemplates = 0;
    memset(g_anPositionCount, 0, sizeof g_anPositionCount);
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES && g_nTemplates < MAX_PLAYER_TEMPLATES; nTeam++) {
        if (league.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] == TEAM_NOT_IN_USE) continue;
        for (int nPlayer = 0; nPlayer < PLAYERS_PER_TEAM && g_nTemplates < MAX_PLAYER_TEMPLATES; nPlayer++) {
            const PlayerRecord& player = league.aTeams[nTeam].aPlayers[nPlayer];
            if (player.anVital[VS_PLAYER_ID] != 0 && player.anStats[PERIOD_PREDICTED][SS_STARTS] > TEMPLATE_MIN_STARTS)
                Add_Template(player);
        }
    }
    // By player ID, not by roster order: the rosters are organised between a
    // season's set-up and a save, and a load must find the same moulds.
    std::sort(g_aTemplates, g_aTemplates + g_nTemplates, [](const PlayerTemplate& a, const PlayerTemplate& b) {
        return a.anVital[VS_PLAYER_ID] < b.anVital[VS_PLAYER_ID];
    });
}
}  // namespace

void Check_Template_Pool() {
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        char szPosition[TEXT_SIZE];
        Get_Position_Name(nPosition, szPosition);
        int nCount = g_anPositionCount[nPosition];
        if (nCount == 0)
            Message_Box("Missing Player Data",
                        "Player database has no %s data. Brakvell will be unable to create new %s college players. "
                        "Please re-install the Universe.dat file provided with Brakvell.",
                        szPosition, szPosition);
        else if (nCount < FEW_TEMPLATES)
            Message_Box("Missing Player Data",
                        "Player database has only %d %s entries. This will limit the realism of the simulation. We "
                        "recommend you re-install the Universe.dat file provided with Brakvell.",
                        nCount, szPosition);
    }
}

void Refill_Template_Pool() {
    g_bKept = false;
    Fill_From(g_League);
}

void Keep_Template_Pool_Of(const LeagueDatabase& league) {
    Fill_From(league);
    g_bKept = true;
}

bool Template_Pool_Kept() { return g_bKept; }

void Forget_Kept_Template_Pool() { g_bKept = false; }

void Renew_Template_Pool() {
    if (!g_bKept) Fill_From(g_League);
}

void Build_Template_Pool() {
    Refill_Template_Pool();
    Check_Template_Pool();
}

int Template_Pool_Size() { return g_nTemplates; }

int Template_Position_Count(int nPosition) {
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return 0;
    return g_anPositionCount[nPosition];
}

// Draws up to 5000 entries for one of the position; -1 when none turned up.
int Find_Template(int nPosition) {
    for (int nTry = 0; nTry < 5000; nTry++) {
        int c = Random(MAX_PLAYER_TEMPLATES);
        if (c < g_nTemplates && g_aTemplates[c].anVital[VS_POSITION] == nPosition) return c;
    }
    return -1;
}

void Apply_Template(int nTemplate, TNUM nTeam, PNUM nPlayer) {
    PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    memcpy(player.anVital, g_aTemplates[nTemplate].anVital, sizeof player.anVital);
    memcpy(player.anStats[PERIOD_PREDICTED], g_aTemplates[nTemplate].anPredicted,
           sizeof player.anStats[PERIOD_PREDICTED]);
}
