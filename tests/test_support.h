// Shared test set-up: a zeroed league, a fresh headless front end, and a
// scratch working directory so that "debug.txt" and saved files stay apart.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/league_database.h"
#include "league_builder.h"
#include "platform/headless.h"

class LeagueTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // True when the headless log holds a line "ERROR: <text>".
    static bool Logged(const std::string& szText);
    static bool Logged_Nothing();
    // The team a player with this ID now plays for; NO_TEAM when he left the league.
    static TNUM Team_Of(int nID);
    std::filesystem::path m_WorkDir;

  private:
    std::filesystem::path m_OldDir;
};

std::string Test_Data(const std::string& szRelative);

// brakvell-sim run as a user runs it, standard error folded into the output.
struct SimResult {
    int nStatus;  // exit status, -1 when it did not exit normally
    std::string szOutput;
};
SimResult Run_Sim(const std::string& szArguments);
