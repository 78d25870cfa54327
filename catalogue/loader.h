#pragma once
// Reading ClrList.txt and Kestrow.txt into a Catalogue.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "encoding.h"
#include "messages.h"

namespace kestrow {

inline constexpr std::string_view clear_file_name = "ClrList.txt";
inline constexpr std::string_view data_file_name = "Kestrow.txt";

// Larger files are refused as unreadable: no catalogue comes near it, and a
// runaway file must not take the memory.
inline constexpr std::uintmax_t largest_file = std::uintmax_t{256} << 20;

enum class ReadStatus { Ok, Missing, Unreadable };

struct TextFile {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;    // as stored
    DecodedText decoded;  // when stored in another encoding than code page 932
    std::string_view text() const { return decoded.converted ? std::string_view(decoded.text) : bytes; }
};

// Reads a file that is a regular file of at most largest_file bytes. Anything
// else (a folder, a FIFO, a device, a socket) is unreadable and never opened,
// so that no read can block or run without end.
TextFile read_text_file(const std::filesystem::path& path, FileKind kind, const Cp932Converter& converter);

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
LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const Cp932Converter& converter);

// The lines of a text file's bytes as text-mode reading saw them: CR LF counts
// as LF, a Ctrl-Z byte ends the file, and a last line without a line feed
// counts like any other. A line holding a NUL byte ends there: the C string
// functions of the first versions of the program saw no further, and the
// line's key must not be lost.
std::vector<std::string_view> text_lines(std::string_view bytes);

// The parsing half of load_catalogue, for code page 932 text already in memory.
void read_clear_keys(Catalogue& state, std::string_view clear_text);
void read_data_file(Catalogue& state, std::string_view data_text);

}  // namespace kestrow
