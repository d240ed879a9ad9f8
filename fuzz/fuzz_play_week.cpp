// A damaged league that still decodes, played for one week. A league the
// load-time check would refuse is skipped, as a load would refuse it; every
// other one must play its week without a crash or undefined arithmetic (the
// sanitizers of the fuzz build watch for both).
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "base/random.h"
#include "commands/core_hooks.h"
#include "commands/start_up.h"
#include "database/integrity.h"
#include "fuzz_patch.h"
#include "platform/headless.h"
#include "season/season_loop.h"
#include "simulation/game.h"

// Needs Universe.dat in the folder it runs from: a new game on the default
// league is the sound league every input damages.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!Start_Seeded_Core().bUniverseLoaded || !Start_Default_New_Game(0, 1)) {
        fprintf(stderr, "fuzz_play_week: run it in a folder that holds Universe.dat\n");
        abort();
    }
    Set_Play_By_Play_File(false);
    Keep_Sound_League();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Restore_Sound_League();
    Apply_Patches(pData, nSize);
    Headless_Reset();
    Count_Teams();
    if (Check_League_Ranges(nullptr) > 0) return -1;  // not worth keeping in the corpus
    After_League_Loaded();
    Seed_Random(1);
    Play_Weeks(1);
    return 0;
}
