// Checks one finished run of quicksort-and-insert, byte for byte.
// Usage: report_check [gtest flags] STDOUT_FILE STDERR_FILE EXIT_STATUS
// The suite Report checks a run whose report could be written, WriteFailure one whose could not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Run {
    std::string out;
    std::string err;
    int status = -1;
    std::vector<int> host_rand; // the first 100 values of rand() % 1000 in this process
};

Run &run() {
    static Run r;
    return r;
}

std::string read_file(const char *path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32
const std::string kNewline = "\r\n"; // msvcrt's text mode writes each 0A as 0D 0A
#else
const std::string kNewline = "\n";
#endif

// The report's lines without their newlines; fails unless every line ends in the platform's
// newline and no stray carriage return or line feed stands anywhere else.
std::vector<std::string> report_lines(const std::string &out) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find(kNewline, start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the report does not end in a newline";
            break;
        }
        lines.push_back(out.substr(start, end - start));
        start = end + kNewline.size();
    }
    for (const std::string &line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line-end byte";
    }
    return lines;
}

// The values of a listing line, which must be exactly "%d  " for each of them.
std::vector<int> listing_values(const std::string &line) {
    std::vector<int> values;
    std::string rebuilt;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t used = 0;
        values.push_back(std::stoi(line.substr(pos), &used));
        pos += used + 2;
        rebuilt += std::to_string(values.back()) + "  ";
    }
    EXPECT_EQ(rebuilt, line) << "listing line is not a run of \"%d  \"";
    return values;
}

// What this platform's rand() gives from its default state: this checker never seeds it either.
std::vector<int> host_rand_data() {
    std::vector<int> data;
    data.reserve(100);
    for (int i = 0; i < 100; i++) {
        data.push_back(std::rand() % 1000);
    }
    return data;
}

// GBK bytes of the headings and of the running-time lines before their figure.
const std::string kBefore = "\xC5\xC5\xD0\xF2\xC7\xB0\xB5\xC4\xCA\xFD\xD7\xE9\x3A";
const std::string kAfterInsert =
    "\xB2\xE5\xC8\xEB\xC5\xC5\xD0\xF2\xBA\xF3\xB5\xC4\xCA\xFD\xD7\xE9\x3A";
const std::string kInsertTime =
    "\xB2\xE5\xC8\xEB\xC5\xC5\xD0\xF2\xD4\xCB\xD0\xD0\xCA\xB1\xBC\xE4\xA3\xBA";
const std::string kAfterQuick =
    "\xBF\xEC\xCB\xD9\xC5\xC5\xD0\xF2\xBA\xF3\xB5\xC4\xCA\xFD\xD7\xE9\x3A";
const std::string kQuickTime =
    "\xBF\xEC\xCB\xD9\xC5\xC5\xD0\xF2\xD4\xCB\xD0\xD0\xCA\xB1\xBC\xE4\xA3\xBA";

class Report : public ::testing::Test {
  protected:
    void SetUp() override {
        lines = report_lines(run().out);
        ASSERT_EQ(lines.size(), 8U) << run().out;
    }
    std::vector<std::string> lines;
};

TEST_F(Report, ExitsZeroWithNothingOnStandardError) {
    EXPECT_EQ(run().status, 0);
    EXPECT_EQ(run().err, "");
}

TEST_F(Report, HeadingsAreTheirGbkBytes) {
    EXPECT_EQ(lines[0], kBefore);
    EXPECT_EQ(lines[2], kAfterInsert);
    EXPECT_EQ(lines[5], kAfterQuick);
}

TEST_F(Report, UnsortedListingIsTheHostRandSequence) {
    EXPECT_EQ(listing_values(lines[1]), run().host_rand);
}

#ifdef _WIN32
// msvcrt's rand(): a linear congruential generator seeded with 1. Pinning it shows that the
// program really runs on msvcrt's generator and not on some other C library's.
TEST(ReportHostRand, IsMsvcrtGenerator) {
    unsigned state = 1;
    std::vector<int> expected;
    for (int i = 0; i < 100; i++) {
        state = state * 214013U + 2531011U;
        expected.push_back(static_cast<int>((state >> 16) & 0x7FFFU) % 1000);
    }
    EXPECT_EQ(run().host_rand, expected);
}
#endif

TEST_F(Report, SortedListingsAreIdenticalAscendingPermutationsOfTheData) {
    std::vector<int> data = listing_values(lines[1]);
    std::vector<int> by_insertion = listing_values(lines[3]);
    std::vector<int> by_quicksort = listing_values(lines[6]);
    ASSERT_EQ(data.size(), 100U);
    for (int v : data) {
        EXPECT_TRUE(v >= 0 && v <= 999) << v;
    }
    std::sort(data.begin(), data.end());
    EXPECT_EQ(by_insertion, data);
    EXPECT_EQ(by_quicksort, data);
    EXPECT_EQ(lines[3], lines[6]);
}

TEST_F(Report, RunningTimeLinesCarryAWholeFigure) {
    const std::regex figure("-?[0-9]+");
    ASSERT_EQ(lines[4].compare(0, kInsertTime.size(), kInsertTime), 0) << lines[4];
    ASSERT_EQ(lines[7].compare(0, kQuickTime.size(), kQuickTime), 0) << lines[7];
    EXPECT_TRUE(std::regex_match(lines[4].substr(kInsertTime.size()), figure)) << lines[4];
    EXPECT_TRUE(std::regex_match(lines[7].substr(kQuickTime.size()), figure)) << lines[7];
}

TEST(WriteFailure, ExitsOneAndSaysWhyOnOneLine) {
    EXPECT_EQ(run().status, 1);
    const std::regex message("quicksort-and-insert: cannot write the report: [^\r\n]+" + kNewline);
    EXPECT_TRUE(std::regex_match(run().err, message)) << "standard error: " << run().err;
}

} // namespace

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: report_check [gtest flags] STDOUT_FILE STDERR_FILE STATUS\n");
        return 2;
    }
    run().out = read_file(argv[1]);
    run().err = read_file(argv[2]);
    run().status = static_cast<int>(std::strtol(argv[3], nullptr, 10));
    run().host_rand = host_rand_data();
    return RUN_ALL_TESTS();
}
