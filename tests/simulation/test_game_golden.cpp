// Seeded games must play exactly as they always have: a faster game that
// draws in another order or formats a line differently shows up here.
#include <cstring>
#include <string>
#include <vector>

#include "database/random.h"
#include "database/team.h"
#include "personnel/injuries.h"
#include "game_test_support.h"

namespace {
uint64_t Hash(const void* pData, size_t nSize, uint64_t nHash = 14695981039346656037ULL) {
    const unsigned char* p = static_cast<const unsigned char*>(pData);
    for (size_t i = 0; i < nSize; i++) nHash = (nHash ^ p[i]) * 1099511628211ULL;
    return nHash;
}

// Sixteen games in a row, injuries carried from game to game: computer teams
// in the regular season, then a human team at the hardest level, then playoff
// games. Each game's text and record is hashed, then the whole league.
std::vector<uint64_t> Play_Series() {
    std::vector<uint64_t> anHash;
    Seed_Random(2024);
    GameRecord game;
    for (int i = 0; i < 16; i++) {
        if (i == 8) {
            Set_Team_Stat(2, TEAM_STAT_CONTROL, 1);
            Set_Game_State(GS_DIFFICULTY, 3);
            Set_Game_State(GS_MANAGED_TEAM, 2);
        }
        if (i == 12) Set_Game_State(GS_CURRENT_WEEK, First_Playoff_Week());
        TNUM nHome = (TNUM)(i % 4), nVisitor = (TNUM)((i + 1 + i / 4) % 4);
        if (nHome == nVisitor) nVisitor = (TNUM)((nHome + 1) % 4);
        EXPECT_EQ(Play_Game(nHome, nVisitor, Current_Week(), &game), 1);
        Order_Box_Score(&game);
        const char* szText = Play_By_Play_Text();
        anHash.push_back(Hash(&game, sizeof game, Hash(szText, strlen(szText))));
        if (i % 2 == 1) Heal_Injuries();
    }
    anHash.push_back(Hash(&g_League, sizeof g_League));
    return anHash;
}
}  // namespace

TEST_F(GameTest, SeededGamesPlayAsTheyAlwaysHave) {
    // Taken from the game as it was before it was made faster.
    const uint64_t EXPECTED[17] = {
        0xa22fa3a9fd234a4eULL, 0x1517dc685f07ee22ULL, 0xe14d79a642c8955eULL, 0xf20dc3f80abf3609ULL,
        0xe377d37558f7fa56ULL, 0x21f467c761f44a7ULL, 0x6ac27120348f3aafULL, 0xe621b32f7cc74eecULL,
        0x4919d2ac8a32681ULL, 0x33fb0062a1f50891ULL, 0xa4b12649dffa8319ULL, 0x76f3cd6ac97eb8beULL,
        0xdea01cfb13d02f4fULL, 0x88b364444032fc65ULL, 0x929168b146c4dd4eULL, 0xf1b690d020e66afULL,
        0x50976298d572ffe4ULL,
    };
    std::vector<uint64_t> anHash = Play_Series();
    ASSERT_EQ(anHash.size(), 17u);
    for (size_t i = 0; i < anHash.size(); i++) EXPECT_EQ(anHash[i], EXPECTED[i]) << "game " << i << std::hex << " 0x" << anHash[i];
}
