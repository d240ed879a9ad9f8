#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/league_database.h"
#include "personnel/names.h"
#include "test_support.h"

namespace {
class NamesTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Reset_Read_Line_Limit_Warning();
        Reset_Name_File_Warnings();
    }
    static void Write_File(const std::string& szPath, const std::string& szText) {
        std::filesystem::path folder = std::filesystem::path(szPath).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder);
        std::ofstream(szPath, std::ios::binary) << szText;
    }
};
}  // namespace

TEST_F(NamesTest, LongLinesAreCutAndWarnedAboutOncePerRun) {
    Write_File("lines.txt", "abcdefghij\nshort\r\nklmnopqrstuvwxyz\nlast");
    FILE* pFile = fopen("lines.txt", "r");
    ASSERT_NE(pFile, nullptr);
    char szLine[6];
    EXPECT_FALSE(Read_Line_Limit(pFile, szLine, sizeof szLine));
    EXPECT_STREQ(szLine, "abcde");
    EXPECT_FALSE(Read_Line_Limit(pFile, szLine, sizeof szLine));
    EXPECT_STREQ(szLine, "short");  // the rest of a long line is skipped, a carriage return dropped
    EXPECT_FALSE(Read_Line_Limit(pFile, szLine, sizeof szLine));
    EXPECT_STREQ(szLine, "klmno");
    EXPECT_TRUE(Read_Line_Limit(pFile, szLine, sizeof szLine));
    EXPECT_STREQ(szLine, "last");
    fclose(pFile);

    const auto& notices = Headless_Notices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "Read_Line_Limit");
    EXPECT_EQ(notices[0].text, "Line too long. Extra character(s) ignored.");
}

TEST_F(NamesTest, MissingNameFileGivesTheDefaultAndOneNotice) {
    char szName[12];
    Read_Name_Line(FIRST_NAME_FILE, 3, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "John");
    Read_Name_Line(FIRST_NAME_FILE, 5, szName, sizeof szName, DEFAULT_FIRST_NAME);
    const auto& notices = Headless_Notices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "ERROR");
    EXPECT_EQ(notices[0].text, "Couldn't open file: names/first.txt");
    Count_Name_Files();
    EXPECT_EQ(Get_Game_State(GS_FIRST_NAMES), 0);
}

TEST_F(NamesTest, NameFilesAreFoundWhateverTheirCase) {
    Write_File("Names/FIRST.TXT", "Adam\nBob\n\nCharlemagne-Augustus\n");
    Write_File("Names/Last.txt", "Jones\nLee");
    Count_Name_Files();
    EXPECT_EQ(Get_Game_State(GS_FIRST_NAMES), 4);
    EXPECT_EQ(Get_Game_State(GS_LAST_NAMES), 2);

    char szName[12];
    Read_Name_Line(FIRST_NAME_FILE, 1, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "Bob");
    Read_Name_Line(FIRST_NAME_FILE, 2, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "John");  // empty line
    Read_Name_Line(FIRST_NAME_FILE, 3, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "Charlemagne");  // cut to the name field
    Read_Name_Line(FIRST_NAME_FILE, 9, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "John");  // past the end
    char szLast[20];
    Read_Name_Line(LAST_NAME_FILE, 1, szLast, sizeof szLast, DEFAULT_LAST_NAME);
    EXPECT_STREQ(szLast, "Lee");
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Read_Line_Limit");
}

TEST_F(NamesTest, ANameFileChangedBetweenReadsIsReadAgain) {
    Write_File("names/last.txt", "Abel\nBaker\nCole\n");
    char szName[20];
    Read_Name_Line(LAST_NAME_FILE, 2, szName, sizeof szName, DEFAULT_LAST_NAME);
    EXPECT_STREQ(szName, "Cole");
    Write_File("names/last.txt", "Dunn\nEaves\n");
    Read_Name_Line(LAST_NAME_FILE, 1, szName, sizeof szName, DEFAULT_LAST_NAME);
    EXPECT_STREQ(szName, "Eaves");
    Read_Name_Line(LAST_NAME_FILE, 2, szName, sizeof szName, DEFAULT_LAST_NAME);
    EXPECT_STREQ(szName, "Smith");  // gone with the shorter file
    std::filesystem::remove("names/last.txt");
    Read_Name_Line(LAST_NAME_FILE, 0, szName, sizeof szName, DEFAULT_LAST_NAME);
    EXPECT_STREQ(szName, "Smith");
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].text, "Couldn't open file: names/last.txt");
}

TEST_F(NamesTest, EveryLineOfALongFileReadsAsItsOwn) {
    std::string szText;
    for (int n = 0; n < 5000; n++) szText += "N" + std::to_string(n) + (n % 2 ? "\r\n" : "\n");
    Write_File("names/first.txt", szText);
    Count_Name_Files();
    ASSERT_EQ(Get_Game_State(GS_FIRST_NAMES), 5000);
    char szName[12];
    for (int n : {0, 1, 2498, 4999}) {
        Read_Name_Line(FIRST_NAME_FILE, n, szName, sizeof szName, DEFAULT_FIRST_NAME);
        EXPECT_EQ(std::string(szName), "N" + std::to_string(n));
    }
    Read_Name_Line(FIRST_NAME_FILE, 5000, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "John");
    Read_Name_Line(FIRST_NAME_FILE, -1, szName, sizeof szName, DEFAULT_FIRST_NAME);
    EXPECT_STREQ(szName, "John");
    EXPECT_TRUE(Headless_Notices().empty());
}
