/* Tests of the info panel's height and weight lines: catalogue values, edges of the
   buffers and values the buffers cannot hold. */
#include "draw/info_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

struct LineCase {
    int value;
    const char *line;
};

static const char UNTOUCHED = 'X';

/* Formats into a buffer pre-filled with junk, so a missing terminator shows. */
template <int Size, typename Format> static void ExpectLine(Format format, const LineCase &c)
{
    SCOPED_TRACE(c.value);
    char line[Size];
    std::memset(line, UNTOUCHED, sizeof line);
    const int length = format(c.value, line);
    ASSERT_NE(std::memchr(line, '\0', sizeof line), (void *)NULL) << "line not terminated";
    EXPECT_STREQ(line, c.line);
    EXPECT_EQ(length, (int)std::strlen(c.line));
}

static void ExpectHeight(const LineCase &c)
{
    ExpectLine<HEIGHT_LINE_SIZE>(FormatHeightLine, c);
}

static void ExpectWeight(const LineCase &c)
{
    ExpectLine<WEIGHT_LINE_SIZE>(FormatWeightLine, c);
}

TEST(HeightLine, WholeCentimetres)
{
    for (const LineCase &c : {
             LineCase{20,  "Wzrost: 20 cm" },
             LineCase{109, "Wzrost: 109 cm"},
             LineCase{541, "Wzrost: 541 cm"},
             LineCase{3,   "Wzrost: 3 cm"  },
             LineCase{0,   "Wzrost: 0 cm"  },
             LineCase{10,  "Wzrost: 10 cm" }
    })
        ExpectHeight(c);
}

TEST(HeightLine, FiveCharactersFillTheBuffer)
{
    for (const LineCase &c : {
             LineCase{99999, "Wzrost: 99999 cm"},
             LineCase{-5,    "Wzrost: -5 cm"   },
             LineCase{-9999, "Wzrost: -9999 cm"}
    })
        ExpectHeight(c);
    EXPECT_EQ(std::strlen("Wzrost: 99999 cm"), (size_t)(HEIGHT_LINE_SIZE - 1));
}

TEST(HeightLine, TooWideShowsQuestionMark)
{
    for (const LineCase &c : {
             LineCase{100000,  "Wzrost: ? cm"},
             LineCase{-10000,  "Wzrost: ? cm"},
             LineCase{INT_MAX, "Wzrost: ? cm"},
             LineCase{INT_MIN, "Wzrost: ? cm"}
    })
        ExpectHeight(c);
}

TEST(WeightLine, TenthsWithDecimalComma)
{
    for (const LineCase &c : {
             LineCase{102,    "Masa: 10,2 kg"   },
             LineCase{3100,   "Masa: 310,0 kg"  },
             LineCase{7500,   "Masa: 750,0 kg"  },
             LineCase{125,    "Masa: 12,5 kg"   },
             LineCase{99999,  "Masa: 9999,9 kg" },
             LineCase{100000, "Masa: 10000,0 kg"}
    })
        ExpectWeight(c);
}

TEST(WeightLine, BelowOneKilogramKeepsLeadingZero)
{
    for (const LineCase &c : {
             LineCase{3,  "Masa: 0,3 kg"},
             LineCase{6,  "Masa: 0,6 kg"},
             LineCase{9,  "Masa: 0,9 kg"},
             LineCase{0,  "Masa: 0,0 kg"},
             LineCase{10, "Masa: 1,0 kg"},
             LineCase{11, "Masa: 1,1 kg"}
    })
        ExpectWeight(c);
}

TEST(WeightLine, NegativeWeightSignsTheWholeValue)
{
    for (const LineCase &c : {
             LineCase{-6,   "Masa: -0,6 kg" },
             LineCase{-10,  "Masa: -1,0 kg" },
             LineCase{-102, "Masa: -10,2 kg"}
    })
        ExpectWeight(c);
}

TEST(WeightLine, TenCharactersFillTheBuffer)
{
    for (const LineCase &c : {
             LineCase{999999999, "Masa: 99999999,9 kg"},
             LineCase{-99999999, "Masa: -9999999,9 kg"}
    })
        ExpectWeight(c);
    EXPECT_EQ(std::strlen("Masa: 99999999,9 kg"), (size_t)(WEIGHT_LINE_SIZE - 1));
}

TEST(WeightLine, TooWideShowsQuestionMark)
{
    for (const LineCase &c : {
             LineCase{1000000000, "Masa: ? kg"},
             LineCase{-100000000, "Masa: ? kg"},
             LineCase{INT_MAX,    "Masa: ? kg"},
             LineCase{INT_MIN,    "Masa: ? kg"}
    })
        ExpectWeight(c);
}
