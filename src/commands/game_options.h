// The Options dialog: the game's switches kept in game-state entries and the
// two machine-wide ones kept in the permanent file.
#pragma once

struct OptionsForm {
    bool bCommissioner;     // GS_COMMISSIONER
    bool bComputerTrades;   // GS_COMPUTER_TRADES
    bool bSound;            // GS_SOUND
    bool bUpdateCheck;      // word 90 of the permanent file
    bool bAutoSave;         // GS_AUTOSAVE
    bool bTextStandings;    // GS_TEXT_STANDINGS, GS_TEXT_AWARDS, GS_TEXT_FINANCES
    bool bTextAwards;
    bool bTextFinances;
    bool bDropRating;       // the user agreed to give up the manager rating
};

void Init_Options_Form(OptionsForm* pForm);
// Checking Commissioner Mode while the rating still counts asks first; the
// box stays clear when the user says no. Returns the box's new state.
bool Set_Commissioner_Option(OptionsForm* pForm, bool bChecked);
// OK: every switch stored; the intro video plays again at the next Welcome.
void Apply_Options_Form(const OptionsForm& form);
