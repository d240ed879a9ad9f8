// The league-average season of each position: the twenty counting statistics
// a typical player of the position produces. Ratings normalise by it. And the
// baseline season, a star's full season: the unit in which development
// changes a player's Predicted period.
#pragma once

// Counter 0..19 of position 0..13; 0 with a log line for bad arguments.
int League_Average_Season(int nPosition, int nCounter);
int Baseline_Season(int nPosition, int nCounter);
