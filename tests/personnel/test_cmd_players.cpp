// The player and roster commands of the headless tool on a saved league.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>
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

// The pool as the list shows it, even from a file that kept it out of order:
// dearest first, or by position (quarterbacks first) when the league asks for it.
TEST_F(PlayerCommandsTest, ThePoolListsInItsOwnOrder) {
    Use_Teams(2);
    struct Agent {
        const char* szName;
        int nPosition;
        int nSalary;
    };
    const Agent AGENTS[] = {{"Cobb", POS_LB, 900},  {"Ames", POS_WR, 3000}, {"Dunn", POS_QB, 400},
                            {"Birch", POS_QB, 2500}, {"Ely", POS_K, 5000}};
    PNUM nSlot = 0;
    for (const Agent& agent : AGENTS) {
        Make_Player(FREE_AGENT_TEAM, nSlot, 700 + nSlot, agent.nPosition);
        Set_Player_Last_Name(FREE_AGENT_TEAM, nSlot, agent.szName);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, agent.nSalary);
        nSlot++;
    }
    auto Order = [](const std::string& szOutput) {
        std::vector<std::pair<size_t, std::string>> found;
        for (const char* szName : {"Cobb", "Ames", "Dunn", "Birch", "Ely"}) found.push_back({szOutput.find(szName), szName});
        std::sort(found.begin(), found.end());
        std::string szOrder;
        for (const auto& [nAt, szName] : found) szOrder += (nAt == std::string::npos ? "?" : szName) + std::string(" ");
        return szOrder;
    };
    ASSERT_EQ(Save_Game("league.vtr"), SAVE_OK);
    SimResult bySalary = Run_Sim("roster league.vtr 36");
    ASSERT_EQ(bySalary.nStatus, 0) << bySalary.szOutput;
    EXPECT_EQ(Order(bySalary.szOutput), "Ely Ames Birch Cobb Dunn ") << bySalary.szOutput;
    EXPECT_NE(bySalary.szOutput.find("5,000,000"), std::string::npos) << bySalary.szOutput;
    EXPECT_EQ(bySalary.szOutput.find(" KR"), std::string::npos) << bySalary.szOutput;

    Set_Game_State(GS_DRAFT_LIST_ORDER, 1);
    ASSERT_EQ(Save_Game("league.vtr"), SAVE_OK);
    SimResult byPosition = Run_Sim("roster league.vtr 36");
    ASSERT_EQ(byPosition.nStatus, 0) << byPosition.szOutput;
    EXPECT_EQ(Order(byPosition.szOutput), "Birch Dunn Ames Cobb Ely ") << byPosition.szOutput;
}
