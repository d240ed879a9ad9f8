#include "personnel/injuries.h"

#include <cstdio>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "finance/medical.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
constexpr int BEST_STAFF_BONUS = 2000;  // the best staff divides the base chance by 3

bool Valid_Injury_Target(TNUM nTeam, PNUM nPlayer, const char* szRoutine) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS || nPlayer < 0 || nPlayer >= PLAYERS_PER_TEAM ||
        !Is_Valid_Player(nTeam, nPlayer)) {
        Error_Log("Invalid player in %s()", szRoutine);
        return false;
    }
    return true;
}

// The first kind whose running sum of squared weights exceeds a draw.
int Draw_Injury_Candidate() {
    int x = Random(INJURY_WEIGHT_TOTAL);
    int nSum = 0;
    for (int nKind = 0; nKind < NUMBER_OF_INJURIES; nKind++) {
        int nWeight = Get_Injury_Kind(nKind).nWeight;
        nSum += nWeight * nWeight;
        if (nSum > x) return nKind;
    }
    return 0;  // not reached while the weights add up to the total
}

int Severity(int nKind) {
    const InjuryKind& kind = Get_Injury_Kind(nKind);
    return kind.nShortest + kind.nLongest;
}
}  // namespace

const char* Get_Injury_Status(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Injured(nTeam, nPlayer)) return "Healthy";
    return Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY));
}

bool Is_Injured(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS) > 0; }

void Get_Injury_Out_Text(TNUM nTeam, PNUM nPlayer, char* szOut) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS);
    if (nWeeks <= 0)
        szOut[0] = 0;
    else if (nWeeks == 1)
        snprintf(szOut, 32, " Out for 1 week");
    else
        snprintf(szOut, 32, " Out for %d weeks", nWeeks);
}

int Injury_Chance(TNUM nTeam) {
    int nTeams = Number_Of_Teams();
    int nRank = Medical_Staff_Rank(nTeam);
    int nBonus = Ratio(BEST_STAFF_BONUS, nTeams - nRank, nTeams);
    return Ratio(25, 2000, nBonus + 1000);
}

int Try_Injury(TNUM nTeam, PNUM nPlayer) {
    if (!Valid_Injury_Target(nTeam, nPlayer, "Try_Injury")) return 0;
    if (Is_Injured(nTeam, nPlayer)) return 0;
    if (Random(1000) >= Injury_Chance(nTeam)) return 0;
    Inflict_Injury(nTeam, nPlayer);
    return 1;
}

int Draw_Injury_Kind(TNUM nTeam, PNUM nPlayer) {
    // An old injury flares up again half of the time.
    int nOld = Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY);
    if (Random(100) < 50 && nOld != NO_INJURY) return nOld;
    int nFirst = Draw_Injury_Candidate();
    int nSecond = Draw_Injury_Candidate();
    if (Severity(nSecond) < Severity(nFirst) && Random(100) < 70) return nSecond;
    return nFirst;
}

void Inflict_Injury(TNUM nTeam, PNUM nPlayer) {
    if (!Valid_Injury_Target(nTeam, nPlayer, "Inflict_Injury")) return;
    int nKind = Draw_Injury_Kind(nTeam, nPlayer);
    const InjuryKind& kind = Get_Injury_Kind(nKind);
    int nWeeks = kind.nShortest + Random(kind.nLongest - kind.nShortest + 1);
    int nLasting = Random(100);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, nKind);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS, nWeeks);

    // The longer the injury, the likelier it leaves a mark.
    if (nLasting < nWeeks) {
        int nDamage = Random(20 * nWeeks);
        Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, -nDamage, nKind / 50);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_DAMAGE, nDamage);
    }

    Check_Injury_Alert(nTeam, nPlayer);
}

void Check_Injury_Alert(TNUM nTeam, PNUM nPlayer) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS);
    if (!Human_Managed(nTeam) || !Injury_Alert_On() ||
        nWeeks - 1 < Injury_Alert_Weeks())
        return;
    Set_Game_State(GS_PENDING_INJURY, Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID));
    // A stop request outside the season loop would linger and cut short the next run.
    if (Get_Game_State(GS_SIMULATING)) Request_Stop();
}

bool Injury_Alert_On() { return Get_Game_State(GS_INJURY_CONTINGENCY) > 0; }

int Injury_Alert_Weeks() {
    int nSetting = Get_Game_State(GS_INJURY_CONTINGENCY);
    if (nSetting == 0) return DEFAULT_INJURY_ALERT_WEEKS;
    return nSetting < 0 ? -nSetting : nSetting;
}

void Set_Injury_Alert(bool bOn, int nWeeks) {
    if (nWeeks < 1) nWeeks = DEFAULT_INJURY_ALERT_WEEKS;
    Set_Game_State(GS_INJURY_CONTINGENCY, bOn ? nWeeks : -nWeeks);
}

void Announce_Injury(TNUM nTeam, PNUM nPlayer) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS);
    if (nWeeks <= 0) return;
    char szName[FULL_NAME_WIDTH];
    Get_Player_Full_Name(nTeam, nPlayer, szName);
    const char* szInjury = Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY));
    Message_Box("Injury", "%s will be injured for %d week%s due to %s %s.", szName, nWeeks, nWeeks > 1 ? "s" : "",
                Is_Vowel(szInjury[0]) ? "an" : "a", szInjury);
}

void Announce_Pending_Injury() {
    int nID = Get_Game_State(GS_PENDING_INJURY);
    if (nID == 0) return;
    TNUM nTeam;
    PNUM nPlayer;
    // He may have been released or retired since; then there is nothing to tell.
    if (Find_Player_ID(nID, &nTeam, &nPlayer)) Announce_Injury(nTeam, nPlayer);
    Set_Game_State(GS_PENDING_INJURY, 0);
}

void Heal_Player_Injury(TNUM nTeam, PNUM nPlayer) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS);
    if (nWeeks >= 2) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS, nWeeks - 1);
    } else if (nWeeks == 1) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS, 0);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_LAST_INJURY, Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY));
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, NO_INJURY);
    }
}

void Heal_Injuries() {
    for (int nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (int nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player((TNUM)nTeam, (PNUM)nPlayer)) Heal_Player_Injury((TNUM)nTeam, (PNUM)nPlayer);
}
