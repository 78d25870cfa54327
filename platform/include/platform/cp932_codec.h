#pragma once
// Code page 932 at the edges: catalogue bytes become QString only for display,
// the clipboard and messages; a search text is encoded back before it reaches
// the catalogue; a file stored as UTF-8 or UTF-16 is turned into code page 932
// as it is loaded.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/encoding.h"

namespace kestrow {

// Where Qt's converter is looked for, in this order. Debian's Qt reaches ICU's
// Windows mapping as "windows-31j". On Windows the system's own code page 932
// converts instead, so that a Qt built without ICU does as well.
inline constexpr std::array<const char*, 3> cp932_names{"windows-31j", "cp932", "Shift_JIS"};

// The first of names whose converter has the Windows mapping (0x81 0x60 is
// U+FF5E, not the wave dash U+301C of the JIS mapping), or nothing.
std::optional<QByteArray> find_cp932_converter(std::span<const char* const> names);

// Whether the platform has such a converter. It is looked for once, the
// first time any of these functions needs it. On Windows: whether the system
// has code page 932, which it always has.
bool cp932_available();

QString from_cp932(std::string_view bytes);

// The code page 932 bytes of a text the user gave (a search text, a Code),
// or nothing when some character has no encoding there (it must then match
// nothing, never a '?'). A character of the JIS mapping is taken as the
// Windows one first, as loading takes it (see cp932_converter), so that 〜
// finds the ～ that a loaded line holds.
std::optional<std::string> to_cp932(const QString& text);

// The converter that loading uses for files stored as UTF-8 or UTF-16. A
// character of the JIS mapping that the Windows one spells with another
// code point (〜 U+301C, − U+2212, ...) is taken as the Windows one.
const Cp932Converter& cp932_converter();

}  // namespace kestrow
