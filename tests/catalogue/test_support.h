#pragma once
// Shared by the catalogue and platform suites. Japanese test text is spelled as
// code page 932 bytes with the character in a comment.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "catalogue/area_index.h"
#include "catalogue/field.h"
#include "catalogue/filter.h"
#include "catalogue/held_line.h"
#include "catalogue/loader.h"

namespace kestrow::test {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// Their trail bytes are '\', '~' and '[': a naive byte search finds them.
inline const std::string hyo = "\x95\x5C", batsu = "\x81\x7E", ze = "\x83\x5B";  // 表 × ゼ

// A fresh folder, removed with all it holds.
struct TempDir {
    fs::path path = fs::temp_directory_path() / ("kestrow-test-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { std::error_code ec; fs::remove_all(path, ec); }
    fs::path operator/(std::string_view name) const { return path / name; }
};

inline void write_file(const fs::path& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }
inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A catalogue as loading and the chooser fill leave it.
inline Catalogue make_catalogue(std::string_view data_bytes, std::string_view clear_bytes = {}) {
    Catalogue state;
    read_clear_keys(state, clear_bytes);
    read_data_file(state, data_bytes);
    fill_category_chooser(state);
    return state;
}

inline Strings shown_codes(const Catalogue& state) {
    Strings codes;
    for (const Row& row : state.rows) codes.emplace_back(clear_key(state.quest_lines[row.line]));
    return codes;
}

}  // namespace kestrow::test
