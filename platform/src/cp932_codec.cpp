#include "platform/cp932_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kestrow {

namespace {
// Debian's Qt reaches the Windows mapping through ICU under this name.
constexpr const char* codec_name = "windows-31j";
}  // namespace

bool cp932_available() { return QStringDecoder(codec_name).isValid(); }

QString from_cp932(std::string_view bytes) {
    QStringDecoder decoder(codec_name);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> to_cp932(const QString& text) {
    QStringEncoder encoder(codec_name);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    // Some converters substitute instead of failing: accept the bytes only if
    // they decode to the same text.
    if (from_cp932(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) != text)
        return std::nullopt;
    return bytes.toStdString();
}

}  // namespace kestrow
