#include "personnel/development_shift.h"

void Random_Development_Shift() {}
