#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "base/random.h"
#include "test_support.h"

namespace {
std::map<std::string, std::vector<uint32_t>> Read_Vectors() {
    std::map<std::string, std::vector<uint32_t>> vectors;
    std::ifstream file(Test_Data("mt19937/mt19937.tsv"));
    std::string szLine;
    std::getline(file, szLine);  // column names
    while (std::getline(file, szLine)) {
        std::istringstream fields(szLine);
        std::string szSeed;
        size_t nIndex;
        uint32_t nValue;
        fields >> szSeed >> nIndex >> nValue;
        auto& values = vectors[szSeed];
        EXPECT_EQ(values.size(), nIndex);
        values.push_back(nValue);
    }
    return vectors;
}
}  // namespace

TEST(Random, MatchesReferenceOutputs) {
    auto vectors = Read_Vectors();
    ASSERT_EQ(vectors.size(), 5u);
    for (const auto& [szSeed, values] : vectors) {
        if (szSeed == "unseeded")
            Random_Forget_Seed();
        else
            Seed_Random((uint32_t)std::stoul(szSeed));
        for (size_t i = 0; i < values.size(); i++) ASSERT_EQ(Random_Next(), values[i]) << szSeed << " #" << i;
    }
}

TEST(Random, RangeOfDraws) {
    Seed_Random(12345);
    for (int i = 0; i < 10000; i++) {
        EXPECT_EQ(Random(1), 0);
        int n = Random(7);
        EXPECT_GE(n, 0);
        EXPECT_LT(n, 7);
    }
    EXPECT_EQ(Random(0), 0);
}

TEST(Random, DrawUsesTheWholeWordScaledDown) {
    // rand(n) = trunc(next x (2^-32 + 2^-64) x n): the same first word decides it.
    Seed_Random(4357);
    uint32_t nWord = Random_Next();
    Seed_Random(4357);
    long double u = (long double)nWord * (1.0L / 4294967296.0L + 1.0L / 18446744073709551616.0L);
    EXPECT_EQ(Random(1000), (int)(u * 1000));
}

TEST(Random, PerturbStaysInItsBounds) {
    Seed_Random(99);
    EXPECT_EQ(Perturb(1234, 500, 0), 1234);
    for (int i = 0; i < 2000; i++) {
        int n = Perturb(1000, 500, 2);
        EXPECT_GE(n, 250);
        EXPECT_LE(n, 2247);
    }
}

TEST(Arithmetic, RatioRoundsHalfUpAndTruncatesNegatives) {
    EXPECT_EQ(Ratio(1000, 2, 3), 667);
    EXPECT_EQ(Ratio(5, 5, 0), 0);
    EXPECT_EQ(Ratio(100, 300, 30), 1000);
    EXPECT_EQ(Ratio(1, -7, 2), -3);
    EXPECT_EQ(Ratio(2000000000, 3, 1000), 6000000);  // product beyond 32 bits
}

TEST(Arithmetic, ClampRoundRootAndSteps) {
    EXPECT_EQ(Clamp(0, 2500, 2375), 2375);
    EXPECT_EQ(Clamp(50, 30, 100), 50);
    EXPECT_EQ(Clamp(100, 5, 50), 100);  // lo wins
    EXPECT_EQ(Round_To(1234, 100), 1200);
    EXPECT_EQ(Round_To(1250, 100), 1300);
    EXPECT_EQ(Round_To(77, 0), 77);
    EXPECT_EQ(Root(-16), 4);
    EXPECT_EQ(Root(2), 1);
    EXPECT_EQ(Step50_Index(1000), 7);
    EXPECT_EQ(Step50_Value(7), 1000);
    EXPECT_EQ(Step50_Index(2000), 12);
    EXPECT_EQ(Step100_Index(1000), 2);
    EXPECT_EQ(Step100_Value(4), 1200);
}

// The integer scaling must give what the extended-precision product gives,
// rounding of the last mantissa bit included.
TEST(Random, ScaledDrawMatchesExtendedPrecision) {
    static const long double SCALE = 1.0L / 4294967296.0L + 1.0L / 18446744073709551616.0L;
    auto Reference = [](uint32_t y, int64_t n) { return (int64_t)((long double)y * SCALE * (long double)n); };
    const uint32_t EDGE_WORDS[] = {0, 1, 2, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu, 0xAAAAAAABu};
    const int64_t EDGE_RANGES[] = {1, 2, 3, 7, 100, 1000, 65535, 65536, 0x7FFFFFFF, 0xFFFFFFFFLL, 3000000000LL};
    for (uint32_t y : EDGE_WORDS)
        for (int64_t n : EDGE_RANGES) EXPECT_EQ(Scale_Draw(y, n), Reference(y, n)) << y << " x " << n;
    Seed_Random(2024);
    for (int i = 0; i < 2000000; i++) {
        uint32_t y = Random_Next();
        int64_t n = (int64_t)(Random_Next() >> (Random_Next() & 31)) + 1;
        ASSERT_EQ(Scale_Draw(y, n), Reference(y, n)) << y << " x " << n;
    }
    EXPECT_EQ(Scale_Draw(12345, 0), 0);
    EXPECT_EQ(Scale_Draw(0xFFFFFFFFu, -10), Reference(0xFFFFFFFFu, -10));
}
