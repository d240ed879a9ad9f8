// Feeds arbitrary bytes to the loader as a saved game. Whatever the file, the
// load must not crash, and a refused load must leave the league untouched.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "commands/core_hooks.h"
#include "database/league_database.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "platform/headless.h"

namespace {
std::string g_szPath;

// Marks at both ends and in the middle of the record; a load that fails must
// not have touched them. (A full checksum per input would slow the fuzzer tenfold.)
int32_t* Marks[3];
const int32_t MARK_VALUES[3] = {0x1234567, -7654321, 0x0badf00d};

void Set_Marks() {
    for (int i = 0; i < 3; i++) *Marks[i] = MARK_VALUES[i];
}
bool Marks_Intact() {
    for (int i = 0; i < 3; i++)
        if (*Marks[i] != MARK_VALUES[i]) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Install_Core_Hooks();
    char szTemplate[] = "/tmp/brakvell-fuzz-XXXXXX";
    if (!mkdtemp(szTemplate)) abort();
    if (chdir(szTemplate) != 0) abort();  // debug.txt lands here
    g_szPath = std::string(szTemplate) + "/input.vtr";
    Marks[0] = reinterpret_cast<int32_t*>(g_League.szGameName);
    Marks[1] = &g_League.aTeams[20].aPlayers[40].anVital[VS_PLAYER_ID];
    Marks[2] = reinterpret_cast<int32_t*>(g_League.abTail + sizeof g_League.abTail - 4);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FILE* pFile = fopen(g_szPath.c_str(), "wb");
    if (!pFile) abort();
    if (nSize && fwrite(pData, 1, nSize, pFile) != nSize) abort();
    fclose(pFile);
    Set_Marks();
    Headless_Reset();
    if (!Load_Game(g_szPath.c_str()) && !Marks_Intact()) abort();
    remove("debug.txt");
    return 0;
}
