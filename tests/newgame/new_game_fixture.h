// A working folder with the shipped league and name files, as the game has.
#pragma once
#include <filesystem>
#include <string>

#include "base/random.h"
#include "commands/new_game.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "test_support.h"

class NewGameTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::copy_file(std::string(BRAKVELL_GAME_DIR) + "/Universe.dat", "Universe.dat");
        std::filesystem::copy(std::string(BRAKVELL_GAME_DIR) + "/names", "names");
        Seed_Random(1998);
    }
    // The page opened and the form filled as a user would.
    NewGameForm Open_Page(int nTeam = 0, int nDifficulty = 1) {
        NewGameForm form;
        EXPECT_TRUE(Open_New_Game_Page(&form));
        Choose_New_Game_Team(&form, (TNUM)nTeam);
        form.nDifficulty = nDifficulty;
        form.szManager = "Dana Whitlock";
        return form;
    }
};
