#include "test_support.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "commands/core_hooks.h"
#include "database/player.h"

namespace {
// Every test runs with the wiring the programs get at start-up.
class CoreHooks : public ::testing::Environment {
    void SetUp() override { Install_Core_Hooks(); }
};
const ::testing::Environment* const g_pCoreHooks = ::testing::AddGlobalTestEnvironment(new CoreHooks);
}  // namespace

void LeagueTest::SetUp() {
    Clear_League();
    Headless_Reset();
    m_OldDir = std::filesystem::current_path();
    char szTemplate[] = "/tmp/brakvell-test-XXXXXX";
    m_WorkDir = mkdtemp(szTemplate);
    std::filesystem::current_path(m_WorkDir);
}

void LeagueTest::TearDown() {
    std::filesystem::current_path(m_OldDir);
    std::error_code ec;
    std::filesystem::remove_all(m_WorkDir, ec);
}

bool LeagueTest::Logged(const std::string& szText) {
    const auto& lines = Headless_Log_Lines();
    return std::find(lines.begin(), lines.end(), "ERROR: " + szText) != lines.end();
}

bool LeagueTest::Logged_Nothing() { return Headless_Log_Lines().empty(); }

std::string Test_Data(const std::string& szRelative) { return std::string(BRAKVELL_TEST_DATA) + "/" + szRelative; }

SimResult Run_Sim(const std::string& szArguments) {
    std::string szCommand = std::string(BRAKVELL_SIM) + " " + szArguments + " 2>&1";
    SimResult result{-1, ""};
    FILE* pPipe = popen(szCommand.c_str(), "r");
    if (!pPipe) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pPipe)) > 0) result.szOutput.append(buffer.data(), n);
    int nStatus = pclose(pPipe);
    result.nStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}

TNUM LeagueTest::Team_Of(int nID) {
    TNUM nTeam = NO_TEAM;
    Find_Player_ID(nID, &nTeam);
    return nTeam;
}
