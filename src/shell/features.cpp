// The one place where the window learns about the features built so far:
// dialogs (Register_Dialog), pages (Register_Page) and commands
// (Register_Command_Handler). A menu item comes alive once its feature is here.
#include "shell/dialogs.h"

void Register_Features() { Register_Built_In_Dialogs(); }
