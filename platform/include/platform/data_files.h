#pragma once
// Reading the two files from disk. Standard C++ only, so that the Windows
// check builds it without Qt; the writing side is clear_file_writer.h.

#include <filesystem>

#include "catalogue/loader.h"

namespace kestrow {

// Reads a file that is a regular file of at most largest_file bytes. Anything
// else (a folder, a FIFO, a device, a socket) is unreadable and never opened,
// so that no read can block or run without end.
TextFile read_text_file(const std::filesystem::path& path, FileKind kind, const Cp932Converter& converter);

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
