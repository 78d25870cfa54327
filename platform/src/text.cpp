#include "platform/text.h"

#include <QDir>

#include "platform/paths.h"

namespace kestrow {

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString report_text(Message message, const std::filesystem::path& path) {
    return utf8(message_text(message)) + QDir::toNativeSeparators(to_qstring(path));
}

}  // namespace kestrow
