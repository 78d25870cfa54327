#include "encoding.h"

namespace kestrow {

namespace {

constexpr std::string_view utf8_bom = "\xEF\xBB\xBF";
constexpr std::string_view utf16le_bom = "\xFF\xFE";
constexpr std::string_view utf16be_bom = "\xFE\xFF";

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

constexpr char32_t replacement = 0xFFFD;

}  // namespace

bool is_multibyte_utf8(std::string_view bytes) {
    bool multibyte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t c = 0, lowest = 0;
        if (b >= 0xC2 && b <= 0xDF) length = 2, c = b & 0x1F, lowest = 0x80;
        else if (b >= 0xE0 && b <= 0xEF) length = 3, c = b & 0x0F, lowest = 0x800;
        else if (b >= 0xF0 && b <= 0xF4) length = 4, c = b & 0x07, lowest = 0x10000;
        else return false;
        if (i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            c = (c << 6) | (t & 0x3F);
        }
        if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        multibyte = true;
        i += length;
    }
    return multibyte;
}

Encoding detect_encoding(std::string_view bytes, FileKind kind) {
    if (bytes.starts_with(utf8_bom)) return Encoding::Utf8Bom;
    if (bytes.starts_with(utf16le_bom)) return Encoding::Utf16LE;
    if (bytes.starts_with(utf16be_bom)) return Encoding::Utf16BE;
    if (kind == FileKind::Data && is_multibyte_utf8(bytes)) return Encoding::Utf8;
    return Encoding::Cp932;
}

std::string utf16_to_utf8(std::string_view bytes, bool big_endian) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? (a << 8) | b : (b << 8) | a;
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                append_utf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        append_utf8(out, (u >= 0xD800 && u <= 0xDFFF) ? replacement : u);
    }
    if (i < bytes.size()) append_utf8(out, replacement);
    return out;
}

DecodedText decode_file_text(std::string_view bytes, FileKind kind, const Cp932Converter& converter) {
    DecodedText out;
    switch (detect_encoding(bytes, kind)) {
        case Encoding::Cp932: return out;
        case Encoding::Utf8Bom: out.text = converter.from_utf8(bytes.substr(utf8_bom.size()), out.replaced); break;
        case Encoding::Utf8: out.text = converter.from_utf8(bytes, out.replaced); break;
        case Encoding::Utf16LE:
            out.text = converter.from_utf8(utf16_to_utf8(bytes.substr(2), false), out.replaced);
            break;
        case Encoding::Utf16BE:
            out.text = converter.from_utf8(utf16_to_utf8(bytes.substr(2), true), out.replaced);
            break;
    }
    out.converted = true;
    return out;
}

}  // namespace kestrow
