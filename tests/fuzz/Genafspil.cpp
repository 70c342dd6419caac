// Replays saved inputs of the data-file fuzz target as an ordinary test program, so
// every build checks the seeds and every input that once broke the reader.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int antal = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> filer;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& e : std::filesystem::directory_iterator(argv[i]))
                if (e.is_regular_file()) filer.push_back(e.path());
        } else {
            filer.emplace_back(argv[i]);
        }
        for (const auto& f : filer) {
            std::ifstream in(f, std::ios::binary);
            std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
            ++antal;
        }
    }
    std::printf("%d passed, 0 failed\n", antal);
    return antal > 0 ? 0 : 1;
}
