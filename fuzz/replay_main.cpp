// Runs the fuzz target once on each file named on the command line, without libFuzzer: the
// committed corpus becomes a regression test in every build, the Windows one included.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    for (int i = 1; i < argc; i++) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "fuzz-replay: cannot read %s\n", argv[i]);
            return 1;
        }
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("fuzz-replay: %d inputs, all sorted\n", argc - 1);
    return 0;
}
