// The Injury Contingency window's setting (game-state entry 55).
#include "personnel/injuries.h"
#include "test_support.h"

namespace {

class InjuryContingencyTest : public LeagueTest {};

TEST_F(InjuryContingencyTest, UnsetEntryOpensAsOffWithFourWeeks) {
    InjuryContingencyForm form;
    Open_Injury_Contingency(&form);
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), -4);
    EXPECT_FALSE(form.bStop);
    EXPECT_EQ(form.nWeeks, 4);

    Set_Game_State(GS_INJURY_CONTINGENCY, 7);
    Open_Injury_Contingency(&form);
    EXPECT_TRUE(form.bStop);
    EXPECT_EQ(form.nWeeks, 7);
}

TEST_F(InjuryContingencyTest, OkStoresTheNumberSignedByTheBox) {
    Apply_Injury_Contingency(true, "6");
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), 6);
    EXPECT_TRUE(Injury_Alert_On());
    Apply_Injury_Contingency(false, "6");
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), -6);
    EXPECT_FALSE(Injury_Alert_On());
    EXPECT_EQ(Injury_Alert_Weeks(), 6);
}

TEST_F(InjuryContingencyTest, TypedNumberIsAtLeastOneAndBounded) {
    for (const char* szText : {"0", "", "-3", "weeks"}) {
        Apply_Injury_Contingency(true, szText);
        EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), 1) << szText;
    }
    Apply_Injury_Contingency(false, nullptr);
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), -1);
    Apply_Injury_Contingency(true, "99999999999999999999");
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), MAXIMUM_ALERT_WEEKS);
}

}  // namespace
