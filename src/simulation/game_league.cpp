// The game's fast, cached view of the players of its two teams.
#include "simulation/game_league.h"

#include <initializer_list>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/injuries.h"
#include "personnel/ratings.h"

namespace {
// What the game's two teams would otherwise look up on every snap: the
// ratings, worked out from the Predicted period, and each player's open
// history record, found in his list of thirty. Codes without a formula are
// not kept.
constexpr int KEPT_RATINGS = RATING_PUNTING - RATING_ACCURACY + 1;
constexpr int16_t UNKNOWN_RATING = -1;
struct KeptPlayers {
    TNUM nTeam;
    int16_t anRating[PLAYERS_PER_TEAM][KEPT_RATINGS];
    int32_t anOpenRecord[PLAYERS_PER_TEAM];  // as last found in the list, -1 none
};
KeptPlayers s_aKept[2] = {{NO_TEAM, {}, {}}, {NO_TEAM, {}, {}}};

KeptPlayers* Kept(TNUM nTeam) {
    for (KeptPlayers& kept : s_aKept)
        if (kept.nTeam == nTeam) return &kept;
    return nullptr;
}

bool Kept_Rating_Code(int nRating) {
    return nRating >= RATING_ACCURACY && nRating <= RATING_PUNTING && Rating_Name(nRating)[0] != '\0';
}

// The list is searched again only when the player's open record changed.
int Open_Record(TNUM nTeam, PNUM nSlot) {
    int nOpen = g_League.aTeams[nTeam].aPlayers[nSlot].nOpenRecord;
    KeptPlayers* pKept = Kept(nTeam);
    if (pKept && nOpen >= 0 && pKept->anOpenRecord[nSlot] == nOpen) return nOpen;
    int nRecord = Get_Player_Open_Record(nTeam, nSlot);
    if (pKept) pKept->anOpenRecord[nSlot] = nRecord;
    return nRecord;
}

void Forget(KeptPlayers& kept, PNUM nSlot) {
    for (int16_t& n : kept.anRating[nSlot]) n = UNKNOWN_RATING;
    kept.anOpenRecord[nSlot] = -1;
}
}  // namespace

void Game_Forget_Players(TNUM nVisitor, TNUM nHome) {
    s_aKept[0].nTeam = nVisitor;
    s_aKept[1].nTeam = nHome;
    for (KeptPlayers& kept : s_aKept)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) Forget(kept, nSlot);
}

void Game_Forget_Player(TNUM nTeam, PNUM nSlot) {
    KeptPlayers* pKept = Kept(nTeam);
    if (pKept && Game_In_Range(nTeam, nSlot)) Forget(*pKept, nSlot);
}

int Game_Player_Rating(TNUM nTeam, PNUM nSlot, int nRating) {
    if (!Game_In_Range(nTeam, nSlot)) return 50;
    KeptPlayers* pKept = Kept_Rating_Code(nRating) ? Kept(nTeam) : nullptr;
    int16_t* pRating = pKept ? &pKept->anRating[nSlot][nRating - RATING_ACCURACY] : nullptr;
    if (pRating && *pRating != UNKNOWN_RATING) return *pRating;
    int nValue = Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, nRating);
    if (pRating) *pRating = (int16_t)nValue;
    return nValue;
}

void Game_Add_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount) {
    if (!Game_In_Range(nTeam, nSlot)) return;
    if (nStat < 0 || nStat >= NUMBER_OF_COUNTERS) {
        // The checked accessors log the bad counter.
        Add_Player_Season_Stat(nTeam, nSlot, PERIOD_THIS_SEASON, nStat, nAmount);
        Add_Player_Season_Stat(nTeam, nSlot, PERIOD_CAREER, nStat, nAmount);
        Add_Player_Open_Record_Stat(nTeam, nSlot, nStat, nAmount);
        return;
    }
    PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
    player.anStats[PERIOD_THIS_SEASON][nStat] += nAmount;
    player.anStats[PERIOD_CAREER][nStat] += nAmount;
    int nRecord = Open_Record(nTeam, nSlot);
    if (nRecord >= 0) g_League.aHistory[nRecord].anStats[nStat] += nAmount;
}

void Game_Raise_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nValue) {
    if (!Game_In_Range(nTeam, nSlot)) return;
    for (int nPeriod : {PERIOD_THIS_SEASON, PERIOD_CAREER})
        if (Get_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat) < nValue)
            Set_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat, nValue);
}

int Game_Kickoff_Time(TNUM nTeam, int nWeek) {
    if (nWeek < 0 || nWeek >= SCHEDULE_SLOTS) return 0;
    return Get_Schedule_Field(nTeam, nWeek, SLOT_KICKOFF);
}

bool Game_Try_Injury(TNUM nTeam, PNUM nSlot) { return Game_In_Range(nTeam, nSlot) && Try_Injury(nTeam, nSlot) != 0; }
