// The pictures, sounds and help pages the build puts into the game folder:
// every name the game asks for is there and readable by the game itself.
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "commands/game_commands.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "platform/files.h"
#include "platform/page_frames.h"
#include "platform/page_layout.h"
#include "platform/picture.h"
#include "season/playoffs.h"
#include "test_support.h"

namespace {
std::string In_Game(const std::string& szName) { return std::string(BRAKVELL_GAME_DIR) + "/" + szName; }

const int PAGES[] = {PAGE_NONE,     PAGE_STANDINGS, PAGE_LEADERS,  PAGE_FINANCES,    PAGE_CALENDAR,
                     PAGE_PLAYOFFS, PAGE_DRAFT,     PAGE_GAMES,    PAGE_HALL_OF_FAME};

// Named by the pages, dialogs and sounds rather than by a table in the code.
const char* const FIXED_PICTURES[] = {
    "News\\Divchamp.jpg",        "News\\Conferen.jpg",         "News\\Champs.jpg",
    "News\\Diffbtn0.jpg",        "News\\Diffbtn1.jpg",         "News\\Diffbtn2.jpg",
    "News\\Diffbtn3.jpg",        "HalvercornLogoPattern.jpg",  "dialogs/splash/vantor.jpg",
    "dialogs/misc/beer.jpg",     "dialogs/misc/food.jpg",      "dialogs/misc/souvenir.jpg",
    "dialogs/misc/brdcst0.jpg",  "dialogs/misc/brdcst1.jpg",   "dialogs/misc/brdcst2.jpg",
};
const char* const SOUNDS[] = {"button.wav", "cash.wav", "pour.wav", "celeb1.wav", "celeb2.wav", "celeb3.wav"};
// Every topic the dialogs and menus open besides the pages' own.
const char* const HELP_TOPICS[] = {
    "contents",     "newgame",      "savegame",      "resumegame",    "offense",      "defense",
    "specialteams", "freeagents",   "scouting",      "editplayer",    "options",      "expenses",
    "concessions",  "tickets",      "broadcast",     "trades",        "tradingblock", "teamnames",
    "findplayers",  "stadiumeditor", "cityeditor",   "leagueeditor",  "halloffame",   "changeposition",
    "printing",     "history",      "collegedraft",  "draftorder",    "fantasyDraft", "advanced",
};

::testing::AssertionResult Decodes(const std::string& szName, int nMinimumWidth = 1, int nMinimumHeight = 1) {
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> pixels;
    if (!Decode_Jpeg_File(In_Game(szName).c_str(), nWidth, nHeight, pixels))
        return ::testing::AssertionFailure() << szName << " is missing or does not decode";
    if (nWidth < nMinimumWidth || nHeight < nMinimumHeight)
        return ::testing::AssertionFailure() << szName << " is only " << nWidth << " x " << nHeight;
    return ::testing::AssertionSuccess();
}

uint32_t Little_Endian(const std::vector<uint8_t>& bytes, size_t nAt, int nBytes) {
    uint32_t n = 0;
    for (int i = nBytes - 1; i >= 0; i--) n = n << 8 | bytes[nAt + i];
    return n;
}

bool Overlap(const PageRect& a, const PageRect& b) {
    return a.nLeft < b.nRight && b.nLeft < a.nRight && a.nTop < b.nBottom && b.nTop < a.nBottom;
}
}  // namespace

class ArtworkTest : public LeagueTest {};

TEST_F(ArtworkTest, EveryPageBackgroundCoversThePageAtLeastOnce) {
    for (int nPage : PAGES) EXPECT_TRUE(Decodes(Page_Background(nPage), LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT));
    for (const char* szName : {"News\\Divchamp.jpg", "News\\Conferen.jpg", "News\\Champs.jpg"})
        EXPECT_TRUE(Decodes(szName, LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT));
}

TEST_F(ArtworkTest, EveryFixedPictureDecodes) {
    for (const char* szName : FIXED_PICTURES) EXPECT_TRUE(Decodes(szName));
}

TEST_F(ArtworkTest, EveryTeamOfTheDefaultLeagueHasItsPictures) {
    ASSERT_TRUE(Load_Game(In_Game(UNIVERSE_FILE).c_str()));
    int nTeams = 0;
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        // Helmets exist for unused codes too, for teams the editors add.
        EXPECT_TRUE(Decodes("helmets\\helmet" + std::to_string(nTeam) + ".jpg"));
        EXPECT_TRUE(Decodes("helmets\\helmet" + std::to_string(nTeam) + "a.jpg"));
        if (!Valid_Team((TNUM)nTeam)) continue;
        nTeams++;
        char szPicture[256];
        Get_Stadium_Picture((TNUM)nTeam, szPicture);
        EXPECT_TRUE(Decodes(szPicture));
    }
    EXPECT_GT(nTeams, 0);
}

TEST_F(ArtworkTest, EveryManagerFaceTheGameCanAskForDecodes) {
    for (int nFace = 0; nFace < 72; nFace++) EXPECT_TRUE(Decodes("dialogs/faces/gm" + std::to_string(nFace) + ".jpg"));
}

TEST_F(ArtworkTest, SoundsArePlainPcmWaves) {
    for (const char* szName : SOUNDS) {
        std::string szPath = Find_Data_File(In_Game(std::string("sound/") + szName).c_str());
        ASSERT_FALSE(szPath.empty()) << szName;
        std::ifstream file(szPath, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 44u) << szName;
        EXPECT_EQ(memcmp(bytes.data(), "RIFF", 4), 0) << szName;
        EXPECT_EQ(memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0) << szName;
        EXPECT_EQ(Little_Endian(bytes, 4, 4), bytes.size() - 8) << szName;
        EXPECT_EQ(Little_Endian(bytes, 20, 2), 1u) << szName;  // PCM
        EXPECT_EQ(Little_Endian(bytes, 22, 2), 1u) << szName;  // mono
        EXPECT_EQ(Little_Endian(bytes, 24, 4), 22050u) << szName;
        EXPECT_EQ(Little_Endian(bytes, 34, 2), 16u) << szName;
        EXPECT_EQ(Little_Endian(bytes, 40, 4), bytes.size() - 44) << szName;
    }
}

TEST_F(ArtworkTest, EveryHelpTopicHasAPage) {
    std::vector<std::string> topics(std::begin(HELP_TOPICS), std::end(HELP_TOPICS));
    for (int nPage : PAGES) topics.push_back(Page_Help_Topic(nPage));
    topics.push_back(Page_Help_Topic(PAGE_CHAMPIONSHIP));
    for (const std::string& szTopic : topics)
        EXPECT_FALSE(Find_Data_File(In_Game("help/" + szTopic + ".htm").c_str()).empty()) << szTopic;
}

TEST(PlayoffBracket, SlotsLieOnThePageApartAndLeadToTheirWinners) {
    std::vector<int> used;
    for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; nSlot++) {
        PageRect slot = Playoff_Slot_Rect(nSlot);
        if (slot.nRight == 0) continue;
        used.push_back(nSlot);
        EXPECT_TRUE(slot.nLeft >= 0 && slot.nTop >= 50 && slot.nRight <= LOGICAL_PAGE_WIDTH &&
                    slot.nBottom <= LOGICAL_PAGE_HEIGHT)
            << nSlot;
        // "World\nChampions" is written at (476, 32)-(622, 105).
        EXPECT_FALSE(Overlap(slot, {476, 32, 622, 105})) << nSlot;
    }
    EXPECT_EQ(used.size(), 23u);  // 8 first-round, 8 second-round, 4, 2 and the champion
    for (size_t i = 0; i < used.size(); i++)
        for (size_t j = i + 1; j < used.size(); j++)
            EXPECT_FALSE(Overlap(Playoff_Slot_Rect(used[i]), Playoff_Slot_Rect(used[j]))) << used[i] << " " << used[j];
    // Each game's pair sits left of the slot its winner moves to, one above its row, one below.
    auto Centre = [](const PageRect& rect) { return (rect.nTop + rect.nBottom) / 2; };
    for (int nSlot : used) {
        if (nSlot == CHAMPION_SLOT || nSlot % 2) continue;
        PageRect first = Playoff_Slot_Rect(nSlot), second = Playoff_Slot_Rect(nSlot + 1);
        PageRect winner = Playoff_Slot_Rect(nSlot / 2 + 16);
        EXPECT_LT(first.nRight, winner.nLeft) << nSlot;
        EXPECT_LT(Centre(first), Centre(winner)) << nSlot;
        EXPECT_GT(Centre(second), Centre(winner)) << nSlot;
    }
    EXPECT_EQ(Playoff_Slot_Rect(-1).nRight, 0);
    EXPECT_EQ(Playoff_Slot_Rect(31).nRight, 0);
}
