// Runs a fuzz target over stored inputs, for builds without libFuzzer.
// It reads every file named and every file in every folder named; a broken property aborts.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files(argv + 1, argv + argc);
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            std::erase(files, argv[i]);
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                files.push_back(entry.path());
            }
        }
    }
    for (const std::filesystem::path& file : files) {
        std::fprintf(stderr, "Running %s\n", file.c_str());
        std::ifstream stream(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs passed\n", files.size());
}
