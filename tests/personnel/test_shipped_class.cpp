// New players made from the league the game ships with and its name files.
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "personnel/names.h"
#include "personnel/player_creation.h"
#include "test_support.h"

namespace {
class ShippedClassTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Reset_Name_File_Warnings();
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        std::filesystem::copy(std::string(BRAKVELL_GAME_DIR) + "/names", "names");
        Headless_Reset();
    }
};
}  // namespace

TEST_F(ShippedClassTest, TemplatesCoverEveryPositionAndAClassIsMade) {
    Build_Template_Pool();
    EXPECT_TRUE(Headless_Notices().empty());
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        EXPECT_GE(Template_Position_Count(nPosition), 10) << nPosition;

    Count_Name_Files();
    EXPECT_GT(Get_Game_State(GS_FIRST_NAMES), 100);
    Seed_Random(1998);
    ASSERT_TRUE(Make_College_Class());
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_EQ(Number_Of_Players(40), 77);

    std::set<std::string> names;
    for (int i = 0; i < COLLEGE_CLASS_SIZE; i++) {
        char szName[FULL_NAME_WIDTH];
        Get_Player_Full_Name((TNUM)(38 + i / 80), (PNUM)(i % 80), szName);
        names.insert(szName);
    }
    // Names come from the files, not the defaults.
    EXPECT_GT(names.size(), 200u);
    EXPECT_EQ(names.count("John Smith"), 0u);
}
