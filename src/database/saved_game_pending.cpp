// Until the implode decoder and the player accessors are merged, files of
// the middle and oldest generations are refused and only the conversions
// that need neither run. Goes away with those merges.
#include "database/saved_game_internal.h"
bool Explode_Chunk(const uint8_t*, uint32_t, uint8_t*, size_t) { return false; }
void Finish_Oldest_Conversion() {}
void Convert_Absolute_Year() {
    int nStored = Get_Game_State(GS_SEASON_INDEX);
    if (nStored < 100) return;
    int nYear = nStored < 1900 ? nStored + 1900 : nStored;
    Set_Game_State(GS_SEASON_INDEX, nYear - 1998);
    Set_League_Rule(LR_START_YEAR, 1998);
}
void Post_Load_Conversions(int) { Count_Teams(); Convert_Absolute_Year(); Sort_Teams(); Count_Teams(); }
