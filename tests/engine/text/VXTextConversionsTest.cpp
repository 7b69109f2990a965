#include "engine/text/VXTextConversions.h"

#include <gtest/gtest.h>

TEST(VXTextConversions, ParseReadsTheLeadingNumberOrGivesZero)
{
    EXPECT_EQ(parseInt("12abc"), 12);
    EXPECT_EQ(parseInt(" -3"), -3);
    EXPECT_FLOAT_EQ(parseFloat(" 2.5"), 2.5f);
    EXPECT_FLOAT_EQ(parseFloat("1e3"), 1000.0f);
    for (const char* text : {"", "x", "-", "loop_count", "\xc8"}) {
        EXPECT_EQ(parseInt(text), 0) << text;
        EXPECT_EQ(parseFloat(text), 0.0f) << text;
    }
}

TEST(VXTextConversions, ToStringUsesDefaultFormatting)
{
    EXPECT_EQ(floatToString(0.5f), "0.5");
    EXPECT_EQ(floatToString(100.0f), "100");
    EXPECT_EQ(floatToString(1234567.0f), "1.23457e+06");
    EXPECT_EQ(intToString(-7), "-7");
}
