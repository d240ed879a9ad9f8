#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "database/random.h"
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
