#include <gtest/gtest.h>

#include <limits>

#include "StoredNumber.h"

using zarvel::RoundedInRange;
using zarvel::StoredNumber;

TEST(StoredNumber, ReadsTheLeadingNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> cases[] = {
        {" 5000 ", 5000}, {"1 2", 12}, {"\t1\r\n0 0\n0", 1000}, {"- 1 0", -10}, {"+7", 7}, {"12abc", 12},
        {"3,5", 3}, {".5", 0.5}, {"5.", 5}, {"1.2.3", 1.2}, {"1E+3", 1000}, {"2.5e-1", 0.25}, {"1 e 2", 100},
        {"7e", 7}, {"7e+", 7}, {"7ex", 7},  // an exponent letter without digits ends the number
        {"", 0}, {"-", 0}, {".", 0}, {"-.", 0}, {"--3", 0}, {"e5", 0}, {"(None)", 0},
        {"&HFF", 255}, {"&hff", 255}, {"&HFFFF", 65535}, {"&HFFFF80", 16777088}, {" & H 1 0 ", 16},
        {"&H1G", 1}, {"&H", 0}, {"&", 0}, {"-&H10", 0},
        {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0}, {"1e99999999999999999999999", inf},
        {"0." + std::string(400, '0') + "1", 0}, {"1" + std::string(400, '0'), inf},
        {"1" + std::string(400, '0') + "e-395", 1e5},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(StoredNumber(text), expected) << '"' << text << '"';
}

TEST(RoundedInRange, HalvesGoToTheEvenNeighbourAndMisfitsGiveNothing) {
    EXPECT_EQ(RoundedInRange(0.5, 0, 255), 0);
    EXPECT_EQ(RoundedInRange(1.5, 0, 255), 2);
    EXPECT_EQ(RoundedInRange(2.5, 0, 255), 2);
    EXPECT_EQ(RoundedInRange(2.51, 0, 255), 3);
    EXPECT_EQ(RoundedInRange(-2.5, -10, 10), -2);
    EXPECT_EQ(RoundedInRange(-0.5, 0, 255), 0);
    EXPECT_EQ(RoundedInRange(32767.4, -32768, 32767), 32767);
    EXPECT_EQ(RoundedInRange(-32768, -32768, 32767), -32768);
    EXPECT_FALSE(RoundedInRange(32767.5, -32768, 32767));  // rounds to 32768
    EXPECT_FALSE(RoundedInRange(-0.6, 0, 255));
    EXPECT_FALSE(RoundedInRange(255.5, 0, 255));
    EXPECT_FALSE(RoundedInRange(1e300, -32768, 32767));
    EXPECT_FALSE(RoundedInRange(std::numeric_limits<double>::infinity(), -32768, 32767));
    EXPECT_FALSE(RoundedInRange(std::numeric_limits<double>::quiet_NaN(), -32768, 32767));
}
