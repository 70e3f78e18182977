#include "bench/BenchStats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

using bench::Compare;
using bench::Comparison;

TEST(BenchStats, MedianAndQuartilesOfUnsortedSamples) {
    EXPECT_DOUBLE_EQ(3.0, bench::Median({5.0, 1.0, 3.0}));
    EXPECT_DOUBLE_EQ(2.5, bench::Median({4.0, 1.0, 3.0, 2.0}));  // between the middle two
    EXPECT_DOUBLE_EQ(7.0, bench::Median({7.0}));
    EXPECT_TRUE(std::isnan(bench::Median({})));
    const std::vector<double> samples = {9, 1, 8, 2, 7, 3, 6, 4, 5};  // 1 .. 9
    EXPECT_DOUBLE_EQ(3.0, bench::Quantile(samples, 0.25));
    EXPECT_DOUBLE_EQ(7.0, bench::Quantile(samples, 0.75));
    EXPECT_DOUBLE_EQ(1.0, bench::Quantile(samples, -1.0));  // clamped to the extremes
    EXPECT_DOUBLE_EQ(9.0, bench::Quantile(samples, 2.0));
    // One wild round does not move the median: that is why it is the figure.
    EXPECT_DOUBLE_EQ(5.0, bench::Median({5, 5, 5, 5, 5000}));
}

TEST(BenchStats, RatioOfMediansAgainstTheTarget) {
    const Comparison c = Compare("keystroke", "panel", "bare", {30, 31, 29}, {20, 19, 21}, 1.5);
    EXPECT_DOUBLE_EQ(1.5, c.Ratio());
    EXPECT_TRUE(c.Met());  // equal to the target meets it
    EXPECT_EQ(3u, c.subject.count);
    EXPECT_FALSE(Compare("k", "", "", {31, 31, 31}, {20, 20, 20}, 1.5).Met());
}

TEST(BenchStats, AFigureThatCouldNotBeMeasuredIsAMiss) {
    EXPECT_FALSE(Compare("none", "", "", {}, {1.0}, 2.0).Met());
    EXPECT_FALSE(Compare("no baseline", "", "", {1.0}, {}, 2.0).Met());
    EXPECT_FALSE(Compare("zero baseline", "", "", {1.0}, {0.0}, 2.0).Met());
    EXPECT_FALSE(Compare("no target", "", "", {1.0}, {1.0}, NAN).Met());
}

TEST(BenchStats, InterleavingGivesEverySideEveryPlace) {
    for (int sides = 1; sides <= 3; ++sides) {
        for (int start = 0; start < 5; ++start) {
            std::vector<std::set<int>> placesOf(sides);
            for (int round = start; round < start + sides; ++round) {
                std::set<int> inRound;
                for (int place = 0; place < sides; ++place) {
                    const int side = bench::SideAt(round, place, sides);
                    inRound.insert(side);
                    placesOf[side].insert(place);
                }
                EXPECT_EQ(static_cast<size_t>(sides), inRound.size());  // each side once a round
            }
            for (const std::set<int>& places : placesOf)
                EXPECT_EQ(static_cast<size_t>(sides), places.size());
        }
    }
}

TEST(BenchStats, JsonOfAComparison) {
    EXPECT_EQ("\"a \\\"b\\\" \\\\ c\\n\\u0001\"", bench::JsonString("a \"b\" \\ c\n\x01"));
    EXPECT_EQ("null", bench::JsonNumber(NAN));
    EXPECT_EQ("null", bench::JsonNumber(INFINITY));
    EXPECT_EQ("1.5", bench::JsonNumber(1.5));

    const std::string json =
        bench::ToJson(Compare("spin \"step\"", "s", "b", {3, 3}, {2, 2}, 1.3), "us");
    EXPECT_NE(std::string::npos, json.find("\"name\": \"spin \\\"step\\\"\""));
    EXPECT_NE(std::string::npos, json.find("\"ratio\": 1.5"));
    EXPECT_NE(std::string::npos, json.find("\"met\": false"));
    EXPECT_NE(std::string::npos, json.find("\"rounds\": 2"));
    EXPECT_NE(std::string::npos, json.find("\"subject_quartiles\": [3, 3]"));
    EXPECT_NE(std::string::npos,
              bench::ToJson(Compare("x", "", "", {}, {}, 1), "us").find("\"ratio\": null"));
}
