#pragma once
// Parsing what ClrList.txt and Kestrow.txt hold into a Catalogue.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "messages.h"
#include "text_file.h"

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

// The two files as read, and where they were read from.
struct CatalogueFiles {
    std::filesystem::path clear_path, data_path;
    TextFile clear, data;
};

// Makes state afresh from the two files. Never throws; every failure becomes
// a notice and a defined, possibly empty, state.
LoadReport load_catalogue(Catalogue& state, const CatalogueFiles& files);

// The lines of a text file's bytes as text-mode reading saw them: CR LF counts
// as LF, a Ctrl-Z byte ends the file, and a last line without a line feed
// counts like any other. A line holding a NUL byte ends there: the C string
// functions of the first versions of the program saw no further, and the
// line's key must not be lost.
std::vector<std::string_view> text_lines(std::string_view bytes);

// The parsing half of load_catalogue, for code page 932 text already in memory.
void read_clear_keys(CatalogueData& state, std::string_view clear_text);
void read_data_file(CatalogueData& state, std::string_view data_text);

}  // namespace kestrow
