// The season an average regular produces at each position. The offensive
// line ratings measure a lineman against it.
#pragma once

// Counter nCounter (0..19) of the average season at nPosition (0..13).
int League_Average_Season(int nPosition, int nCounter);
