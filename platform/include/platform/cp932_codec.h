#pragma once
// Code page 932 at the edges: catalogue bytes become QString only for display,
// the clipboard and messages; a search text is encoded back before it reaches
// the catalogue.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace kestrow {

// Whether the platform has a code page 932 converter at all.
bool cp932_available();

QString from_cp932(std::string_view bytes);

// The code page 932 bytes of text, or nothing when some character has no
// encoding there (it must then match nothing, never a '?').
std::optional<std::string> to_cp932(const QString& text);

}  // namespace kestrow
