// The default league with every team computer-managed and a cap no payroll
// reaches, for the trade tests; helpers to shape rosters and payrolls.
#pragma once
#include <filesystem>
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "test_support.h"
#include "trades/trade_offer.h"

class TradeTest : public LeagueTest {
  protected:
    static constexpr int HIGHEST_CAP = 999000000;
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
        After_League_Loaded();
        Set_League_Rule(LR_SALARY_CAP, HIGHEST_CAP);
        Set_Game_State(GS_USER_TEAM, Number_Of_Teams() - 1);  // out of the way of teams 0 and 1
    }
    static void Size_Roster(TNUM nTeam, int nPlayers) {
        // Kickers stay, or organising the roster would create new ones.
        for (PNUM nPlayer = (PNUM)(Number_Of_Players(nTeam) - 1); nPlayer >= 0 && Number_Of_Players(nTeam) > nPlayers; nPlayer--)
            if (Get_Player_Side(nTeam, nPlayer) != SIDE_KICKERS) Delete_Player(nTeam, nPlayer);
        while (Number_Of_Players(nTeam) < nPlayers) Make_Journeyman(nTeam, First_Empty_Slot(nTeam), POS_LB);
    }
    // The team owns exactly its own first nPicks picks of the next draft; the
    // rest of its picks go to a team the tests leave alone.
    static void Own_Next_Draft_Picks(TNUM nTeam, int nPicks) {
        uint8_t nOther = (uint8_t)(Number_Of_Teams() - 2);
        for (auto& aRounds : g_League.abDraftPicks)
            for (auto& aOriginals : aRounds)
                for (uint8_t& nOwner : aOriginals)
                    if (nOwner == (uint8_t)nTeam) nOwner = nOther;
        for (int nPick = 0; nPick < nPicks; nPick++) g_League.abDraftPicks[0][nPick][nTeam] = (uint8_t)nTeam;
    }
    static void Set_Cap_Impact(TNUM nTeam, PNUM nPlayer, int nThousands) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, 0);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, nThousands);
    }
    static std::string Nickname(TNUM nTeam) {
        char szName[64];
        Get_Team_String(nTeam, TS_NICKNAME, szName);
        return szName;
    }
    static TRADE_OFFER One_For_One(PNUM nGive, PNUM nGet) {
        TRADE_OFFER offer;
        Clear_Trade_Offer(&offer, 0, 1);
        offer.aanItems[0][0] = (int8_t)nGive;
        offer.aanItems[1][0] = (int8_t)nGet;
        return offer;
    }
};
