// A summary of the league just built: its shape, for whoever changes the tables.
#pragma once
#include <cstdio>

void Print_Universe_Report(FILE* pOut);
