// The default league ready for its first week, every team computer-managed,
// in the test's scratch folder with the name files at hand.
#pragma once
#include <filesystem>
#include <string>

#include "default_league.h"
#include "simulation/game.h"
#include "test_support.h"

class DefaultSeasonTest : public LeagueTest {
  protected:
    void Start(uint32_t nSeed) {
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
        ASSERT_TRUE(season_fixture::Start_Default_League(szUniverse.c_str(), nSeed));
        Set_Play_By_Play_File(false);
    }
    void TearDown() override {
        Set_Play_By_Play_File(true);
        LeagueTest::TearDown();
    }
};
