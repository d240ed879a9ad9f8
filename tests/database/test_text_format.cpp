#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "database/text_format.h"
#include "test_support.h"

namespace {
std::string Text(void (*pBuild)(int, char*), int n) {
    char szOut[TEXT_SIZE];
    memset(szOut, 'x', sizeof szOut);
    pBuild(n, szOut);
    return szOut;
}

std::string Team_Text(void (*pBuild)(TNUM, char*), TNUM nTeam) {
    char szOut[TEXT_SIZE];
    memset(szOut, 'x', sizeof szOut);
    pBuild(nTeam, szOut);
    return szOut;
}

class TextFormatTest : public LeagueTest {};

class TeamTextTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(2);
        Set_Team_String("HBR", 0, TS_ABBREVIATION);
        Set_Team_String("Harbor City", 0, TS_CITY);
        Set_Team_String("Gulls", 0, TS_NICKNAME);
        Set_Team_String("harbor", 0, TS_STADIUM_PICTURE);
    }
};
} // namespace

TEST_F(TextFormatTest, CardinalWords) {
    EXPECT_EQ(Text(Get_Cardinal_Words, 0), "zero");
    EXPECT_EQ(Text(Get_Cardinal_Words, 40), "forty");
    EXPECT_EQ(Text(Get_Cardinal_Words, 42), "forty-two");
    EXPECT_EQ(Text(Get_Cardinal_Words, 200), "two hundred");
    EXPECT_EQ(Text(Get_Cardinal_Words, 342), "three hundred and forty-two");
    EXPECT_EQ(Text(Get_Cardinal_Words, 1005), "one thousand and five");
    EXPECT_EQ(Text(Get_Cardinal_Words, 1100), "one thousand one hundred");
    EXPECT_EQ(Text(Get_Cardinal_Words, 21000), "twenty-one thousand");
    EXPECT_EQ(Text(Get_Cardinal_Words, 3000050), "three million fifty");
    EXPECT_EQ(Text(Get_Cardinal_Words, 7000000), "seven million");
    EXPECT_EQ(Text(Get_Cardinal_Words, INT_MAX),
              "two billion one hundred and forty-seven million four hundred and eighty-three thousand "
              "six hundred and forty-seven");
    EXPECT_EQ(Text(Get_Cardinal_Words, -1), "Cardinal error: -1");
    EXPECT_EQ(Text(Get_Cardinal_Words_Capitalised, 42), "Forty-two");
}

TEST_F(TextFormatTest, OrdinalWords) {
    EXPECT_EQ(Text(Get_Ordinal_Words, 2), "second");
    EXPECT_EQ(Text(Get_Ordinal_Words, 20), "twentieth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 21), "twenty-first");
    EXPECT_EQ(Text(Get_Ordinal_Words, 40), "fortieth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 300), "three hundredth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 101), "one hundred and first");
    EXPECT_EQ(Text(Get_Ordinal_Words, 1000), "one thousandth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 1001), "one thousand and first");
    EXPECT_EQ(Text(Get_Ordinal_Words, 1200), "one thousand two hundredth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 999999),
              "nine hundred and ninety-nine thousand nine hundred and ninety-ninth");
    EXPECT_EQ(Text(Get_Ordinal_Words, 0), "Ordinal error: 0");
    EXPECT_EQ(Text(Get_Ordinal_Words, 1000000), "Ordinal error: 1000000");
    EXPECT_EQ(Text(Get_Ordinal_Words_Capitalised, 21), "Twenty-first");
    EXPECT_EQ(Text(Get_Ordinal_Words_Capitalised, -2), "Ordinal error: -2");
}

TEST_F(TextFormatTest, NumberWithSuffix) {
    EXPECT_EQ(Text(Get_Number_With_Suffix, 1), "1st");
    EXPECT_EQ(Text(Get_Number_With_Suffix, 11), "11th");
    EXPECT_EQ(Text(Get_Number_With_Suffix, 13), "13th");
    EXPECT_EQ(Text(Get_Number_With_Suffix, 22), "22nd");
    EXPECT_EQ(Text(Get_Number_With_Suffix, 111), "111st"); // only 10..19 themselves take "th"
    EXPECT_EQ(Text(Get_Number_With_Suffix, -2), "-2nd");
}

TEST_F(TextFormatTest, ThousandsSeparators) {
    EXPECT_EQ(Text(Format_Thousands, 1234567), "1,234,567");
    EXPECT_EQ(Text(Format_Thousands, 999), "999");
    EXPECT_EQ(Text(Format_Thousands, 0), "0");
    EXPECT_EQ(Text(Format_Thousands, -1234), "-1,234");
    EXPECT_EQ(Text(Format_Thousands, -123), "-123");
    EXPECT_EQ(Text(Format_Thousands, INT_MIN), "-2,147,483,648");
}

TEST_F(TextFormatTest, ThousandthsAndMillions) {
    EXPECT_EQ(Text(Format_Thousandths, 656), ".656");
    EXPECT_EQ(Text(Format_Thousandths, 5), ".005");
    EXPECT_EQ(Text(Format_Thousandths, 1000), "1.000");
    EXPECT_EQ(Text(Format_Thousandths, -5), "-.005");
    EXPECT_EQ(Text(Format_Millions, 2450000), "$2.4M");
    EXPECT_EQ(Text(Format_Millions, 999999), "$0.9M");
    EXPECT_EQ(Text(Format_Millions, -500000), "-$0.5M");
    EXPECT_EQ(Text(Format_Millions, INT_MIN), "-$2147.4M");
}

TEST_F(TextFormatTest, FanMoodByHundreds) {
    EXPECT_EQ(Text(Get_Fan_Mood, 500), "Apathetic");
    EXPECT_EQ(Text(Get_Fan_Mood, 1000), "Enthusiastic");
    EXPECT_EQ(Text(Get_Fan_Mood, 1099), "Enthusiastic");
    EXPECT_EQ(Text(Get_Fan_Mood, 1250), "Devoted"); // 1250 / 100 - 6 = 6
    EXPECT_EQ(Text(Get_Fan_Mood, 1300), "Fanatic");
    EXPECT_EQ(Text(Get_Fan_Mood, 100000), "Fanatic");
}

TEST_F(TextFormatTest, DatesAtMonthBoundaries) {
    EXPECT_EQ(Text(Get_Date_Text, 0), "January 1");
    EXPECT_EQ(Text(Get_Date_Text, 30), "January 31");
    EXPECT_EQ(Text(Get_Date_Text, 31), "February 1");
    EXPECT_EQ(Text(Get_Date_Text, 58), "February 28");
    EXPECT_EQ(Text(Get_Date_Text, 59), "March 1");
    EXPECT_EQ(Text(Get_Date_Text, 243), "September 1"); // week 0
    EXPECT_EQ(Text(Get_Date_Text, 364), "December 31");
    EXPECT_EQ(Text(Get_Date_Text, 365), "January 1");
    EXPECT_EQ(Text(Get_Date_Text, 243 + 20 * 7), "January 19");
    EXPECT_EQ(Text(Get_Date_Text, -1), "December 31");
    EXPECT_EQ(Text(Get_Weekday_Name, 6), "Sunday");
    EXPECT_EQ(Text(Get_Month_Name, 12), "");
    EXPECT_TRUE(Logged("Invalid nMonth in Get_Month_Name(12)"));
}

TEST_F(TextFormatTest, WeekNamesThroughThePlayoffs) {
    const int anCalendar[6] = {17, 18, 19, 20, 21, 22};
    memcpy(g_League.anCalendar, anCalendar, sizeof anCalendar);
    EXPECT_EQ(Text(Get_Week_Name, 0), "Week 1");
    EXPECT_EQ(Text(Get_Week_Name, 16), "Week 17");
    EXPECT_EQ(Text(Get_Week_Name, 17), "Wild Card");
    EXPECT_EQ(Text(Get_Week_Name, 18), "Division Game");
    EXPECT_EQ(Text(Get_Week_Name, 20), "Super Bowl");
    EXPECT_EQ(Text(Get_Week_Name, 21), "Pro Bowl");
    EXPECT_EQ(Text(Get_Week_Name, 22), "Off Season");
    g_League.anGameState[GS_CURRENT_WEEK] = 18;
    EXPECT_EQ(Text(Get_Week_Name, -1), "Division Game");
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_EQ(Text(Get_Week_Name, -2), "");
    EXPECT_TRUE(Logged("Invalid nWeek in Get_Week_Name(-2)"));
}

TEST_F(TextFormatTest, WeekNamesBeforeAScheduleExists) {
    // The first playoff week is taken as at least 2.
    EXPECT_EQ(Text(Get_Week_Name, 1), "Week 2");
    EXPECT_EQ(Text(Get_Week_Name, 2), "Off Season");
}

TEST_F(TextFormatTest, CurrentYearAndContractEnd) {
    g_League.anRules[LR_START_YEAR] = 1998;
    g_League.anGameState[GS_SEASON_INDEX] = 3;
    char szOut[TEXT_SIZE];
    Get_Current_Year_Text(szOut);
    EXPECT_STREQ(szOut, "2001");
    EXPECT_EQ(Text(Get_Contract_End_Text, 2), "Contract Ends: 2003");
}

TEST_F(TextFormatTest, PositionNames) {
    EXPECT_EQ(Text(Get_Position_Name, 13), "Punter");
    EXPECT_EQ(Text(Get_Position_Name, 14), "Any Position");
    EXPECT_EQ(Text(Get_Position_Name, 15), "<Error>");
    EXPECT_EQ(Text(Get_Position_Name, -1), "<Error>");
    EXPECT_EQ(Text(Get_Position_Name_Lower, 8), "defensive tackle");
    EXPECT_EQ(Text(Get_Position_At_Text, 11), "at safety");
    EXPECT_EQ(Text(Get_Position_Abbreviation, -3), "QB");
    EXPECT_EQ(Text(Get_Position_Abbreviation, 14), "Any");
    EXPECT_EQ(Text(Get_Position_Abbreviation, 15), "");
    EXPECT_EQ(Text(Get_Stat_Period_Name, 3), "Predicted");
    EXPECT_EQ(Text(Get_Difficulty_Name, -1), "Fan");
    EXPECT_EQ(Text(Get_Difficulty_Name, 3), "Vantor");
    EXPECT_EQ(Text(Get_Difficulty_Name, 9), "Vantor");
}

TEST_F(TeamTextTest, LabelsOfSpecialCodes) {
    g_League.anGameState[GS_DRAFT_ROUND] = 1;
    EXPECT_EQ(Team_Text(Get_Team_Label, 0), "Harbor City Gulls");
    EXPECT_EQ(Team_Text(Get_Team_Label, FREE_AGENT_TEAM), "Free Agent");
    EXPECT_EQ(Team_Text(Get_Team_Label, HALL_OF_FAME_TEAM), "Hall Of Fame Inductee");
    for (TNUM nTeam = 38; nTeam <= 40; nTeam++)
        EXPECT_EQ(Team_Text(Get_Team_Label, nTeam), "Second Round Draft Pick");
    g_League.anGameState[GS_DRAFT_ROUND] = 0;
    EXPECT_EQ(Team_Text(Get_Team_Label, 38), "First Round Draft Pick");
    EXPECT_EQ(Team_Text(Get_Team_Label, NO_TEAM), "");
    EXPECT_EQ(Team_Text(Get_Team_Label, 5), ""); // not in use
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(TeamTextTest, NamesByCodeRange) {
    EXPECT_EQ(Team_Text(Get_Team_City, 0), "Harbor City");
    EXPECT_EQ(Team_Text(Get_Team_City, FREE_AGENT_TEAM), "Free Agent");
    EXPECT_EQ(Team_Text(Get_Team_City, HALL_OF_FAME_TEAM), "");
    EXPECT_EQ(Team_Text(Get_Team_Nickname, 0), "Gulls");
    EXPECT_EQ(Team_Text(Get_Team_Nickname, 38), "");
    EXPECT_EQ(Team_Text(Get_Team_Abbreviation, 0), "HBR");
    EXPECT_EQ(Team_Text(Get_Team_Abbreviation, 38), "UND");
    EXPECT_EQ(Team_Text(Get_Team_Abbreviation, NO_TEAM), "");
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_EQ(Team_Text(Get_Team_Abbreviation, 41), "");
    EXPECT_TRUE(Logged("Invalid nTeam in Get_Team_Abbreviation(41)"));
}

TEST_F(TeamTextTest, PicturePaths) {
    EXPECT_EQ(Team_Text(Get_Stadium_Picture, 0), "dialogs/stadiums/harbor.jpg");
    EXPECT_EQ(Team_Text(Get_Manager_Picture, 0), "dialogs/faces/gm0.jpg");
    EXPECT_EQ(Team_Text(Get_Manager_Picture, 4), "dialogs/faces/gm8.jpg");
    g_League.anGameState[GS_SEASON_INDEX] = 24; // faces below 9 are replaced
    EXPECT_EQ(Team_Text(Get_Manager_Picture, 4), "dialogs/faces/gm44.jpg");
    EXPECT_EQ(Team_Text(Get_Manager_Picture, 1), "dialogs/faces/gm11.jpg");
    EXPECT_EQ(Team_Text(Get_Manager_Picture, FREE_AGENT_TEAM), "");
    EXPECT_TRUE(Logged("Invalid nTeam in Get_Manager_Picture(36)"));
}

TEST_F(TeamTextTest, PlayerCardLines) {
    EXPECT_EQ(Text(Get_Experience_Text, -4), "Freshman");
    EXPECT_EQ(Text(Get_Experience_Text, 0), "Rookie");
    EXPECT_EQ(Text(Get_Experience_Text, 1), "Second season");
    EXPECT_EQ(Text(Get_Experience_Text, 20), "Twenty-first season");
    EXPECT_EQ(Text(Get_Height_Text, 74), "Height: 6-2");
    EXPECT_EQ(Text(Get_Weight_Text, 245), "Weight: 245");
    EXPECT_EQ(Text(Get_Forty_Text, 405), "40-Yard Dash: 4.05");
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_EQ(Text(Get_Experience_Text, -5), "");
    EXPECT_TRUE(Logged("Invalid nExperience in Get_Experience_Text(-5)"));
}

TEST_F(TeamTextTest, DraftLines) {
    EXPECT_EQ(Text(Get_Drafted_Text, 0), "");
    EXPECT_EQ(Text(Get_Drafted_Text, 1998), "Drafted 1998");
    EXPECT_EQ(Text(Get_Drafted_Text, 1 * 10000 + 2003), "Drafted 2003 (HBR)");
    EXPECT_EQ(Text(Get_Drafted_Text, 1 * 10000), "Drafted by HBR");
    EXPECT_EQ(Text(Get_Drafted_Text, 37 * 10000 + 2003), "Undrafted"); // free agents
    EXPECT_EQ(Text(Get_Draft_Pick_Text, 0), "");
    EXPECT_EQ(Text(Get_Draft_Pick_Text, 1 * 10000 + 12), "1st Round (#12)");
    EXPECT_EQ(Text(Get_Draft_Pick_Text, 2 * 10000), "2nd Round");
    EXPECT_EQ(Text(Get_Draft_Pick_Text, 45), "Pick #45");
}

TEST_F(TextFormatTest, Plurals) {
    char szOut[TEXT_SIZE];
    Make_Plural("Safety", szOut);
    EXPECT_STREQ(szOut, "Safeties");
    Make_Plural("Pass", szOut);
    EXPECT_STREQ(szOut, "Passes");
    Make_Plural("Guard", szOut);
    EXPECT_STREQ(szOut, "Guards");
    Make_Plural("Day", szOut);
    EXPECT_STREQ(szOut, "Days");
    Make_Plural("", szOut);
    EXPECT_STREQ(szOut, "");
    strcpy(szOut, "Punter");
    Make_Plural(szOut, szOut);
    EXPECT_STREQ(szOut, "Punters");
}

TEST_F(TextFormatTest, PaddingStaysInsideTheBuffer) {
    char szOut[TEXT_SIZE];
    Pad_Left("42", 5, szOut);
    EXPECT_STREQ(szOut, "   42");
    Pad_Left_Double("42", 5, szOut);
    EXPECT_STREQ(szOut, "      42");
    Pad_Left("12345", 3, szOut);
    EXPECT_STREQ(szOut, "12345");
    Pad_Left_Double("x", 100000, szOut);
    EXPECT_EQ(strlen(szOut), (size_t)TEXT_SIZE - 1);
}

TEST_F(TextFormatTest, CaseAndCharacters) {
    EXPECT_TRUE(Is_Vowel('a'));
    EXPECT_TRUE(Is_Vowel('U'));
    EXPECT_FALSE(Is_Vowel('y'));
    EXPECT_FALSE(Is_Vowel('\0'));
    char szText[] = "tWO words 2";
    Capitalise(szText);
    EXPECT_STREQ(szText, "Two words 2");
    Make_Upper_Case(szText);
    EXPECT_STREQ(szText, "TWO WORDS 2");
    char szDate[] = "1/2/2003";
    EXPECT_TRUE(Replace_Character(szDate, '/', '-'));
    EXPECT_STREQ(szDate, "1-2-2003");
    EXPECT_FALSE(Replace_Character(szDate, '/', '-'));
}

TEST_F(TextFormatTest, SplitConsumesTheText) {
    char szLine[] = "Smith,,Ohio State";
    char szField[TEXT_SIZE];
    EXPECT_TRUE(Split_At(szLine, ',', szField));
    EXPECT_STREQ(szField, "Smith");
    EXPECT_STREQ(szLine, ",Ohio State");
    EXPECT_TRUE(Split_At(szLine, ',', szField));
    EXPECT_STREQ(szField, "");
    EXPECT_FALSE(Split_At(szLine, ',', szField));
    EXPECT_STREQ(szField, "Ohio State");
    EXPECT_STREQ(szLine, "");
}
