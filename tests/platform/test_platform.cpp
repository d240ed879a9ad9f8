#include <fstream>
#include <string>

#include "platform/headless.h"
#include "platform/platform.h"
#include "test_support.h"

using PlatformTest = LeagueTest;

static std::string Read_File(const char* szPath) {
    std::ifstream file(szPath);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(PlatformTest, LogLinesCarryTimeAndKind) {
    Error_Log("Invalid nTeam in Increment_Stat");
    Warning_Log("Heads up %d", 7);
    std::string szLog = Read_File("debug.txt");
    long nTime1 = 0, nTime2 = 0;
    char szFirst[64] = "", szSecond[64] = "";
    ASSERT_EQ(sscanf(szLog.c_str(), "%ld ERROR: %63[^\n]\n%ld Warning: %63[^\n]", &nTime1, szFirst, &nTime2, szSecond), 4)
        << szLog;
    EXPECT_GT(nTime1, 1600000000L);
    EXPECT_STREQ(szFirst, "Invalid nTeam in Increment_Stat");
    EXPECT_STREQ(szSecond, "Heads up 7");
    Delete_Log();
    EXPECT_EQ(Read_File("debug.txt"), "");
}

TEST_F(PlatformTest, EmptyAndOverlongEntriesAreNotWritten) {
    Error_Log("%s", "");
    Error_Log("%s", std::string(256, 'x').c_str());
    Error_Log("%s", std::string(255, 'y').c_str());
    std::string szLog = Read_File("debug.txt");
    EXPECT_EQ(szLog.find('x'), std::string::npos);
    EXPECT_NE(szLog.find(std::string(255, 'y')), std::string::npos);
    EXPECT_EQ(Headless_Log_Lines().size(), 1u);
}

TEST_F(PlatformTest, NoticesAndScriptedAnswers) {
    Message_Box("Read Error", "The file \"%s\" is not a valid Brakvell file.", "x.vtr");
    Quick_Message("Couldn't open '%s'.", "VantorFame.dat");
    ASSERT_EQ(Headless_Notices().size(), 2u);
    EXPECT_EQ(Headless_Notices()[0].title, "Read Error");
    EXPECT_EQ(Headless_Notices()[0].text, "The file \"x.vtr\" is not a valid Brakvell file.");
    EXPECT_EQ(Headless_Notices()[1].title, "Quick Message");
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_EQ(Ask_Yes_No("Q", "Really?"), ANSWER_NO);
    EXPECT_EQ(Ask_Yes_No("Q", "Really?"), ANSWER_YES);  // script empty: first choice
    EXPECT_EQ(Ask_Ok_Cancel("Q", "Sure?"), ANSWER_OK);
    Headless_Set_Default_Answer(ANSWER_CANCEL);
    EXPECT_EQ(Ask_Yes_No_Cancel("Game Not Saved", "Save changes to current game since last save?"), ANSWER_CANCEL);
    EXPECT_EQ(Headless_Questions().size(), 4u);
}

TEST_F(PlatformTest, ProgressTextIsRoundedPercentNeverPastMaximum) {
    Open_Progress("Compressing...", 3);
    Step_Progress();
    EXPECT_EQ(Progress_Text(), "33%");
    Step_Progress();
    EXPECT_EQ(Progress_Text(), "67%");
    Step_Progress(5);
    EXPECT_EQ(Progress_Text(), "100%");
    Close_Progress();
}

TEST_F(PlatformTest, StopRequestLastsUntilCleared) {
    EXPECT_FALSE(Stop_Requested());
    Request_Stop();
    Handle_Pending_Messages();
    EXPECT_TRUE(Stop_Requested());
    Clear_Stop_Request();
    EXPECT_FALSE(Stop_Requested());
}
