// Runs a fuzz target over the files of its corpus once, without libFuzzer:
// the regular tests replay every seed and every input a finding left behind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    std::size_t anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> dateien;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& e : std::filesystem::directory_iterator(argv[i]))
                if (e.is_regular_file()) dateien.push_back(e.path());
        } else {
            dateien.emplace_back(argv[i]);
        }
        for (const auto& d : dateien) {
            std::ifstream ein(d, std::ios::binary);
            const std::vector<char> inhalt((std::istreambuf_iterator<char>(ein)),
                                           std::istreambuf_iterator<char>());
            if (!ein.eof() && ein.fail()) {
                std::fprintf(stderr, "nicht lesbar: %s\n", d.c_str());
                return 1;
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
            ++anzahl;
        }
    }
    std::printf("%zu Eingaben ohne Befund\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
