#pragma once
// The encodings in which the two files arrive. Every rule of the catalogue
// works on code page 932 bytes, so a file saved as UTF-8 or UTF-16 (as
// Notepad offers) is turned into code page 932 as it is loaded.

#include <string>
#include <string_view>

namespace kestrow {

enum class FileKind { Data, Clear };

enum class Encoding {
    Cp932,    // as stored: no BOM, and (data file) not UTF-8
    Utf8Bom,  // EF BB BF
    Utf8,     // data file only: no BOM, valid UTF-8 with at least one multi-byte character
    Utf16LE,  // FF FE
    Utf16BE,  // FE FF
};

// The clear file is taken as UTF-8 only with its BOM: keys that are all
// ASCII read the same either way, and a code page 932 key that happens to
// be valid UTF-8 must not be changed.
Encoding detect_encoding(std::string_view bytes, FileKind kind);

// Valid UTF-8 (no overlong form, no surrogate, nothing above U+10FFFF) that
// holds at least one multi-byte character.
bool is_multibyte_utf8(std::string_view bytes);

// UTF-16 code units (without the BOM) as UTF-8. An unpaired surrogate or an
// odd last byte becomes U+FFFD, which code page 932 cannot hold either.
std::string utf16_to_utf8(std::string_view bytes, bool big_endian);

// Turns UTF-8 text into code page 932. A character that code page 932 cannot
// hold becomes 〓 (81 AC). The platform provides it; the catalogue has no
// conversion tables of its own.
class Cp932Converter {
public:
    virtual ~Cp932Converter() = default;
    virtual std::string from_utf8(std::string_view utf8, bool& replaced) const = 0;
};

struct DecodedText {
    std::string text;       // code page 932; empty when converted is false
    bool converted = false;  // false: the bytes were code page 932 already
    bool replaced = false;   // some character became 〓
};

// The text of a file's bytes as code page 932.
DecodedText decode_file_text(std::string_view bytes, FileKind kind, const Cp932Converter& converter);

}  // namespace kestrow
