#pragma once
// A text file as read from disk: whether it could be read, its bytes as
// stored and, when stored in another encoding, its code page 932 text. The
// reading itself is the platform's; the catalogue only parses what it got.

#include <cstdint>
#include <string>
#include <string_view>

#include "encoding.h"

namespace kestrow {

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

}  // namespace kestrow
