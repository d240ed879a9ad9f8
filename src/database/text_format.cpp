// Numbers as words, with suffixes, separators and in millions.
#include "database/text_format.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {
const char* const CARDINAL_WORDS[20] = {
    "zero",     "one",     "two",     "three",     "four",     "five",     "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",
};
const char* const CARDINAL_TENS[8] = {"twenty", "thirty",  "forty",  "fifty",
                                      "sixty",  "seventy", "eighty", "ninety"};
const char* const ORDINAL_WORDS[19] = {
    "first",     "second",    "third",       "fourth",     "fifth",      "sixth",      "seventh",
    "eighth",    "ninth",     "tenth",       "eleventh",   "twelfth",    "thirteenth", "fourteenth",
    "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth",
};
const char* const ORDINAL_STEMS[8] = {"twent", "thirt", "fort", "fift", "sixt", "sevent", "eight", "ninet"};
const char* const NUMBER_SUFFIXES[5] = {"th", "st", "nd", "rd", "th"};

// n >= 0.
std::string Cardinal(int n) {
    if (n < 20) return CARDINAL_WORDS[n];
    if (n < 100) {
        std::string szTens = CARDINAL_TENS[n / 10 - 2];
        return n % 10 ? szTens + "-" + CARDINAL_WORDS[n % 10] : szTens;
    }
    if (n < 1000) {
        std::string szHundreds = Cardinal(n / 100) + " hundred";
        return n % 100 ? szHundreds + " and " + Cardinal(n % 100) : szHundreds;
    }
    if (n < 1000000) {
        std::string szThousands = Cardinal(n / 1000) + " thousand";
        int nRest = n % 1000;
        if (nRest == 0) return szThousands;
        return szThousands + (nRest > 99 ? " " : " and ") + Cardinal(nRest);
    }
    if (n < 1000000000) {
        std::string szMillions = Cardinal(n / 1000000) + " million";
        return n % 1000000 ? szMillions + " " + Cardinal(n % 1000000) : szMillions;
    }
    std::string szBillions = Cardinal(n / 1000000000) + " billion";
    return n % 1000000000 ? szBillions + " " + Cardinal(n % 1000000000) : szBillions;
}

// 1..999999.
std::string Ordinal(int n) {
    if (n < 20) return ORDINAL_WORDS[n - 1];
    if (n < 100) {
        std::string szStem = ORDINAL_STEMS[n / 10 - 2];
        return n % 10 ? szStem + "y-" + ORDINAL_WORDS[n % 10 - 1] : szStem + "ieth";
    }
    if (n < 1000) {
        std::string szHundreds = Cardinal(n / 100);
        return n % 100 ? szHundreds + " hundred and " + Ordinal(n % 100) : szHundreds + " hundredth";
    }
    std::string szThousands = Cardinal(n / 1000);
    int nRest = n % 1000;
    if (nRest == 0) return szThousands + " thousandth";
    return szThousands + (nRest > 99 ? " thousand " : " thousand and ") + Ordinal(nRest);
}

// Magnitude of an int, safe for INT_MIN.
long long Magnitude(int n) {
    return n < 0 ? -(long long)n : n;
}
} // namespace

void Format_Text(char* szOut, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szOut, TEXT_SIZE, szFormat, args);
    va_end(args);
}

void Get_Cardinal_Words(int n, char* szOut) {
    if (n < 0) {
        Format_Text(szOut, "Cardinal error: %d", n);
        return;
    }
    Copy_Field(szOut, TEXT_SIZE, Cardinal(n).c_str());
}

void Get_Cardinal_Words_Capitalised(int n, char* szOut) {
    Get_Cardinal_Words(n, szOut);
    Capitalise(szOut);
}

void Get_Ordinal_Words(int n, char* szOut) {
    if (n < 1 || n > 999999) {
        Format_Text(szOut, "Ordinal error: %d", n);
        return;
    }
    Copy_Field(szOut, TEXT_SIZE, Ordinal(n).c_str());
}

void Get_Ordinal_Words_Capitalised(int n, char* szOut) {
    Get_Ordinal_Words(n, szOut);
    Capitalise(szOut);
}

// Only 10..19 themselves take "th"; 111 reads "111st".
void Get_Number_With_Suffix(int n, char* szOut) {
    long long nMagnitude = Magnitude(n);
    int nSuffix = nMagnitude >= 10 && nMagnitude <= 19 ? 0 : (int)(nMagnitude % 10);
    Format_Text(szOut, "%d%s", n, NUMBER_SUFFIXES[nSuffix < 4 ? nSuffix : 4]);
}

void Format_Thousands(int n, char* szOut) {
    char szDigits[24];
    int nDigits = snprintf(szDigits, sizeof szDigits, "%lld", Magnitude(n));
    std::string szText = n < 0 ? "-" : "";
    for (int i = 0; i < nDigits; i++) {
        if (i > 0 && (nDigits - i) % 3 == 0) szText += ',';
        szText += szDigits[i];
    }
    Copy_Field(szOut, TEXT_SIZE, szText.c_str());
}

void Format_Thousandths(int n, char* szOut) {
    // Never negative for a percentage, but a sign is better than ".-05".
    const char* szSign = n < 0 ? "-" : "";
    long long nMagnitude = Magnitude(n);
    if (nMagnitude < 1000)
        Format_Text(szOut, "%s.%03lld", szSign, nMagnitude);
    else
        Format_Text(szOut, "%s%lld.%03lld", szSign, nMagnitude / 1000, nMagnitude % 1000);
}

// One decimal, truncated.
void Format_Millions(int nDollars, char* szOut) {
    long long nMagnitude = Magnitude(nDollars);
    Format_Text(szOut, "%s$%lld.%lldM", nDollars < 0 ? "-" : "", nMagnitude / 1000000,
                nMagnitude % 1000000 / 100000);
}
