#include "reports/page_text.h"

#include <cstdlib>

#include "database/text_format.h"

void Format_Decimal(int n, int nScale, int nDigits, const char* szSuffix, char* szOut) {
    int nMagnitude = abs(n);
    Format_Text(szOut, "%s%d.%0*d%s", n < 0 ? "-" : "", nMagnitude / nScale, nDigits, nMagnitude % nScale,
                szSuffix);
}
