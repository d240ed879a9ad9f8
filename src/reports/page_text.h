// Number texts the statistics pages share.
#pragma once

// n / nScale with nDigits decimals and the suffix: (-13, 10, 1, "") gives "-1.3",
// (652, 10, 1, "%") "65.2%". szOut holds TEXT_SIZE.
void Format_Decimal(int n, int nScale, int nDigits, const char* szSuffix, char* szOut);
