#include "commands/game_options.h"

#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "platform/platform.h"

void Init_Options_Form(OptionsForm* pForm) {
    pForm->bCommissioner = Get_Game_State(GS_COMMISSIONER) != 0;
    pForm->bComputerTrades = Get_Game_State(GS_COMPUTER_TRADES) != 0;
    pForm->bSound = Get_Game_State(GS_SOUND) != 0;
    pForm->bUpdateCheck = Get_Fame_Setting(FS_UPDATE_SWITCH) != FS_NO_UPDATE_CHECK;
    pForm->bAutoSave = Get_Game_State(GS_AUTOSAVE) != 0;
    pForm->bTextStandings = Get_Game_State(GS_TEXT_STANDINGS) != 0;
    pForm->bTextAwards = Get_Game_State(GS_TEXT_AWARDS) != 0;
    pForm->bTextFinances = Get_Game_State(GS_TEXT_FINANCES) != 0;
    pForm->bDropRating = false;
}

bool Set_Commissioner_Option(OptionsForm* pForm, bool bChecked) {
    if (bChecked && !pForm->bCommissioner && Get_Game_State(GS_RATING_VALID) && !pForm->bDropRating) {
        if (Ask_Yes_No("Commissioner Mode", "This will invalidate your Vantor Rating. Continue?") != ANSWER_YES)
            bChecked = false;
        else
            pForm->bDropRating = true;
    }
    pForm->bCommissioner = bChecked;
    return bChecked;
}

// The rating is given up only when the dialog is confirmed: Cancel changes nothing.
void Apply_Options_Form(const OptionsForm& form) {
    if (form.bCommissioner && form.bDropRating) Set_Game_State(GS_RATING_VALID, 0);
    Set_Game_State(GS_COMMISSIONER, form.bCommissioner);
    Set_Game_State(GS_COMPUTER_TRADES, form.bComputerTrades);
    Set_Game_State(GS_SOUND, form.bSound);
    Set_Game_State(GS_AUTOSAVE, form.bAutoSave);
    Set_Game_State(GS_TEXT_STANDINGS, form.bTextStandings);
    Set_Game_State(GS_TEXT_AWARDS, form.bTextAwards);
    Set_Game_State(GS_TEXT_FINANCES, form.bTextFinances);
    const int anWords[2] = {FS_UPDATE_SWITCH, FS_SKIP_INTRO};
    const int anValues[2] = {form.bUpdateCheck ? 0 : FS_NO_UPDATE_CHECK, 0};
    Set_Fame_Settings(anWords, anValues, 2);
}
