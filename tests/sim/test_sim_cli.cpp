// The headless tool as a user runs it: exit codes and first lines.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CommandResult {
    int nStatus;
    std::string szOutput;
};

static CommandResult Run_Sim(const std::string& szArguments) {
    std::string szCommand = std::string(BRAKVELL_SIM) + " " + szArguments + " 2>&1";
    FILE* pPipe = popen(szCommand.c_str(), "r");
    CommandResult result{-1, ""};
    if (!pPipe) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pPipe)) > 0) result.szOutput.append(buffer.data(), n);
    int nStatus = pclose(pPipe);
    result.nStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}

TEST(SimCli, VersionHelpAndUnknownArguments) {
    CommandResult version = Run_Sim("--version");
    EXPECT_EQ(version.nStatus, 0);
    EXPECT_EQ(version.szOutput, "2.1.8.7\n");
    CommandResult help = Run_Sim("--help");
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_EQ(help.szOutput.rfind("usage: brakvell-sim", 0), 0u);
    CommandResult unknown = Run_Sim("--frobnicate");
    EXPECT_EQ(unknown.nStatus, 2);
    EXPECT_NE(unknown.szOutput.find("usage: brakvell-sim"), std::string::npos);
}
