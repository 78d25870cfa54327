#include "platform/cp932_codec.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace kestrow {

namespace {

const QByteArray& codec_name() {
    static const QByteArray name = find_cp932_converter(cp932_names).value_or(QByteArray());
    return name;
}

// Code points of the JIS mapping and the Windows mapping's for the same character.
constexpr std::pair<char16_t, char16_t> jis_to_windows[] = {
    {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'}, {u'\u00A2', u'\uFFE0'},
    {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'}, {u'\u2014', u'\u2015'},
};

constexpr std::string_view geta = "\x81\xAC";  // 〓

class QtCp932Converter final : public Cp932Converter {
public:
    std::string from_utf8(std::string_view utf8, bool& replaced) const override {
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        if (auto whole = to_cp932(text)) return std::move(*whole);
        // Something has no encoding: find it line by line, character by character.
        std::string out;
        out.reserve(utf8.size());
        for (const QStringView line : QStringView(text).split(u'\n')) {
            if (!out.empty()) out.push_back('\n');
            if (auto bytes = to_cp932(line.toString())) {
                out.append(*bytes);
                continue;
            }
            for (qsizetype i = 0; i < line.size();) {
                const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
                QString c = line.mid(i, length).toString();
                i += length;
                for (const auto& [jis, windows] : jis_to_windows)
                    if (c.size() == 1 && c[0] == QChar(jis)) c = QChar(windows);
                if (const auto bytes = to_cp932(c)) {
                    out.append(*bytes);
                } else {
                    out.append(geta);
                    replaced = true;
                }
            }
        }
        return out;
    }
};

}  // namespace

std::optional<QByteArray> find_cp932_converter(std::span<const char* const> names) {
    for (const char* name : names) {
        QStringDecoder decoder(name);
        if (decoder.isValid() && decoder.decode(QByteArrayView("\x81\x60", 2)) == QString(QChar(0xFF5E)))
            return QByteArray(name);
    }
    return std::nullopt;
}

bool cp932_available() { return !codec_name().isEmpty(); }

QString from_cp932(std::string_view bytes) {
    QStringDecoder decoder(codec_name().constData());
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> to_cp932(const QString& text) {
    QStringEncoder encoder(codec_name().constData());
    if (!encoder.isValid()) return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    // Some converters substitute instead of failing: accept the bytes only if
    // they decode to the same text.
    if (from_cp932(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) != text)
        return std::nullopt;
    return bytes.toStdString();
}

const Cp932Converter& cp932_converter() {
    static const QtCp932Converter converter;
    return converter;
}

}  // namespace kestrow
