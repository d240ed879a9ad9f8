// Until the player accessors are merged, the conversions that need them do
// nothing. Goes away with that merge.
#include "database/saved_game_internal.h"
void Finish_Oldest_Conversion() {}
void Convert_Players_For_Version(int) {}
void Rebuild_Players_After_Load() {}
