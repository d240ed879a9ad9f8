// The play-by-play: line prefixes, play texts and headers.
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/text_format.h"
#include "game_test_support.h"

class TextTest : public GameTest {
  protected:
    std::string Prefix() {
        char sz[TEXT_SIZE];
        Build_Line_Prefix(&m_Game, sz);
        return sz;
    }
    std::string Text(int nResult, int nYards, int nAmount = 0, int nFirst = 1001, int nSecond = 2001) {
        m_Game.play.nFirst = nFirst;
        m_Game.play.nSecond = nSecond;
        m_Game.play.nData = 0;
        Set_Play_Result(&m_Game.play, nResult);
        Set_Play_Yards(&m_Game.play, nYards);
        Set_Play_Amount(&m_Game.play, nAmount);
        char sz[TEXT_SIZE];
        Build_Play_Text(&m_Game, sz);
        return sz;
    }
};

namespace {
// The play texts' own printf must write what the C library's does, cut alike.
template <typename... T>
void Expect_Like_Printf(int nSize, const char* szFormat, T... args) {
    char szOurs[TEXT_SIZE], szLibrary[TEXT_SIZE];
    int nLength = Format_Play(szOurs, nSize, szFormat, args...);
    volatile size_t nRoom = nSize;  // cutting is what some cases test; the compiler need not warn
    snprintf(szLibrary, nRoom, szFormat, args...);
    EXPECT_STREQ(szOurs, szLibrary) << szFormat;
    EXPECT_EQ(nLength, (int)strlen(szLibrary)) << szFormat;
}
}  // namespace

TEST(PlayFormat, WritesWhatPrintfWrites) {
    Expect_Like_Printf(TEXT_SIZE, "%d:%02d", 14, 5);
    Expect_Like_Printf(TEXT_SIZE, "%d:%02d", 0, 0);
    Expect_Like_Printf(TEXT_SIZE, "(%-3s %2d)", "NE", 7);
    Expect_Like_Printf(TEXT_SIZE, "(%-3s %2d)", "LONGER", 123);
    Expect_Like_Printf(TEXT_SIZE, " %5s %3s %4s %8s", "9:59", "T01", "3-G", "(--  50)");
    Expect_Like_Printf(TEXT_SIZE, "%s rushes %s for a %d-yard loss", "Name", "left", -3);
    Expect_Like_Printf(TEXT_SIZE, "%d %d %d", INT_MIN, INT_MAX, 0);
    Expect_Like_Printf(TEXT_SIZE, "[%05d] [%-5d] [%5d] [%02d]", -42, -42, -42, 123);
    Expect_Like_Printf(TEXT_SIZE, "%d%% of %s", 50, "");
    Expect_Like_Printf(8, "%s", "abcdefghij");
    Expect_Like_Printf(6, "%5s|%d", "ab", 12345);
    Expect_Like_Printf(1, "%d", 7);
}

TEST_F(TextTest, SpotsAndDowns) {
    Start(0, 50);
    EXPECT_EQ(Prefix(), " 15:00 T00 1-10 (--  50)");
    Situation(0, 2, 4, 49);
    EXPECT_EQ(Prefix(), " 15:00 T00  3-4 (T01 49)");
    Situation(0, 1, 7, 51);
    EXPECT_EQ(Prefix(), " 15:00 T00  2-7 (T00 49)");
    Situation(1, 0, 8, 8);
    EXPECT_EQ(Prefix(), " 15:00 T01  1-G (T00  8)");
    Set_Game_Elapsed(&m_Game, 900 - 125);
    Situation(1, DOWN_KICKOFF, 10, 70);
    EXPECT_EQ(Prefix(), "  2:05 T01 KICK (T01 30)");
    Situation(1, DOWN_FREE_KICK, 10, 70);
    EXPECT_EQ(Prefix(), "  2:05 T01 ---- (T01 30)");
}

TEST_F(TextTest, TryAtTheQuarterBoundaryShowsNoTimeLeft) {
    Start(1800, 2);
    Situation(0, DOWN_TRY, 2, 2);
    m_Game.anFormation[0] = FORM_EXTRA_POINT;
    EXPECT_EQ(Prefix(), "  0:00 T00 CONV (T01  2)");
    m_Game.anFormation[0] = FORM_HEAVY;  // going for two
    EXPECT_EQ(Prefix(), "  0:00 T00 CONV (T01  2)");
    Situation(0, 0, 2, 2);
    EXPECT_EQ(Prefix(), " 15:00 T00  1-G (T01  2)");
}

TEST_F(TextTest, PlayTexts) {
    Start();
    // IDs: 1000 x (team + 1) + slot + 1.
    EXPECT_EQ(Text(RESULT_COMPLETE, 12, 0, 1012, 1001), "Last00_00 12-yard pass to Last00_11");
    EXPECT_EQ(Text(RESULT_RUN_MIDDLE, 1, 0, 1004), "Last00_03 rushes up the middle for 1 yard");
    EXPECT_EQ(Text(RESULT_RUN_LEFT, 0, 0, 1004), "Last00_03 rushes left for no gain");
    EXPECT_EQ(Text(RESULT_RUN_RIGHT, (uint8_t)-3, 0, 1004), "Last00_03 rushes right for a 3-yard loss");
    EXPECT_EQ(Text(RESULT_RUN_RIGHT, 14, 0, 1004), "Last00_03 rushes right for 14 yards");
    EXPECT_EQ(Text(RESULT_SACKED, 7, 0, 1001, 2028), "Last00_00 sacked by Last01_27 for 7-yard loss");
    EXPECT_EQ(Text(RESULT_FUMBLE, 0, 0, 2028, 1004), "Last00_03 fumble recovered by Last01_27");
    EXPECT_EQ(Text(RESULT_KICKOFF_RETURN, 22, 72, 2015), "Last01_14 returns kickoff 22 yards to his 28");
    EXPECT_EQ(Text(RESULT_KICKOFF_RETURN, 60, 40, 2015), "Last01_14 returns kickoff to opponent's 40!");
    EXPECT_EQ(Text(RESULT_PUNT, 41, 0, 2044), "41-yard punt - fair catch by Last01_43");
    EXPECT_EQ(Text(RESULT_PUNT, 41, 6, 2044), "41-yard punt returned 6 yards by Last01_43");
    EXPECT_EQ(Text(RESULT_PENALTY, 5, 8, 1018), "FALSE START (Last00_17): 5 yards");
    // Half the distance from the 2 or 3 is a single yard.
    EXPECT_EQ(Text(RESULT_PENALTY, 1, PENALTY_ENCROACHMENT, 2028), "ENCROACHMENT (Last01_27): 1 yard");
    EXPECT_EQ(Text(RESULT_PUNT, 38, 1, 2044), "38-yard punt returned 1 yard by Last01_43");
    EXPECT_EQ(Text(RESULT_KICKOFF_RETURN, 1, 99, 2015), "Last01_14 returns kickoff 1 yard to his 1");
    EXPECT_EQ(Text(RESULT_TWO_POINTS_FAILED, 0, 0, 1004), "2-pt conversion failed (Last00_03)");
    EXPECT_EQ(Text(RESULT_NONE, 0), "UNHANDLED nResult (29) in PLAY");
    EXPECT_EQ(Text(RESULT_SAFETY, 0, 0, 1001, -1), "Last00_00 tackled by City0 for safety");
}

TEST_F(TextTest, HeadersAndScoreLines) {
    Clear_Play_Text();
    Append_Period_Header(4);
    Append_Period_Header(7);
    Append_Period_Header(8);
    Append_Period_Header(9);
    EXPECT_EQ(std::string(Play_By_Play_Text()),
              "\n OT    <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n"
              "\n OT #4 <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n"
              "\n OT #5 <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n"
              "\n OT #6 <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n");
    Start();
    m_Game.anScore[0] = 3;
    m_Game.anScore[1] = 14;
    Clear_Play_Text();
    Text(RESULT_FIELD_GOAL, 44, 0, 1051);
    Append_Play_Line(&m_Game, " 15:00 T00 4-8 (T01 27)");
    EXPECT_EQ(std::string(Play_By_Play_Text()),
              " 15:00 T00 4-8 (T01 27) Last00_50 kicks 44-yard FG\n"
              "\n <><><><><><> NICKS0 3 / NICKS1 14 <><><><><><>\n");
}
