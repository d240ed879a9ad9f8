// The default league ready for its first week, every team computer-managed,
// in the test's scratch folder with the name files at hand.
#pragma once
#include <filesystem>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "finance/finance.h"
#include "league_builder.h"
#include "personnel/player_creation.h"
#include "season/season_loop.h"
#include "simulation/game.h"
#include "test_support.h"

class DefaultSeasonTest : public LeagueTest {
  protected:
    void Start(uint32_t nSeed) {
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
        ASSERT_TRUE(Build_Default_Season_League(szUniverse.c_str(), nSeed));
        Set_Play_By_Play_File(false);
    }
    void TearDown() override {
        Set_Play_By_Play_File(true);
        LeagueTest::TearDown();
    }
};
