// A nickname typed on the New Game page can reorder two teams of one city on
// the next load; the league must come back naming the same teams everywhere.
#include <algorithm>
#include <set>
#include <vector>

#include "database/integrity.h"
#include "database/player.h"
#include "new_game_fixture.h"
#include "season/season_loop.h"
#include "season/stored_games.h"
#include "simulation/game.h"

namespace {

std::string Nickname(int nTeam) {
    if (nTeam < 0 || nTeam >= Number_Of_Teams()) return "#" + std::to_string(nTeam);
    char szText[TEXT_SIZE];
    Get_Team_String((TNUM)nTeam, TS_NICKNAME, szText);
    return szText;
}

TNUM Team_Named(const char* szCity, const char* szNickname) {
    char szText[TEXT_SIZE];
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        Get_Team_String(nTeam, TS_CITY, szText);
        if (std::string(szText) != szCity) continue;
        Get_Team_String(nTeam, TS_NICKNAME, szText);
        if (std::string(szText) == szNickname) return nTeam;
    }
    return NO_TEAM;
}

// Every team code the league stores, said by nickname, in an order that does
// not depend on the codes.
std::vector<std::string> Stored_Teams_By_Name() {
    std::vector<std::string> lines;
    auto add = [&](std::string szLine) { lines.push_back(std::move(szLine)); };
    add("user " + Nickname(Get_Game_State(GS_USER_TEAM)));
    add("managed " + Nickname(Get_Game_State(GS_MANAGED_TEAM)));
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        std::string szTeam = Nickname(nTeam);
        for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++)
            if (Schedule_Slot_Filled(nTeam, nSlot))
                add(szTeam + " week " + std::to_string(nSlot) + " kind " +
                    std::to_string(Get_Schedule_Kind(nTeam, nSlot)) + " " +
                    Nickname(Get_Schedule_Opponent(nTeam, nSlot)));
        for (int nDraft = 0; nDraft < 3; nDraft++)
            for (int nRound = 0; nRound < 7; nRound++)
                add(szTeam + " pick " + std::to_string(nDraft) + "/" + std::to_string(nRound) + " owned by " +
                    Nickname(g_League.abDraftPicks[nDraft][nRound][nTeam]));
    }
    for (int nSlot = 0; nSlot < NUMBER_OF_PLAYOFF_SLOTS; nSlot++)
        add("playoff " + std::to_string(nSlot) + " " + Nickname(g_League.abPlayoffTeams[nSlot]));
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
        for (int nPlace = 0; nPlace < 13; nPlace++)
            add("division " + std::to_string(nDivision) + " place " + std::to_string(nPlace) + " " +
                Nickname(g_League.abStandingsOrder[nDivision][nPlace]));
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        StoredGame game;
        if (Stored_Game_Teams_And_Score(nGame, &game))
            add("game " + Nickname(game.nVisitor) + " at " + Nickname(game.nHome) + " " +
                std::to_string(game.nVisitorScore) + "-" + std::to_string(game.nHomeScore));
    }
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Valid_Player(nTeam, nSlot)) continue;
            const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
            std::string szPlayer = "player " + std::to_string(player.anVital[VS_PLAYER_ID]);
            int nDrafted = player.anVital[VS_DRAFTED];
            add(szPlayer + " drafted " + Nickname(nDrafted / DRAFTED_TEAM_UNIT - 1) + " " +
                std::to_string(nDrafted % DRAFTED_TEAM_UNIT) + " bound for " +
                Nickname(player.anVital[VS_DESTINATION]));
            for (int nRecord : player.anHistory)
                if (nRecord >= 0)
                    add(szPlayer + " " + std::to_string(g_League.aHistory[nRecord].nYear) + " with " +
                        Nickname(g_League.aHistory[nRecord].nTeam & 0xFF));
        }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

TEST_F(NewGameTest, NicknameThatReordersACityKeepsEveryStoredTeamAcrossALoad) {
    NewGameForm form = Open_Page(0, 3);
    TNUM nBrickbats = Team_Named("New York", "Brickbats");
    TNUM nFerrymen = Team_Named("New York", "Ferrymen");
    ASSERT_NE(nBrickbats, NO_TEAM);
    ASSERT_EQ(nFerrymen, nBrickbats + 1);
    Choose_New_Game_Team(&form, nFerrymen);
    form.szNickname = "Anchors";  // now ahead of the Brickbats
    ASSERT_TRUE(Play_New_Game(form));
    Set_Play_By_Play_File(false);
    Play_Weeks(1);
    Set_Play_By_Play_File(true);
    g_League.abDraftPicks[1][0][nFerrymen] = (uint8_t)nBrickbats;  // a traded first-round pick
    std::vector<std::string> before = Stored_Teams_By_Name();
    ASSERT_EQ(Save_Game("order.vtr"), SAVE_OK);

    ASSERT_TRUE(Load_Game("order.vtr"));
    EXPECT_EQ(Team_Named("New York", "Anchors"), nBrickbats);
    EXPECT_EQ(Nickname(Get_Game_State(GS_MANAGED_TEAM)), "Anchors");
    EXPECT_EQ(Nickname(Get_Game_State(GS_USER_TEAM)), "Anchors");
    std::vector<std::string> after = Stored_Teams_By_Name();
    EXPECT_EQ(before.size(), after.size());
    std::vector<std::string> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    EXPECT_TRUE(changed.empty()) << changed.size() << " differ, first: " << changed.front();

    // Each team once a week and a whole season each.
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++) {
        std::multiset<int> named;
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            if (Schedule_Slot_Filled(nTeam, nSlot)) named.insert(Get_Schedule_Opponent(nTeam, nSlot));
        for (int nTeam : named) EXPECT_EQ(named.count(nTeam), 1u) << "week " << nSlot << " team " << nTeam;
    }
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nFilled = 0;
        for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++) nFilled += Schedule_Slot_Filled(nTeam, nSlot);
        EXPECT_EQ(nFilled, nGames) << Nickname(nTeam);
    }
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}
