// The hooks through which a lower layer reaches a higher one, installed in one
// place so that every program and test runs with the same wiring. Start-up and
// the after-load routine call it; so do the tools and the tests.
#pragma once

// The ratings into the season-stat accessor, game results and trade values
// into the money code, the season reports into the off-season, the game
// records' team codes into the team order, the standings'
// elimination into the roster review. Idempotent.
void Install_Core_Hooks();
