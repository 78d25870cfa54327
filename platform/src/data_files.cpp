#include "platform/data_files.h"

#include <fstream>
#include <string>
#include <system_error>

namespace kestrow {

namespace {

std::string read_regular_file(const std::filesystem::path& path, std::uintmax_t size, bool& ok) {
    std::string bytes;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ok = false, bytes;
    // Growing the string step by step copies a large catalogue several times
    // and touches fresh memory at every step, which costs more than the
    // reading itself. The size is only a hint: the loop reads to the real
    // end, but never past the limit, should the file grow meanwhile.
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > largest_file) return ok = false, bytes;
        if (in.eof()) break;
    }
    ok = !in.bad();
    return bytes;
}

}  // namespace

TextFile read_text_file(const std::filesystem::path& path, FileKind kind, const Cp932Converter& converter) {
    TextFile file;
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(st)) {
        // A path that cannot even be examined (say, a parent that is not a
        // folder) counts as missing only when the system says it is absent.
        const bool absent = !ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
        file.status = absent ? ReadStatus::Missing : ReadStatus::Unreadable;
        return file;
    }
    file.status = ReadStatus::Unreadable;
    if (!std::filesystem::is_regular_file(st)) return file;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > largest_file) return file;
    bool ok = false;
    file.bytes = read_regular_file(path, size, ok);
    if (!ok) {
        file.bytes.clear();
        return file;
    }
    file.status = ReadStatus::Ok;
    file.decoded = decode_file_text(file.bytes, kind, converter);
    return file;
}

CatalogueFiles read_catalogue_files(const std::filesystem::path& dir, const Cp932Converter& converter) {
    return read_catalogue_files(dir, dir / clear_file_name, converter);
}

CatalogueFiles read_catalogue_files(const std::filesystem::path& dir, const std::filesystem::path& clear_file,
                                    const Cp932Converter& converter) {
    CatalogueFiles files{clear_file, dir / data_file_name, {}, {}};
    files.clear = read_text_file(files.clear_path, FileKind::Clear, converter);
    files.data = read_text_file(files.data_path, FileKind::Data, converter);
    return files;
}

LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const Cp932Converter& converter) {
    return load_catalogue(state, read_catalogue_files(dir, converter));
}

LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const std::filesystem::path& clear_file,
                          const Cp932Converter& converter) {
    return load_catalogue(state, read_catalogue_files(dir, clear_file, converter));
}

std::optional<SeenCatalogue> read_seen(const std::filesystem::path& dir) {
    // Plain ASCII and code page 932 Codes: no conversion wanted, none made.
    struct AsIs final : Cp932Converter {
        std::string from_utf8(std::string_view utf8, bool&) const override { return std::string(utf8); }
    } as_is;
    const TextFile file = read_text_file(dir / seen_file_name, FileKind::Clear, as_is);
    if (file.status != ReadStatus::Ok) return std::nullopt;
    return parse_seen(file.bytes);
}

}  // namespace kestrow
