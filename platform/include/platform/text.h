#pragma once
// The program's own texts (UTF-8 in the source) as QString, and the way a
// failure is reported: the fixed sentence, then the path concerned.

#include <QString>
#include <filesystem>
#include <string_view>

#include "catalogue/messages.h"

namespace kestrow {

QString utf8(std::string_view text);

QString report_text(Message message, const std::filesystem::path& path);

}  // namespace kestrow
