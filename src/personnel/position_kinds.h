// Position families as the ratings and values see them.
#pragma once
#include "database/player.h"

inline bool Is_Known_Position(int nPosition) { return nPosition >= POS_QB && nPosition <= POS_P; }
inline bool Is_Skill_Position(int nPosition) { return nPosition >= POS_QB && nPosition <= POS_WR; }
// Backs and receivers keep their Blocking rating in counter 3.
inline bool Is_Back_Or_Receiver(int nPosition) { return nPosition >= POS_RB && nPosition <= POS_WR; }
inline bool Is_Lineman(int nPosition) { return nPosition >= POS_T && nPosition <= POS_C; }
inline bool Is_Defender(int nPosition) { return nPosition >= POS_DE && nPosition <= POS_S; }
inline int Side_Of_Position(int nPosition) {
    return nPosition <= POS_C ? SIDE_OFFENCE : nPosition <= POS_S ? SIDE_DEFENCE : SIDE_KICKERS;
}
inline int Group_Of_Position(int nPosition) {
    return Is_Skill_Position(nPosition) ? GROUP_SKILL
           : Is_Lineman(nPosition)      ? GROUP_LINE
           : Is_Defender(nPosition)     ? GROUP_DEFENCE
                                        : GROUP_KICKERS;
}
