// The Options dialog's switches.
#include "commands/game_options.h"
#include "halloffame/fame_file.h"
#include "platform/platform.h"
#include "test_support.h"

namespace {

class GameOptionsTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Rebuild_Fame_File();
    }
};

TEST_F(GameOptionsTest, FormReadsAndWritesEverySwitch) {
    Set_Game_State(GS_SOUND, 1);
    Set_Game_State(GS_TEXT_AWARDS, 1);
    Set_Fame_Setting(FS_UPDATE_SWITCH, FS_NO_UPDATE_CHECK);
    Set_Fame_Setting(FS_SKIP_INTRO, 1);
    OptionsForm form;
    Init_Options_Form(&form);
    EXPECT_TRUE(form.bSound);
    EXPECT_TRUE(form.bTextAwards);
    EXPECT_FALSE(form.bUpdateCheck);
    EXPECT_FALSE(form.bCommissioner || form.bComputerTrades || form.bAutoSave || form.bTextStandings ||
                 form.bTextFinances);

    form.bSound = false;
    form.bComputerTrades = form.bAutoSave = form.bTextStandings = form.bTextFinances = form.bUpdateCheck = true;
    Apply_Options_Form(form);
    EXPECT_EQ(Get_Game_State(GS_SOUND), 0);
    for (int nEntry : {GS_COMPUTER_TRADES, GS_AUTOSAVE, GS_TEXT_STANDINGS, GS_TEXT_AWARDS, GS_TEXT_FINANCES})
        EXPECT_EQ(Get_Game_State(nEntry), 1) << nEntry;
    EXPECT_EQ(Get_Fame_Setting(FS_UPDATE_SWITCH), 0);
    EXPECT_EQ(Get_Fame_Setting(FS_SKIP_INTRO), 0);  // the intro plays again

    form.bUpdateCheck = false;
    Apply_Options_Form(form);
    EXPECT_EQ(Get_Fame_Setting(FS_UPDATE_SWITCH), FS_NO_UPDATE_CHECK);
}

TEST_F(GameOptionsTest, CommissionerModeAsksWhileTheRatingCounts) {
    OptionsForm form;
    Init_Options_Form(&form);
    EXPECT_TRUE(Set_Commissioner_Option(&form, true));  // no rating to lose: no question
    EXPECT_TRUE(Headless_Questions().empty());
    EXPECT_FALSE(Set_Commissioner_Option(&form, false));

    Set_Game_State(GS_RATING_VALID, 1);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Set_Commissioner_Option(&form, true));
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Commissioner Mode");
    EXPECT_EQ(Headless_Questions()[0].text, "This will invalidate your Vantor Rating. Continue?");
    Apply_Options_Form(form);
    EXPECT_EQ(Get_Game_State(GS_COMMISSIONER), 0);
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 1);

    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Set_Commissioner_Option(&form, true));
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 1);  // not before OK
    EXPECT_FALSE(Set_Commissioner_Option(&form, false));
    EXPECT_TRUE(Set_Commissioner_Option(&form, true));  // agreed once: not asked again
    EXPECT_EQ(Headless_Questions().size(), 2u);
    Apply_Options_Form(form);
    EXPECT_EQ(Get_Game_State(GS_COMMISSIONER), 1);
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 0);
}

TEST_F(GameOptionsTest, AgreeingThenClearingTheBoxKeepsTheRating) {
    Set_Game_State(GS_RATING_VALID, 1);
    OptionsForm form;
    Init_Options_Form(&form);
    Headless_Push_Answer(ANSWER_YES);
    Set_Commissioner_Option(&form, true);
    Set_Commissioner_Option(&form, false);
    Apply_Options_Form(form);
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 1);
    EXPECT_EQ(Get_Game_State(GS_COMMISSIONER), 0);
}

}  // namespace
