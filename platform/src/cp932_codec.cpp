#include "platform/cp932_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>
#include <utility>

#include "cp932_file_text.h"

#ifdef _WIN32
#include "cp932_win32.h"
#endif

namespace kestrow {

namespace {

// What the user types or pastes is taken as loading takes a file's text: a
// character of the JIS mapping as the Windows one, which is all that a loaded
// line can hold.
QString windows_forms(QString text) {
    for (QChar& c : text) c = QChar(cp932::windows_form(c.unicode()));
    return text;
}

#ifdef _WIN32

// A Qt for Windows is often built without ICU and then has no converter for
// code page 932; the system always has one.

std::u16string_view utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

class Win32Cp932Converter final : public Cp932Converter {
public:
    std::string from_utf8(std::string_view utf8, bool& replaced) const override {
        return win32::cp932_from_utf8(utf8, replaced);
    }
};

#else

const QByteArray& codec_name() {
    static const QByteArray name = find_cp932_converter(cp932_names).value_or(QByteArray());
    return name;
}

// The bytes of text as it stands, nothing folded: loading's own conversion
// has folded its text already.
std::optional<std::string> encode_as_is(const QString& text) {
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

class QtCp932Converter final : public Cp932Converter {
public:
    std::string from_utf8(std::string_view utf8, bool& replaced) const override {
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        const auto encode = [](std::u16string_view chunk) {
            return encode_as_is(QStringView(chunk.data(), static_cast<qsizetype>(chunk.size())).toString());
        };
        return cp932::encode_file_text(text.toStdU16String(), encode, replaced);
    }
};

#endif

}  // namespace

std::optional<QByteArray> find_cp932_converter(std::span<const char* const> names) {
    for (const char* name : names) {
        QStringDecoder decoder(name);
        if (decoder.isValid() && decoder.decode(QByteArrayView("\x81\x60", 2)) == QString(QChar(0xFF5E)))
            return QByteArray(name);
    }
    return std::nullopt;
}

#ifdef _WIN32

bool cp932_available() { return win32::cp932_installed(); }

QString from_cp932(std::string_view bytes) { return QString::fromStdU16String(win32::decode_cp932(bytes)); }

std::optional<std::string> to_cp932(const QString& text) {
    const QString windows = windows_forms(text);
    return win32::encode_cp932(utf16(windows));
}

const Cp932Converter& cp932_converter() {
    static const Win32Cp932Converter converter;
    return converter;
}

#else

bool cp932_available() { return !codec_name().isEmpty(); }

QString from_cp932(std::string_view bytes) {
    QStringDecoder decoder(codec_name().constData());
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> to_cp932(const QString& text) { return encode_as_is(windows_forms(text)); }

const Cp932Converter& cp932_converter() {
    static const QtCp932Converter converter;
    return converter;
}

#endif

}  // namespace kestrow
