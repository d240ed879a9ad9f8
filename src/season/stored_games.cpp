#include "season/stored_games.h"

#include <cstring>

#include "database/team.h"

namespace {
// Byte offsets inside a game record.
constexpr int VISITOR_AT = 0, HOME_AT = 1, VISITOR_SCORE_AT = 4, HOME_SCORE_AT = 8, WEEK_AT = 32;

int32_t Read_Int(const uint8_t* pBytes, int nAt) {
    int32_t n;
    memcpy(&n, pBytes + nAt, sizeof n);
    return n;
}

void Write_Int(uint8_t* pBytes, int nAt, int32_t n) { memcpy(pBytes + nAt, &n, sizeof n); }
}  // namespace

bool Stored_Game_Teams_And_Score(int nGame, StoredGame* pGame) {
    if (nGame < 0 || nGame >= NUMBER_OF_GAME_RECORDS) return false;
    const uint8_t* pBytes = g_League.aGames[nGame].abBytes;
    pGame->nVisitor = (TNUM)pBytes[VISITOR_AT];
    pGame->nHome = (TNUM)pBytes[HOME_AT];
    pGame->nVisitorScore = Read_Int(pBytes, VISITOR_SCORE_AT);
    pGame->nHomeScore = Read_Int(pBytes, HOME_SCORE_AT);
    pGame->nWeek = Read_Int(pBytes, WEEK_AT);
    return pGame->nVisitor != pGame->nHome;
}

int Slot_Game_Result(TNUM nTeam, int nSlot) {
    if (!Schedule_Slot_Filled(nTeam, nSlot)) return GAME_NOT_PLAYED;
    StoredGame game;
    if (!Stored_Game_Teams_And_Score(Get_Schedule_Field(nTeam, nSlot, SLOT_GAME_RECORD), &game))
        return GAME_NOT_PLAYED;
    int nOwn, nOther;
    if (game.nHome == nTeam) {
        nOwn = game.nHomeScore;
        nOther = game.nVisitorScore;
    } else if (game.nVisitor == nTeam) {
        nOwn = game.nVisitorScore;
        nOther = game.nHomeScore;
    } else {
        return GAME_NOT_PLAYED;  // the record has been reused since
    }
    return nOwn > nOther ? GAME_WON : nOwn < nOther ? GAME_LOST : GAME_TIED;
}

void Set_Stored_Game(int nGame, TNUM nVisitor, TNUM nHome, int nVisitorScore, int nHomeScore, int nWeek) {
    if (nGame < 0 || nGame >= NUMBER_OF_GAME_RECORDS) return;
    uint8_t* pBytes = g_League.aGames[nGame].abBytes;
    pBytes[VISITOR_AT] = (uint8_t)nVisitor;
    pBytes[HOME_AT] = (uint8_t)nHome;
    Write_Int(pBytes, VISITOR_SCORE_AT, nVisitorScore);
    Write_Int(pBytes, HOME_SCORE_AT, nHomeScore);
    Write_Int(pBytes, WEEK_AT, nWeek);
}
