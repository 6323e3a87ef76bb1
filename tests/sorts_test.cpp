// Both sorts against a table of hand-picked cases and against std::sort on random data, always
// inside a buffer with guard elements, so that a write outside the range, or a guard wrongly
// taken into it, shows.

#include "sorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Sorter = void (*)(int *values, int low, int high);

// Sorts values[low .. high] with one of the two routines, in their own calling forms.
void insert_range(int *values, int low, int high) {
    Insert_a(values + low, high - low + 1);
}

void quick_range(int *values, int low, int high) {
    QuickSort(values, low, high);
}

struct Algorithm {
    const char *name;
    Sorter sort;
};

const Algorithm kAlgorithms[] = {{"Insert_a", insert_range}, {"QuickSort", quick_range}};

// A guard that a sort wrongly took into its range would sort to the far end: the largest value
// stands on the left, the smallest on the right.
constexpr int kLeftGuard = INT_MAX;
constexpr int kRightGuard = INT_MIN;
constexpr int kGuardCount = 4;

// Sorts data[low .. high] inside guards and checks the range against std::sort and everything
// else against its value before.
void expect_sorts_range(const Algorithm &algorithm, const std::vector<int> &data, int low,
                        int high) {
    std::vector<int> buffer(kGuardCount, kLeftGuard);
    buffer.insert(buffer.end(), data.begin(), data.end());
    buffer.insert(buffer.end(), kGuardCount, kRightGuard);

    std::vector<int> expected = buffer;
    std::sort(expected.begin() + (kGuardCount + low), expected.begin() + (kGuardCount + high + 1));

    algorithm.sort(buffer.data() + kGuardCount, low, high);
    EXPECT_EQ(buffer, expected) << algorithm.name << " on [" << low << ", " << high << "] of "
                                << data.size() << " elements";
}

struct TableCase {
    const char *name;
    std::vector<int> input;
};

const TableCase kTable[] = {
    {"empty", {}},
    {"one", {42}},
    {"two_out_of_order", {2, 1}},
    {"two_in_order", {1, 2}},
    {"two_equal", {7, 7}},
    {"three_rotated", {2, 3, 1}},
    {"all_equal", {5, 5, 5, 5, 5, 5, 5}},
    {"ascending", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"descending", {9, 8, 7, 6, 5, 4, 3, 2, 1}},
    {"negatives_below_zero", {3, -1, 0, -7, 2, -1}},
    {"int_extremes", {INT_MAX, 0, INT_MIN, -1, INT_MAX, INT_MIN, 1}},
    {"pivot_is_minimum", {0, 5, 3, 9, 1}},
    {"pivot_is_maximum", {9, 5, 3, 0, 1}},
    {"pivot_repeated_on_both_sides", {4, 4, 1, 4, 7, 4, 0, 4}},
    {"organ_pipe", {1, 3, 5, 7, 6, 4, 2, 0}},
    {"sawtooth_with_duplicates",
     {5, 4, 3, 2, 1, 0, 5, 4, 3, 2, 1, 0, 5, 4, 3, 2, 1, 0, 999, 0, 999, 0, 999, 998}},
};

class SortTable : public ::testing::TestWithParam<std::tuple<Algorithm, TableCase>> {};

TEST_P(SortTable, SortsWholeArrayAndTouchesNothingElse) {
    const auto &[algorithm, table_case] = GetParam();
    int n = static_cast<int>(table_case.input.size());
    expect_sorts_range(algorithm, table_case.input, 0, n - 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortTable,
                         ::testing::Combine(::testing::ValuesIn(kAlgorithms),
                                            ::testing::ValuesIn(kTable)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

TEST(SortRange, SortsOnlyTheGivenSubRange) {
    const std::vector<int> data = {9, 8, 7, 6, 5, 4, 3, 2};
    for (const Algorithm &algorithm : kAlgorithms) {
        std::vector<int> values = data;
        algorithm.sort(values.data(), 2, 5);
        EXPECT_EQ(values, (std::vector<int>{9, 8, 4, 5, 6, 7, 3, 2})) << algorithm.name;
    }
}

// A null array shows that a call which must not touch the array does not: any access faults.
TEST(SortNothing, InsertionSortDoesNotReadWithFewerThanTwoElements) {
    for (int count : {1, 0, -1, -100, INT_MIN}) {
        Insert_a(nullptr, count);
    }
}

TEST(SortNothing, QuickSortDoesNotReadAnEmptyOrOneElementRange) {
    QuickSort(nullptr, 0, -1);
    QuickSort(nullptr, 0, 0);
    QuickSort(nullptr, 5, 5);
    QuickSort(nullptr, 7, 3);
    QuickSort(nullptr, INT_MAX, INT_MIN);
}

// Shapes that stress the two scans differently: random data over narrow and full ranges, runs of
// equal values, and already ordered data in both directions.
enum class Shape { Uniform, Ascending, Descending, FewDistinct };

std::vector<int> make_data(std::mt19937 &random, int n, Shape shape, int min_value, int max_value) {
    std::uniform_int_distribution<int> value(min_value, max_value);
    std::vector<int> data(static_cast<std::size_t>(n));
    std::generate(data.begin(), data.end(), [&] { return value(random); });
    switch (shape) {
    case Shape::Uniform:
        break;
    case Shape::Ascending:
        std::sort(data.begin(), data.end());
        break;
    case Shape::Descending:
        std::sort(data.rbegin(), data.rend());
        break;
    case Shape::FewDistinct:
        std::transform(data.begin(), data.end(), data.begin(), [&](int x) {
            return min_value + static_cast<int>(static_cast<unsigned>(x) % 3U);
        });
        break;
    }
    return data;
}

struct ValueRange {
    int min;
    int max;
};

const ValueRange kValueRanges[] = {
    {0, 999}, {-3, 3}, {0, 0}, {INT_MIN, INT_MAX}, {INT_MIN, INT_MIN + 1}};

TEST(SortProperty, MatchesStdSortOnRandomWholeArrays) {
    std::mt19937 random(20261211);
    for (const Algorithm &algorithm : kAlgorithms) {
        for (const ValueRange &range : kValueRanges) {
            for (Shape shape :
                 {Shape::Uniform, Shape::Ascending, Shape::Descending, Shape::FewDistinct}) {
                for (int n = 0; n <= 130; n += (n < 20 ? 1 : 11)) {
                    std::vector<int> data = make_data(random, n, shape, range.min, range.max);
                    SCOPED_TRACE(testing::Message()
                                 << "shape " << static_cast<int>(shape) << ", values " << range.min
                                 << " .. " << range.max);
                    expect_sorts_range(algorithm, data, 0, n - 1);
                }
            }
        }
    }
}

TEST(SortProperty, MatchesStdSortOnRandomSubRanges) {
    std::mt19937 random(42);
    for (const Algorithm &algorithm : kAlgorithms) {
        for (int round = 0; round < 2000; round++) {
            const ValueRange &range = kValueRanges[round % std::size(kValueRanges)];
            int n = std::uniform_int_distribution<int>(1, 200)(random);
            std::vector<int> data = make_data(random, n, Shape::Uniform, range.min, range.max);
            int low = std::uniform_int_distribution<int>(0, n - 1)(random);
            // high may fall one below low: the empty range.
            int high = std::uniform_int_distribution<int>(low - 1, n - 1)(random);
            expect_sorts_range(algorithm, data, low, high);
        }
    }
}

TEST(SortProperty, LargeRandomArray) {
    std::mt19937 random(7);
    std::vector<int> data = make_data(random, 20000, Shape::Uniform, INT_MIN, INT_MAX);
    for (const Algorithm &algorithm : kAlgorithms) {
        expect_sorts_range(algorithm, data, 0, static_cast<int>(data.size()) - 1);
    }
}

} // namespace
