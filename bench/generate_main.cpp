// kestrow_generate DIR [QUESTS [AREAS [CLEAR_KEYS [SEED]]]]
// Writes a synthetic Kestrow.txt and ClrList.txt (code page 932) into DIR.

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "bench/generator.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 6) {
        std::cerr << "usage: kestrow_generate DIR [QUESTS [AREAS [CLEAR_KEYS [SEED]]]]\n"
                     "defaults: 100000 quests, 100 areas, 50000 clear keys, seed 1\n";
        return 2;
    }
    kestrow::bench::GeneratorOptions options;
    try {
        if (argc > 2) options.quests = std::stoul(argv[2]);
        if (argc > 3) options.areas = std::stoul(argv[3]);
        if (argc > 4) options.clear_keys = std::stoul(argv[4]);
        if (argc > 5) options.seed = std::stoull(argv[5]);
    } catch (const std::exception&) {
        std::cerr << "kestrow_generate: the counts and the seed must be numbers\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const auto catalogue = kestrow::bench::generate_catalogue(options);
    if (!kestrow::bench::write_catalogue_files(catalogue, dir)) {
        std::cerr << "kestrow_generate: cannot write into " << dir << "\n";
        return 1;
    }
    std::cout << "wrote " << (dir / "Kestrow.txt").string() << " (" << catalogue.data.size() << " bytes) and "
              << (dir / "ClrList.txt").string() << " (" << catalogue.clear.size() << " bytes)\n";
    return 0;
}
