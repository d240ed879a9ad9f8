// The logic of the Offense, Defense and Special Teams windows. A window
// shows one side of a team's roster; the person moves a player up or down
// among the players of his position (the game plays them in that order),
// lets the computer choose the side's starters and sort its backups, and in
// Special Teams picks the kick and punt returners. Changes are made on the
// roster at once, so that every view shows them; Cancel puts back the
// records and returners as they were when the window opened.
#pragma once
#include <string>
#include <vector>

#include "database/league_database.h"

struct DepthDialog {
    TNUM nTeam;
    int nSide;  // SIDE_OFFENCE, SIDE_DEFENCE, SIDE_KICKERS
    bool bEditable;
    std::vector<PlayerRecord> opened;  // the team's records as they were
    PNUM anReturner[2];                // KICK_RETURNER, PUNT_RETURNER as they were
};

// Only a person's own team can be changed, or any team in Commissioner Mode.
bool Depth_Chart_Editable(TNUM nTeam);
void Open_Depth_Dialog(TNUM nTeam, int nSide, DepthDialog* pDialog);
// One step up (nSteps -1) or down (+1) among the players of his position:
// the slot he holds now, or NO_PLAYER when there is nobody to pass.
PNUM Move_Depth_Player(DepthDialog* pDialog, PNUM nSlot, int nSteps);
bool Can_Move_Depth_Player(const DepthDialog& dialog, PNUM nSlot, int nSteps);
// A drag onto another player of the same position: he takes that player's
// depth and those in between move one place. His new slot, NO_PLAYER when
// the two are not of one position.
PNUM Move_Depth_Player_To(DepthDialog* pDialog, PNUM nSlot, PNUM nTarget);
// The automatic button: the side's starters chosen and its backups sorted,
// as the computer does it for the side alone. A side without players is left
// empty rather than given a made-up player.
void Auto_Depth_Chart(DepthDialog* pDialog);
void Cancel_Depth_Dialog(DepthDialog* pDialog);

// The returner lists: the eligible players (RB, WR, CB in roster order),
// each as "%s (%s) %s" with the return figures of the period.
struct ReturnerChoice {
    PNUM nSlot;
    std::string szText;
};
std::vector<ReturnerChoice> Returner_Choices(TNUM nTeam, int nKind, int nPeriod);
// Index of the team's returner in the list, -1 when he is not in it.
int Current_Returner_Choice(TNUM nTeam, int nKind, const std::vector<ReturnerChoice>& choices);
void Choose_Depth_Returner(DepthDialog* pDialog, int nKind, int nIndex);
