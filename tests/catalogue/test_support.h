#pragma once
// Shared by the catalogue and platform suites. Japanese test text is spelled as
// code page 932 bytes with the character in a comment.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "catalogue/area_index.h"
#include "catalogue/filter.h"
#include "catalogue/held_line.h"
#include "catalogue/loader.h"
#include "catalogue/save.h"

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

// Stands in for the platform's converter: ASCII and ゼ; every other
// character becomes 〓.
struct FakeConverter final : Cp932Converter {
    std::string from_utf8(std::string_view utf8, bool& replaced) const override {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto b = static_cast<unsigned char>(utf8[i]);
            const std::size_t length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            const std::string_view c = utf8.substr(i, length);
            i += length;
            if (length == 1) out.append(c);
            else if (c == "ゼ") out.append(ze);
            else out.append("\x81\xAC"), replaced = true;
        }
        return out;
    }
};
inline const FakeConverter fake_converter;

// Takes what a Save writes (each open starts afresh), records the steps that
// reach it, and fails at a chosen one.
struct FakeSink final : ClearFileSink {
    std::string fail_at, steps, bytes;
    bool step(const std::string& name) { return steps += name + ' ', fail_at != name; }
    bool open() override { return bytes.clear(), step("open"); }
    bool write(std::string_view b) override { return bytes.append(b), step("write"); }
    bool commit() override { return step("commit"); }
};

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
