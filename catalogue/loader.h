#pragma once
// Reading ClrList.txt and Kestrow.txt into a Catalogue.

#include <filesystem>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "messages.h"

namespace kestrow {

inline constexpr std::string_view clear_file_name = "ClrList.txt";
inline constexpr std::string_view data_file_name = "Kestrow.txt";

struct Notice {
    Message message;
    std::filesystem::path path;
};

struct LoadReport {
    bool data_loaded = false;
    std::vector<Notice> notices;  // in the order they arose, to be shown to the user
};

// Reads both files from dir into a fresh state (the clear file first). Never
// throws; every failure becomes a notice and a defined, possibly empty, state.
LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir);

// The lines of a text file's bytes as text-mode reading saw them: CR LF counts
// as LF, a Ctrl-Z byte ends the file, and a last line without a line feed
// counts like any other. A line holding a NUL byte is dropped, as the C
// string functions of the first versions of the program dropped it.
std::vector<std::string_view> text_lines(std::string_view bytes);

// The parsing half of load_catalogue, for bytes already in memory.
void read_clear_keys(Catalogue& state, std::string_view clear_bytes);
void read_data_file(Catalogue& state, std::string_view data_bytes);

}  // namespace kestrow
