// The headless tool as a user runs it: exit codes and first lines.
#include "test_support.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>


TEST(SimCli, VersionHelpAndUnknownArguments) {
    SimResult version = Run_Sim("--version");
    EXPECT_EQ(version.nStatus, 0);
    EXPECT_EQ(version.szOutput, "2.1.8.7\n");
    SimResult help = Run_Sim("--help");
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_EQ(help.szOutput.rfind("usage: brakvell-sim", 0), 0u);
    SimResult unknown = Run_Sim("--frobnicate");
    EXPECT_EQ(unknown.nStatus, 2);
    EXPECT_NE(unknown.szOutput.find("usage: brakvell-sim"), std::string::npos);
}
