// brakvell-sim card as a user runs it: the card's cells and the scouting line
// the manager's scouts give, and wrong arguments answered without a card.
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "personnel/player_card.h"
#include "personnel/scouting_report.h"
#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
}  // namespace

class SimCardTest : public LeagueTest {};

TEST_F(SimCardTest, PrintsTheCardAndTheScoutingLine) {
    ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
    After_League_Loaded();
    std::string szFile = (m_WorkDir / "card.vtr").string();
    ASSERT_EQ(Save_Game(szFile.c_str()), SAVE_OK);
    char szReport[NEWS_TEXT_SIZE];
    Get_Scouting_Report(0, 2, (TNUM)Get_Game_State(GS_USER_TEAM), szReport);
    ASSERT_NE(szReport[0], '\0');
    SimResult result = Run_Sim("card " + szFile + " 0 2");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    for (int nColumn = 0; nColumn < CARD_COLUMNS; nColumn++)
        for (int nRow = 0; nRow < CARD_ROWS; nRow++) {
            char szCell[TEXT_SIZE];
            Get_Player_Card_Text(nColumn, nRow, 0, 2, szCell);
            EXPECT_NE(result.szOutput.find(szCell), std::string::npos) << szCell << "\n" << result.szOutput;
        }
    EXPECT_NE(result.szOutput.find("\"" + std::string(szReport) + "\"\n"), std::string::npos) << result.szOutput;
    EXPECT_EQ(Run_Sim("card " + szFile + " 0").nStatus, 2);
    EXPECT_EQ(Run_Sim("card " + szFile + " 0 80").nStatus, 1);
    EXPECT_EQ(Run_Sim("card " + szFile + " NOSUCH 0").nStatus, 1);
}
