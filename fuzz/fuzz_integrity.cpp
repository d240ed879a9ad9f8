// A sound league with arbitrary damage, handed to both integrity checks. They
// must never crash or read outside the record, whatever the values, and what
// the load-time check refuses the full check must report too.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/core_hooks.h"
#include "commands/start_up.h"
#include "database/integrity.h"
#include "fuzz_patch.h"
#include "platform/headless.h"

namespace {
unsigned g_nRuns = 0;
}  // namespace

// Run from a folder holding Universe.dat to start from the default league;
// elsewhere the damage falls on an empty one.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Start_Seeded_Core();
    Keep_Sound_League();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Restore_Sound_League();
    Apply_Patches(pData, nSize);
    Count_Teams();
    std::vector<std::string> all, ranges;
    int nAll = Check_League_Integrity(&all);
    int nRanges = Check_League_Ranges(&ranges);
    if (nAll != (int)all.size() || nRanges != (int)ranges.size()) abort();
    for (const std::string& szViolation : ranges)
        if (std::find(all.begin(), all.end(), szViolation) == all.end()) abort();
    if (++g_nRuns % 4096 == 0) Headless_Reset();
    return 0;
}
