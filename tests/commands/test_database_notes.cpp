// The notes editor's limit: an edit past it keeps only what fits, in whole
// characters, wherever in the text it was made.
#include <gtest/gtest.h>

#include <string>

#include "commands/database_notes.h"

namespace {
std::string Filled(size_t nBytes) { return std::string(nBytes, 'a'); }

bool Whole_Utf8(const std::string& sz) {
    for (size_t i = 0; i < sz.size();) {
        unsigned char c = (unsigned char)sz[i];
        size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > sz.size()) return false;
        for (size_t k = 1; k < n; k++)
            if (((unsigned char)sz[i + k] & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}
}  // namespace

TEST(NotesLimit, EditsWithinTheLimitStand) {
    size_t nCursor = 99;
    std::string szAfter = Filled(MAXIMUM_NOTES_LENGTH - 1) + "b";
    EXPECT_EQ(Limit_Notes_Edit(Filled(MAXIMUM_NOTES_LENGTH - 1), szAfter, &nCursor), szAfter);
    EXPECT_EQ(nCursor, (size_t)MAXIMUM_NOTES_LENGTH);
    EXPECT_EQ(Limit_Notes_Edit("abc", "", &nCursor), "");
}

TEST(NotesLimit, TypingAtTheLimitChangesNothing) {
    std::string szFull = Filled(MAXIMUM_NOTES_LENGTH);
    size_t nCursor = 0;
    EXPECT_EQ(Limit_Notes_Edit(szFull, szFull + "x", &nCursor), szFull);
    // In the middle: the text around the cursor is kept, not the end cut.
    std::string szMixed = Filled(200) + "Z" + Filled(MAXIMUM_NOTES_LENGTH - 201);
    std::string szTyped = szMixed.substr(0, 100) + "q" + szMixed.substr(100);
    EXPECT_EQ(Limit_Notes_Edit(szMixed, szTyped, &nCursor), szMixed);
    EXPECT_EQ(nCursor, 100u);
}

TEST(NotesLimit, APasteKeepsWhatFitsAndTheTextAfterIt) {
    std::string szBefore = "head|" + Filled(MAXIMUM_NOTES_LENGTH - 20) + "|tail";  // room for ten
    std::string szPaste = "0123456789ABCDEF";
    std::string szAfter = szBefore.substr(0, 5) + szPaste + szBefore.substr(5);
    size_t nCursor = 0;
    std::string szKept = Limit_Notes_Edit(szBefore, szAfter, &nCursor);
    EXPECT_EQ(szKept.size(), (size_t)MAXIMUM_NOTES_LENGTH);
    EXPECT_EQ(szKept.substr(0, 15), "head|0123456789");
    EXPECT_EQ(szKept.substr(szKept.size() - 5), "|tail");
    EXPECT_EQ(nCursor, 15u);
}

TEST(NotesLimit, NeverKeepsPartOfACharacter) {
    // Two-, three- and four-byte characters pasted across the limit at every offset.
    for (const std::string szChar : {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8F\x88"}) {
        for (size_t nFree = 0; nFree < 8; nFree++) {
            std::string szBefore = Filled(MAXIMUM_NOTES_LENGTH - nFree);
            std::string szAfter = szChar + szChar + szChar + szBefore;
            size_t nCursor = 0;
            std::string szKept = Limit_Notes_Edit(szBefore, szAfter, &nCursor);
            EXPECT_LE(szKept.size(), (size_t)MAXIMUM_NOTES_LENGTH);
            EXPECT_TRUE(Whole_Utf8(szKept)) << nFree;
            EXPECT_EQ(nCursor, nFree / szChar.size() * szChar.size()) << nFree;
            EXPECT_EQ(szKept.substr(nCursor), szBefore);
        }
    }
    // Replacing one accented letter by another shares the lead byte: no half is kept.
    std::string szFull = Filled(MAXIMUM_NOTES_LENGTH - 2) + "\xC3\xA9";
    std::string szKept = Limit_Notes_Edit(szFull, Filled(MAXIMUM_NOTES_LENGTH - 2) + "\xC3\xA8x");
    EXPECT_TRUE(Whole_Utf8(szKept));
    EXPECT_LE(szKept.size(), (size_t)MAXIMUM_NOTES_LENGTH);
}

TEST(NotesLimit, ATextTooLongAlreadyIsCutAtTheEnd) {
    std::string szLong = Filled(MAXIMUM_NOTES_LENGTH - 1) + "\xE2\x82\xAC" + "tail";
    std::string szKept = Limit_Notes_Edit(szLong, szLong + "!");
    EXPECT_EQ(szKept, Filled(MAXIMUM_NOTES_LENGTH - 1));
}
