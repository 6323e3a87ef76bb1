// display's exact bytes as handed to the standard output stream. The capture reads them back in
// text mode, so on Windows too every newline shows as the single 0A that display writes.

#include "display.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string kNewline = "\n";

std::string displayed(const int *values, int count) {
    testing::internal::CaptureStdout();
    display(values, count);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

struct DisplayCase {
    const char *name;
    std::vector<int> values;
    std::string expected; // without the newline
};

class DisplayBytes : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayBytes, WritesEachValueAndTwoSpacesThenNewline) {
    const DisplayCase &c = GetParam();
    EXPECT_EQ(displayed(c.values.data(), static_cast<int>(c.values.size())), c.expected + kNewline);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayBytes,
    ::testing::Values(DisplayCase{"none", {}, ""}, DisplayCase{"one", {7}, "7  "},
                      DisplayCase{"three_and_ten", {3, 10}, "3  10  "},
                      DisplayCase{"several", {0, 999, -5, 42, 100}, "0  999  -5  42  100  "},
                      DisplayCase{"int_extremes", {INT_MIN, INT_MAX}, "-2147483648  2147483647  "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Display, CountBelowOneWritesOnlyTheNewlineAndReadsNothing) {
    for (int count : {0, -1, INT_MIN}) {
        EXPECT_EQ(displayed(nullptr, count), kNewline) << "count " << count;
    }
}

TEST(Display, WritesOnlyTheFirstCountValues) {
    const int values[] = {1, 2, 3, 4};
    EXPECT_EQ(displayed(values, 2), "1  2  " + kNewline);
}

} // namespace
