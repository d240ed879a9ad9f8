// The hooks through which a lower layer reaches a higher one, installed in one
// place so that every program and test runs with the same wiring.
#pragma once

// The rating formulas into the season-stat accessor, the season reports into
// the off-season. Idempotent.
void Install_Core_Hooks();
