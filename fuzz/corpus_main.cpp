// The regression driver of a fuzz target without libFuzzer: runs LLVMFuzzerTestOneInput once
// on every file of the folders and files named on the command line, in name order, and fails
// when there is none (a corpus folder that went missing must not pass as an empty run).
// A violated invariant aborts inside the target, which fails the test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> contentsOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(path)) {
            inputs.push_back(path);
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 1;
        }
    }
    std::ranges::sort(inputs);
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to run\n");
        return 1;
    }
    for (const auto& path : inputs) {
        // Named before it runs: a crash's report then follows the name of its input.
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
        const std::vector<std::uint8_t> bytes = contentsOf(path);
        // An empty vector's data() may be null; libFuzzer hands in a valid pointer.
        static const std::uint8_t kNothing = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
    }
    std::printf("%zu inputs run\n", inputs.size());
    return 0;
}
