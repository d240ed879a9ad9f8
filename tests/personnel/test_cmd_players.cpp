// The player and roster commands of the headless tool on a saved league.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "personnel_support.h"
#include "test_support.h"

using PlayerCommandsTest = LeagueTest;

namespace {

void Save_Small_League() {
    Set_Team_String("AAA", 0, TS_ABBREVIATION);
    Set_Team_String("Avon", 0, TS_CITY);
    Set_Team_String("Otters", 0, TS_NICKNAME);
    const int POSITIONS[] = {POS_LB, POS_QB, POS_WR, POS_K, POS_P, POS_G};
    for (int i = 0; i < 6; i++) {
        Make_Player(0, (PNUM)i, 500 + i, POSITIONS[i]);
        Set_Player_First_Name(0, (PNUM)i, "Sam");
        Set_Player_Last_Name(0, (PNUM)i, "Example");
        for (int c = 0; c < NUMBER_OF_COUNTERS; c++) Set_Player_Season_Stat(0, (PNUM)i, PERIOD_PREDICTED, c, Baseline_Season(POSITIONS[i], c));
    }
    Organise_Team(0);
    ASSERT_EQ(Save_Game("league.vtr"), SAVE_OK);
}
}  // namespace

TEST_F(PlayerCommandsTest, PlayerShowsRatingsAndValues) {
    Use_Teams(2);
    Save_Small_League();
    SimResult r = Run_Sim("player league.vtr AAA 0");
    ASSERT_EQ(r.nStatus, 0) << r.szOutput;
    EXPECT_NE(r.szOutput.find("Sam Example, QB (AAA slot 0"), std::string::npos) << r.szOutput;
    EXPECT_NE(r.szOutput.find("Accuracy"), std::string::npos);
    EXPECT_NE(r.szOutput.find("Mobility"), std::string::npos);
    EXPECT_NE(r.szOutput.find("Overall"), std::string::npos);
    EXPECT_NE(r.szOutput.find("trade "), std::string::npos);
    EXPECT_EQ(Run_Sim("player league.vtr AAA 40").nStatus, 1);
    EXPECT_EQ(Run_Sim("player league.vtr AAA x").nStatus, 1);
    EXPECT_EQ(Run_Sim("player league.vtr ZZZ 0").nStatus, 1);
    EXPECT_EQ(Run_Sim("player league.vtr 0").nStatus, 2);
}

TEST_F(PlayerCommandsTest, RosterListsTheDepthChart) {
    Use_Teams(2);
    Save_Small_League();
    SimResult r = Run_Sim("roster league.vtr aaa");
    ASSERT_EQ(r.nStatus, 0) << r.szOutput;
    EXPECT_NE(r.szOutput.find("Avon Otters (AAA), 6 players"), std::string::npos) << r.szOutput;
    size_t nQB = r.szOutput.find(" QB "), nLB = r.szOutput.find(" LB "), nP = r.szOutput.find(" P ");
    ASSERT_NE(nQB, std::string::npos);
    EXPECT_LT(nQB, nLB);
    EXPECT_LT(nLB, nP);
    EXPECT_NE(r.szOutput.find(" KR"), std::string::npos);
    EXPECT_EQ(Run_Sim("roster missing.vtr 0").nStatus, 1);
}
