// Feeds arbitrary bytes to the loader as a saved game. Whatever the file, the
// load must not crash, and a refused load must leave the league untouched.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "database/league_database.h"
#include "database/saved_game.h"
#include "platform/headless.h"

namespace {
std::string g_szPath;
uint32_t g_nSumBefore;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char szTemplate[] = "/tmp/brakvell-fuzz-XXXXXX";
    if (!mkdtemp(szTemplate)) abort();
    if (chdir(szTemplate) != 0) abort();  // debug.txt lands here
    g_szPath = std::string(szTemplate) + "/input.vtr";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FILE* pFile = fopen(g_szPath.c_str(), "wb");
    if (!pFile) abort();
    if (nSize && fwrite(pData, 1, nSize, pFile) != nSize) abort();
    fclose(pFile);
    Clear_League();
    g_League.anGameState[GS_SEASON_INDEX] = 3;
    g_League.aTeams[0].aPlayers[0].anVital[0] = 1234;
    g_nSumBefore = Saved_Data_Checksum();
    Headless_Reset();
    if (!Load_Game(g_szPath.c_str()) && Saved_Data_Checksum() != g_nSumBefore) abort();
    remove("debug.txt");
    return 0;
}
