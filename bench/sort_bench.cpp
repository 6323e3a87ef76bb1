// sort-bench: how the cost of Insert_a and QuickSort grows with n, beside std::sort and
// std::stable_sort, on six kinds of input.
//
// Usage: sort-bench [--quick] [Google Benchmark flags]
//   --quick   sizes up to 1024 and a short minimum time: a smoke test that each case sorts.
// Exits 1 if any case left its data unsorted.
//
// Each case's name is INPUT/ALGORITHM/N. Its time is that of one sort of N elements. The inputs
// are refilled in batches of copies, with the clock stopped, so that stopping the clock costs
// little beside the sorts even at small N.

#include "sorts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Input { Random1000, RandomInt, Ascending, Descending, AllEqual, FewDistinct };

struct InputKind {
    Input input;
    const char *name;
};

const InputKind kInputs[] = {
    {Input::Random1000, "random_0_999"}, {Input::RandomInt, "random_int"},
    {Input::Ascending, "ascending"},     {Input::Descending, "descending"},
    {Input::AllEqual, "all_equal"},      {Input::FewDistinct, "four_values"},
};

std::vector<int> make_input(Input input, int n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> data(static_cast<std::size_t>(n));
    auto uniform = [&](int min, int max) {
        std::uniform_int_distribution<int> value(min, max);
        std::generate(data.begin(), data.end(), [&] { return value(random); });
    };
    switch (input) {
    case Input::Random1000:
        uniform(0, 999);
        break;
    case Input::RandomInt:
        uniform(INT_MIN, INT_MAX);
        break;
    case Input::Ascending:
        std::iota(data.begin(), data.end(), 0);
        break;
    case Input::Descending:
        std::iota(data.rbegin(), data.rend(), 1);
        break;
    case Input::AllEqual:
        std::fill(data.begin(), data.end(), 7);
        break;
    case Input::FewDistinct:
        uniform(0, 3);
        break;
    }
    return data;
}

// Every algorithm in the form of Insert_a: pointer and count.
void quick_sort(int *values, int count) {
    QuickSort(values, 0, count - 1);
}

void std_sort(int *values, int count) {
    std::sort(values, values + count);
}

void std_stable_sort(int *values, int count) {
    std::stable_sort(values, values + count);
}

enum class Growth { Linear, NLogN, Quadratic };

struct Algorithm {
    const char *name;
    void (*sort)(int *values, int count);
    // How the time grows on each input kind, in the order of kInputs: the fit Google Benchmark
    // reports, and whether to stop at the quadratic size bound.
    Growth growth[std::size(kInputs)];
};

constexpr Growth L = Growth::Linear;
constexpr Growth G = Growth::NLogN;
constexpr Growth Q = Growth::Quadratic;

// QuickSort on random 0 ... 999 values is n log n while the values are mostly distinct, then turns
// quadratic as each value repeats n / 1000 times: every run of equal values is peeled off one
// element a level. Measured with the limits below, the quadratic fit is the closer one.
const Algorithm kAlgorithms[] = {
    //                          0..999 int asc desc equal four
    {"Insert_a", Insert_a, /*  */ {Q, Q, L, Q, L, Q}},
    {"QuickSort", quick_sort, /**/ {Q, G, Q, Q, Q, Q}},
    {"std::sort", std_sort, /*  */ {G, G, G, G, G, G}},
    {"std::stable_sort", std_stable_sort, {G, G, G, G, G, G}},
};

// Largest sizes. Quadratic cases stop at kQuadraticMax, which also bounds QuickSort's recursion
// depth on ordered or equal input (one call per element) to a small part of an 8 MiB stack.
// QuickSort on random 0 ... 999 stops at kQuickRandom1000Max, where it has turned quadratic.
constexpr int kMax = 1 << 20;
constexpr int kQuadraticMax = 1 << 14;
constexpr int kQuickRandom1000Max = 1 << 18;
constexpr int kQuickMax = 1 << 10;
constexpr int kBatchElements = 1 << 16;

// Cases whose result was wrong; a case runs several times while its iteration count is chosen.
std::set<std::string> g_unsorted;

void run_case(benchmark::State &state, const Algorithm &algorithm, const InputKind &kind) {
    const int n = static_cast<int>(state.range(0));
    const int copies = std::max(1, kBatchElements / n);

    // Each copy gets its own random data: sorting one input over and over would let the branch
    // predictor learn it and flatter every algorithm at small n.
    std::vector<int> source;
    for (int c = 0; c < copies; c++) {
        std::vector<int> data = make_input(kind.input, n, 12345U + static_cast<unsigned>(c));
        source.insert(source.end(), data.begin(), data.end());
    }
    std::vector<int> work(source.size());

    // One iteration sorts one copy; all copies are refilled at once, off the clock.
    int next = copies;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
        if (next == copies) {
            state.PauseTiming();
            std::copy(source.begin(), source.end(), work.begin());
            next = 0;
            state.ResumeTiming();
        }
        algorithm.sort(work.data() + static_cast<std::ptrdiff_t>(next) * n, n);
        benchmark::ClobberMemory();
        next++;
    }

    // Not SkipWithError: Google Benchmark 1.7.1's complexity fit crashes on a family whose runs
    // were all skipped. The label marks the row, the exit status fails the run.
    for (int c = 0; c < next; c++) {
        auto begin = source.begin() + static_cast<std::ptrdiff_t>(c) * n;
        std::vector<int> expected(begin, begin + n);
        std::sort(expected.begin(), expected.end());
        if (!std::equal(expected.begin(), expected.end(),
                        work.begin() + (begin - source.begin()))) {
            state.SetLabel("UNSORTED");
            g_unsorted.insert(std::string(kind.name) + "/" + algorithm.name + "/" +
                              std::to_string(n));
            break;
        }
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}

benchmark::BigO fit(Growth growth) {
    switch (growth) {
    case Growth::Linear:
        return benchmark::oN;
    case Growth::NLogN:
        return benchmark::oNLogN;
    case Growth::Quadratic:
        break;
    }
    return benchmark::oNSquared;
}

void register_cases(bool quick) {
    for (const Algorithm &algorithm : kAlgorithms) {
        for (std::size_t k = 0; k < std::size(kInputs); k++) {
            const InputKind &kind = kInputs[k];
            const Growth growth = algorithm.growth[k];
            int max = growth == Growth::Quadratic ? kQuadraticMax : kMax;
            if (algorithm.sort == quick_sort && kind.input == Input::Random1000) {
                max = kQuickRandom1000Max;
            }
            if (quick) {
                max = std::min(max, kQuickMax);
            }
            std::string name = std::string(kind.name) + "/" + algorithm.name;
            benchmark::RegisterBenchmark(name.c_str(), run_case, algorithm, kind)
                ->RangeMultiplier(2)
                ->Range(16, max)
                ->UseRealTime()
                ->Unit(benchmark::kNanosecond)
                ->Complexity(fit(growth));
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    // The minimum time per case goes first, so that a --benchmark_min_time given overrides it.
    bool quick = false;
    std::vector<char *> args = {argv[0], nullptr};
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    char quick_time[] = "--benchmark_min_time=0.002";
    char full_time[] = "--benchmark_min_time=0.1";
    args[1] = quick ? quick_time : full_time;
    args.push_back(nullptr);
    int count = static_cast<int>(args.size()) - 1;

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 2;
    }
    register_cases(quick);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::string &name : g_unsorted) {
        std::fprintf(stderr, "sort-bench: %s left its data unsorted\n", name.c_str());
    }
    return g_unsorted.empty() ? 0 : 1;
}
