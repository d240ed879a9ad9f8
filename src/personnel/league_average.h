// Two reference seasons per position, as Predicted-period counters:
// the league-average season (an ordinary starter, used to normalise the
// offensive-line ratings) and the baseline season (a star's full season,
// the unit in which development changes a player).
#pragma once

// nPosition 0..13, nCounter 0..19; anything else logs and gives 0.
int League_Average_Season(int nPosition, int nCounter);
int Baseline_Season(int nPosition, int nCounter);
