// brakvell-sim new as a user runs it, from a folder holding the game's data.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "halloffame/fame_file.h"
#include "new_game_fixture.h"

namespace {
std::string File_Bytes(const std::string& szPath) {
    std::ifstream file(szPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
}  // namespace

using SimNewTest = NewGameTest;

TEST_F(SimNewTest, SameSeedGivesTheSameSoundFile) {
    const std::string szArgs = "new --team 3 --difficulty 2 --shuffle --equalize --seed 42 --out ";
    SimResult first = Run_Sim(szArgs + "a.vtr");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    SimResult second = Run_Sim(szArgs + "b.vtr");
    ASSERT_EQ(second.nStatus, 0) << second.szOutput;
    EXPECT_EQ(first.szOutput, second.szOutput);
    EXPECT_NE(first.szOutput.find(" (Manager)\n"), std::string::npos) << first.szOutput;
    EXPECT_NE(first.szOutput.find("User team: 3 "), std::string::npos) << first.szOutput;
    std::string szA = File_Bytes("a.vtr");
    EXPECT_GT(szA.size(), 1000u);
    EXPECT_EQ(szA, File_Bytes("b.vtr"));

    SimResult check = Run_Sim("check a.vtr");
    EXPECT_EQ(check.nStatus, 0) << check.szOutput;
    EXPECT_NE(check.szOutput.find("a.vtr: sound (32 teams,"), std::string::npos) << check.szOutput;

    SimResult other = Run_Sim("new --team 3 --difficulty 2 --shuffle --equalize --seed 43 --out c.vtr");
    ASSERT_EQ(other.nStatus, 0) << other.szOutput;
    EXPECT_NE(File_Bytes("c.vtr"), szA);
}

TEST_F(SimNewTest, TeamsByNameAndSimulationMode) {
    char szCity[TEXT_SIZE];
    NewGameForm form;
    ASSERT_TRUE(Open_New_Game_Page(&form));
    Get_Team_String(5, TS_CITY, szCity);
    SimResult result = Run_Sim("new --team '" + std::string(szCity) + "' --difficulty 0 --simulation --out s.vtr");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_NE(result.szOutput.find("User team: 5 " + std::string(szCity)), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find(" (Fan)\n"), std::string::npos) << result.szOutput;
    ASSERT_TRUE(Load_Game("s.vtr"));
    EXPECT_EQ(Get_League_Rule(LR_FIXED_AGING), 1);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_CONTROL), HUMAN_MANAGED);
}

TEST_F(SimNewTest, WrongArgumentsAndAMissingLeague) {
    for (const char* szArgs :
         {"new", "new --team 3 --out x.vtr", "new --team 3 --difficulty 4 --out x.vtr",
          "new --team 3 --difficulty one --out x.vtr", "new --team 3 --difficulty 1", "new --team 3 --difficulty 1 --out",
          "new --team 3 --difficulty 1 --out x.vtr --fantasy", "new --team 3 --difficulty 1 --seed -5 --out x.vtr",
          "new --team Nowhere --difficulty 1 --out x.vtr", "new --team 40 --difficulty 1 --out x.vtr"}) {
        SimResult result = Run_Sim(szArgs);
        EXPECT_EQ(result.nStatus, 2) << szArgs << "\n" << result.szOutput;
        EXPECT_NE(result.szOutput.find("usage: brakvell-sim new"), std::string::npos) << szArgs;
    }
    EXPECT_FALSE(std::filesystem::exists("x.vtr"));
    SimResult seed = Run_Sim("new --team 3 --difficulty 1 --seed 4294967296 --out x.vtr");
    EXPECT_EQ(seed.nStatus, 2);
    EXPECT_NE(seed.szOutput.find("--seed 4294967296 is out of range"), std::string::npos) << seed.szOutput;
    std::filesystem::remove("Universe.dat");
    SimResult missing = Run_Sim("new --team 3 --difficulty 1 --out x.vtr");
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_NE(missing.szOutput.find("no Universe.dat in this folder"), std::string::npos) << missing.szOutput;
    EXPECT_FALSE(std::filesystem::exists("x.vtr"));
}

TEST_F(SimNewTest, WritesOnlyItsOutFile) {
    std::filesystem::create_directory("Output");
    std::ofstream("Output/Stndng99.txt") << "last season";
    SimResult first = Run_Sim("new --team 3 --difficulty 1 --seed 5 --out first.vtr");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    EXPECT_EQ(File_Bytes("Output/Stndng99.txt"), "last season");
    EXPECT_FALSE(std::filesystem::exists(FAME_FILE_NAME));
    // A fame file of the caller's is read, never rewritten.
    std::ofstream(FAME_FILE_NAME) << "fame";
    std::filesystem::create_directory("sub");
    SimResult second = Run_Sim("new --team 3 --difficulty 1 --seed 5 --out sub/../second.vtr");
    ASSERT_EQ(second.nStatus, 0) << second.szOutput;
    EXPECT_EQ(File_Bytes(FAME_FILE_NAME), "fame");
    EXPECT_EQ(File_Bytes("first.vtr"), File_Bytes("second.vtr"));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(".")) files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Output", "Universe.dat", FAME_FILE_NAME, "first.vtr", "names",
                                               "second.vtr", "sub"}));
}
