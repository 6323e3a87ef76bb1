// libFuzzer target: both sorts on any array and any sub-range of it.
//
// Input bytes: two 32-bit selectors that choose the range, then the array's elements as 32-bit
// ints (native byte order; a trailing partial element is ignored). The range low .. high always
// lies inside the array and may be empty (high == low - 1).
//
// At most kMaxElements elements are taken: QuickSort nests one call per element on ordered or
// all-equal input, and 2048 frames, even instrumented, stay far inside a normal stack.

#include "sorts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kMaxElements = 2048;

std::uint32_t read_u32(const std::uint8_t *bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 8) {
        return 0;
    }
    std::uint32_t low_selector = read_u32(data);
    std::uint32_t high_selector = read_u32(data + 4);
    std::size_t count = std::min((size - 8) / sizeof(int), kMaxElements);

    // Exactly sized heap arrays: AddressSanitizer faults on any access past either end.
    std::vector<int> input(count);
    if (count > 0) {
        std::memcpy(input.data(), data + 8, count * sizeof(int));
    }
    int n = static_cast<int>(count);
    int low = n == 0 ? 0 : static_cast<int>(low_selector % static_cast<std::uint32_t>(n));
    int high = low - 1 + static_cast<int>(high_selector % static_cast<std::uint32_t>(n - low + 1));

    std::vector<int> expected = input;
    std::sort(expected.begin() + low, expected.begin() + (high + 1));

    std::vector<int> by_insertion = input;
    Insert_a(by_insertion.data() + low, high - low + 1);
    if (by_insertion != expected) {
        std::abort();
    }

    std::vector<int> by_quicksort = input;
    QuickSort(by_quicksort.data(), low, high);
    if (by_quicksort != expected) {
        std::abort();
    }
    return 0;
}
