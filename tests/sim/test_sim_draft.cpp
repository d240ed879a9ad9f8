// brakvell-sim draft as a user runs it outside a draft: told so, nothing
// written, and wrong arguments answered with the usage.
#include <string>

#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
}  // namespace

TEST(SimDraftTest, OutsideADraftItSaysSoAndWrongArgumentsGetTheUsage) {
    SimResult shown = Run_Sim("draft " + UNIVERSE);
    EXPECT_EQ(shown.nStatus, 0) << shown.szOutput;
    EXPECT_NE(shown.szOutput.find("No college draft is under way."), std::string::npos) << shown.szOutput;
    for (const char* szArguments : {" --pick", " --pick -1", " --pick 0 --end", " --contracts maybe", " --bogus"})
        EXPECT_EQ(Run_Sim("draft " + UNIVERSE + szArguments).nStatus, 2) << szArguments;
}
