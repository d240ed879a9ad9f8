// brakvell-sim find as a user runs it: the players the core finds, one a
// line, and wrong arguments answered with the usage.
#include <string>

#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
}  // namespace

TEST(SimFindTest, ListsTheFoundPlayersAndRefusesWrongArguments) {
    SimResult found = Run_Sim("find " + UNIVERSE + " --position qb --age 99");
    EXPECT_EQ(found.nStatus, 0) << found.szOutput;
    EXPECT_NE(found.szOutput.find(" found\n"), std::string::npos) << found.szOutput;
    SimResult none = Run_Sim("find " + UNIVERSE + " --name nobody-at-all");
    EXPECT_EQ(none.nStatus, 0);
    EXPECT_NE(none.szOutput.find("Search Failed"), std::string::npos) << none.szOutput;
    for (const char* szArguments : {" --position xx", " --min 50,50", " --age 0", " --bogus"})
        EXPECT_EQ(Run_Sim("find " + UNIVERSE + szArguments).nStatus, 2) << szArguments;
}
