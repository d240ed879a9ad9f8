#include "database/new_game.h"

bool Open_New_Game_Page(NewGameForm*) { return false; }
std::vector<std::string> New_Game_Team_List() { return {}; }
void Choose_New_Game_Team(NewGameForm* pForm, TNUM nTeam) { pForm->nTeam = nTeam; }
void Set_New_Game_Option(NewGameForm* pForm, int nOption, bool bChecked) { pForm->abOption[nOption] = bChecked; }
bool New_Game_Option_Available(int) { return false; }
bool Play_New_Game(const NewGameForm&) { return false; }
