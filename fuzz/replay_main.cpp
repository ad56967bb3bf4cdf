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
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path named : std::vector(argv + 1, argv + argc)) {
        if (std::filesystem::is_directory(named)) {
            files.insert(files.end(), std::filesystem::directory_iterator(named),
                         std::filesystem::directory_iterator());
        } else {
            files.push_back(named);
        }
    }
    for (const std::filesystem::path& file : files) {
        std::fprintf(stderr, "Running %s\n", file.string().c_str());
        std::ifstream stream(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs passed\n", files.size());
}
