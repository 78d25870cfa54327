#pragma once
// Synthetic quest catalogues of any size, as the bytes of Kestrow.txt and
// ClrList.txt in code page 932. The content is invented here; the same
// options always give the same bytes, on every platform.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow::bench {

struct GeneratorOptions {
    std::size_t quests = 100'000;
    std::size_t areas = 100;        // ordinary areas; the seven special category lines come on top
    std::size_t clear_keys = 50'000;
    std::uint64_t seed = 1;
    // Share of the clear keys that name a quest the data file no longer has,
    // as after a catalogue update removed quests. The rest name real quests.
    double orphan_share = 0.01;
};

struct GeneratedArea {
    int code = 0;              // category code, e.g. 11000 or 11500
    std::size_t quests = 0;    // quests of this area line (its prefix may be shared, see the generator)
};

struct GeneratedCatalogue {
    std::string data;   // Kestrow.txt, CR LF line ends
    std::string clear;  // ClrList.txt, sorted, CR LF after every key
    std::vector<GeneratedArea> areas;  // ordinary areas in ascending code order
    std::size_t cleared_quests = 0;    // quests whose Code is in the clear file
    std::size_t orphan_keys = 0;       // clear keys that no quest carries
};

GeneratedCatalogue generate_catalogue(const GeneratorOptions& options);

// A search text that matches about a third of the quest lines: it is part of
// one area name in ten (so of those quests' locations) and of one of the
// detail sentences. A broad search, so a demanding one for the filter.
std::string_view search_word();

// The two-byte area prefixes that ordinary areas use: "10" to "89". Codes
// 90000 and up are special categories.
inline constexpr int first_area_prefix = 10;
inline constexpr int area_prefix_count = 80;

// Writes Kestrow.txt and ClrList.txt into dir (which must exist). Returns
// false when a file could not be written.
bool write_catalogue_files(const GeneratedCatalogue& catalogue, const std::filesystem::path& dir);

}  // namespace kestrow::bench
