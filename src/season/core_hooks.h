// The lower layers reach upward only through hooks; this connects them all.
// Every program (the window, the headless tool, the tests, the benchmarks)
// calls it once before it touches a league.
#pragma once

void Connect_Core_Hooks();
