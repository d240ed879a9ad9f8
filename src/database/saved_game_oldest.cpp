// The oldest saved games (version 1999 and below): a smaller layout whose
// player records lack the history list, the reserved integers and the
// college name, with six division names of 16 characters.
#include <cstddef>
#include <cstring>

#include "database/saved_game_internal.h"

namespace {

constexpr size_t OLD_DIVISION_NAMES = 2384;
constexpr int OLD_DIVISIONS = 6;
constexpr size_t OLD_NAME_WIDTH = 16;
constexpr size_t OLD_TEAMS = 2480;
constexpr size_t OLD_PLAYER_SIZE = 122 * 4;
constexpr size_t OLD_TEAM_SIZE = 47012;
constexpr size_t OLD_CITIES = 1929972;
constexpr size_t OLD_DRAFT_PICKS = 1937172;
constexpr size_t OLD_DRAFT_FLAGS = 1937928;
constexpr size_t OLD_GAMES = 1937964;
constexpr size_t OLD_GAME_STATE = 2275164;
constexpr size_t OLD_STANDINGS = 2275564;
constexpr size_t OLD_PLAYOFF_TEAMS = 2275668;
constexpr size_t OLD_PLAYOFF_SCORES = 2275700;
constexpr size_t OLD_CALENDAR = 2275824;

static_assert(OLD_TEAMS + NUMBER_OF_TEAM_BLOCKS * OLD_TEAM_SIZE == OLD_CITIES);
static_assert(OLD_TEAM_SIZE == 8 * 32 + PLAYERS_PER_TEAM * OLD_PLAYER_SIZE + sizeof(TeamData));
static_assert(OLD_CALENDAR + sizeof(int32_t) * 6 == OLD_IMAGE_SIZE);
static_assert(OLD_PLAYER_SIZE == offsetof(PlayerRecord, anHistory));

void Copy_Bytes(void* pNew, const uint8_t* pOld, size_t nOffset, size_t nSize) { memcpy(pNew, pOld + nOffset, nSize); }

void Convert_Team(const uint8_t* pOld, TeamBlock& team) {
    memcpy(team.aszStrings, pOld, sizeof team.aszStrings);
    const uint8_t* pPlayers = pOld + sizeof team.aszStrings;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        PlayerRecord& player = team.aPlayers[nSlot];
        memcpy(&player, pPlayers + nSlot * OLD_PLAYER_SIZE, OLD_PLAYER_SIZE);
        for (int i = 0; i < HISTORY_ENTRIES; i++) player.anHistory[i] = -1;
        for (int32_t& n : player.anReserved) n = -1;
    }
    memcpy(&team.data, pPlayers + PLAYERS_PER_TEAM * OLD_PLAYER_SIZE, sizeof team.data);
}

}  // namespace

void Convert_Oldest_Layout(const uint8_t* pOld, LeagueDatabase* pNew) {
    memset(pNew, 0, sizeof *pNew);
    memcpy(pNew, pOld, offsetof(LeagueDatabase, aszLeagueNames));
    Copy_Bytes(pNew->aszLeagueNames, pOld, offsetof(LeagueDatabase, aszLeagueNames), sizeof pNew->aszLeagueNames);
    // The six old divisions become 0..2 and 4..6: four to a league.
    static const int NEW_DIVISION[OLD_DIVISIONS] = {0, 1, 2, 4, 5, 6};
    for (int n = 0; n < OLD_DIVISIONS; n++) {
        char szName[OLD_NAME_WIDTH + 1] = {};
        memcpy(szName, pOld + OLD_DIVISION_NAMES + n * OLD_NAME_WIDTH, OLD_NAME_WIDTH);
        Copy_Field(pNew->aszDivisionNames[NEW_DIVISION[n]], sizeof pNew->aszDivisionNames[0], szName);
    }
    for (int nTeam = 0; nTeam < NUMBER_OF_TEAM_BLOCKS; nTeam++)
        Convert_Team(pOld + OLD_TEAMS + nTeam * OLD_TEAM_SIZE, pNew->aTeams[nTeam]);
    Copy_Bytes(pNew->aCities, pOld, OLD_CITIES, sizeof pNew->aCities);
    Copy_Bytes(pNew->abDraftPicks, pOld, OLD_DRAFT_PICKS, sizeof pNew->abDraftPicks);
    Copy_Bytes(pNew->abDraftFlags, pOld, OLD_DRAFT_FLAGS, sizeof pNew->abDraftFlags);
    Copy_Bytes(pNew->aGames, pOld, OLD_GAMES, sizeof pNew->aGames);
    Copy_Bytes(pNew->anGameState, pOld, OLD_GAME_STATE, sizeof pNew->anGameState);
    Copy_Bytes(pNew->abStandingsOrder, pOld, OLD_STANDINGS, sizeof pNew->abStandingsOrder);
    Copy_Bytes(pNew->abPlayoffTeams, pOld, OLD_PLAYOFF_TEAMS, 31);
    Copy_Bytes(pNew->anPlayoffScores, pOld, OLD_PLAYOFF_SCORES, sizeof pNew->anPlayoffScores);
    Copy_Bytes(pNew->anCalendar, pOld, OLD_CALENDAR, sizeof pNew->anCalendar);
}
