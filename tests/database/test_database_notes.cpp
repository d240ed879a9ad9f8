// The free text kept with the league.
#include <cstring>

#include "commands/database_notes.h"
#include "test_support.h"

namespace {

class DatabaseNotesTest : public LeagueTest {};

TEST_F(DatabaseNotesTest, KeepsUpTo511Characters) {
    Set_Database_Notes("Draft league, 1999 rules.\nNo trades with Boston.");
    EXPECT_EQ(Get_Database_Notes(), "Draft league, 1999 rules.\nNo trades with Boston.");
    Set_Database_Notes(std::string(600, 'x').c_str());
    EXPECT_EQ(Get_Database_Notes(), std::string(511, 'x'));
    Set_Database_Notes("short");
    EXPECT_EQ(Get_Database_Notes(), "short");
    EXPECT_EQ(g_League.szNotes[6], 0);  // nothing of the longer text is left behind
    Set_Database_Notes(nullptr);
    EXPECT_EQ(Get_Database_Notes(), "");
}

TEST_F(DatabaseNotesTest, ACutNeverSplitsACharacter) {
    std::string szText = std::string(510, 'a') + "\xC3\xA9";  // the two-byte letter does not fit
    Set_Database_Notes(szText.c_str());
    EXPECT_EQ(Get_Database_Notes(), std::string(510, 'a'));
    szText = std::string(509, 'a') + "\xC3\xA9";
    Set_Database_Notes(szText.c_str());
    EXPECT_EQ(Get_Database_Notes(), szText);
    szText = std::string(509, 'a') + "\xE2\x82\xAC";  // three bytes, two would fit
    Set_Database_Notes(szText.c_str());
    EXPECT_EQ(Get_Database_Notes(), std::string(509, 'a'));
}

TEST_F(DatabaseNotesTest, UnterminatedFieldReadsItsWholeWidth) {
    memset(g_League.szNotes, 'z', sizeof g_League.szNotes);
    EXPECT_EQ(Get_Database_Notes(), std::string(511, 'z'));
}

}  // namespace
