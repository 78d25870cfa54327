#pragma once
// Reading the two files from disk. Standard C++ only, so that the Windows
// check builds it without Qt; the writing side is clear_file_writer.h.

#include <filesystem>

#include <optional>

#include "catalogue/catalogue_changes.h"
#include "catalogue/loader.h"

namespace kestrow {

// Reads a file that is a regular file of at most largest_file bytes. Anything
// else (a folder, a FIFO, a device, a socket) is unreadable and never opened,
// so that no read can block or run without end.
TextFile read_text_file(const std::filesystem::path& path, FileKind kind, const Cp932Converter& converter);

// Kestrow.seen beside Kestrow.txt: nothing when it is missing, empty,
// unreadable, not a regular file or not such a file at all. Writing replaces
// it atomically and says nothing of a failure: it only serves a report.
inline constexpr std::string_view seen_file_name = "Kestrow.seen";
std::optional<SeenCatalogue> read_seen(const std::filesystem::path& dir);
void write_seen(const std::filesystem::path& dir, const SeenCatalogue& seen);

// Both files of a folder, as read now.
CatalogueFiles read_catalogue_files(const std::filesystem::path& dir, const Cp932Converter& converter);
// Kestrow.txt of dir with the clear file at clear_file: a character's own list
// on the shared catalogue.
CatalogueFiles read_catalogue_files(const std::filesystem::path& dir, const std::filesystem::path& clear_file,
                                    const Cp932Converter& converter);

// Reads both files from dir into a fresh state (the clear file first).
LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const Cp932Converter& converter);
LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const std::filesystem::path& clear_file,
                          const Cp932Converter& converter);

}  // namespace kestrow
