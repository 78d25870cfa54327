#include "platform/characters.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <system_error>

#include "catalogue/held_line.h"
#include "catalogue/loader.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace kestrow {

namespace fs = std::filesystem;

namespace {

// A name file holds one short line; anything far larger is no such file.
constexpr qint64 largest_name_file = 4096;

// The same name typed on another system (macOS spells ダ as two code points)
// must find the same character.
QString canonical(const QString& name) { return name.normalized(QString::NormalizationForm_C); }

bool same_name(const QString& a, const QString& b) {
    return canonical(a).compare(canonical(b), Qt::CaseInsensitive) == 0;
}

bool is_reserved(const QString& name) {
    for (const std::string_view own : {removed_folder_name, main_name_file_name})
        if (same_name(name, utf8(own))) return true;
    // Windows opens a device for these, whatever follows a dot.
    const QString device = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (devices.contains(device)) return true;
    return device.size() == 4 && (device.startsWith(u"COM") || device.startsWith(u"LPT")) && device[3] >= u'0' &&
           device[3] <= u'9';
}

bool exists_at(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

fs::path main_name_file(const fs::path& data_dir) {
    return characters_folder(data_dir) / to_path(utf8(main_name_file_name));
}

// The stored name of the main character: empty when none is stored, nothing
// when the file holds no usable name.
std::optional<QString> read_main_name(const fs::path& data_dir) {
    const QFileInfo info(to_qstring(main_name_file(data_dir)));
    if (!info.exists()) return QString();
    QFile file(info.filePath());
    if (!info.isFile() || info.size() > largest_name_file || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);  // drops a byte order mark an editor put there
    QString name = decoder.decode(file.readAll());
    while (name.endsWith(u'\n') || name.endsWith(u'\r')) name.chop(1);
    if (decoder.hasError() || check_character_name(name) != CharacterProblem::None) return std::nullopt;
    return canonical(name);
}

bool write_main_name(const fs::path& data_dir, const QString& name) {
    if (!QDir().mkpath(to_qstring(characters_folder(data_dir)))) return false;
    QSaveFile file(to_qstring(main_name_file(data_dir)));
    const QByteArray bytes = name.toUtf8() + '\n';
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// A listing that did not see the folder: no character but the main one can
// be changed, nor made.
std::optional<CharacterResult> blocked(const CharacterList& list) {
    for (const CharacterResult& notice : list.notices)
        if (notice.problem == CharacterProblem::FolderIsFile || notice.problem == CharacterProblem::FolderUnreadable)
            return notice;
    return std::nullopt;
}

}  // namespace

fs::path characters_folder(const fs::path& data_dir) { return data_dir / to_path(utf8(characters_folder_name)); }

fs::path Character::clear_file() const { return folder / clear_file_name; }

QString character_message(const CharacterResult& result) {
    using enum CharacterProblem;
    std::string_view text;
    switch (result.problem) {
        case None: return {};
        case EmptyName: text = "名前を入力してください。"; break;
        case NameTooLong: text = "名前は32文字までです。"; break;
        case ForbiddenCharacter: text = "名前には \\ / : * ? \" < > | を使えません。"; break;
        case ControlCharacter: text = "名前には制御文字を使えません。"; break;
        case DotName: text = "「.」と「..」は名前にできません。"; break;
        case EndsWithDotOrSpace: text = "名前の最後を「.」や空白にはできません。"; break;
        case ReservedName: text = "その名前はシステムかKestrowが使うため、使えません。"; break;
        case NameTaken: text = "同じ名前のキャラクターがすでにあります（大文字と小文字は区別しません）。"; break;
        case NoSuchCharacter: text = "その名前のキャラクターはいません。"; break;
        case MainNotRemoved: text = "最初のキャラクターは削除できません。"; break;
        case CannotWrite: text = "キャラクターのフォルダーを作成または変更できません。"; break;
        case FolderIsFile:
            text = "キャラクターのフォルダーの場所にファイルがあるため、ほかのキャラクターを使えません。";
            break;
        case FolderUnreadable: text = "キャラクターのフォルダーを読み込めません。"; break;
        case UnusableFolderName: text = "キャラクターの名前に使えないフォルダー名のため、無視しました。"; break;
        case NameClash: text = "大文字と小文字だけが違う名前のキャラクターがあるため、無視しました。"; break;
        case MainNameUnreadable: text = "最初のキャラクターの名前を読み込めないため、「メイン」としました。"; break;
    }
    if (result.path.empty()) return utf8(text);
    return utf8(text) + QStringLiteral("\n\n") + QDir::toNativeSeparators(to_qstring(result.path));
}

CharacterProblem check_character_name(const QString& name) {
    using enum CharacterProblem;
    if (name.isEmpty()) return EmptyName;
    // A lone surrogate has no file name on either system.
    if (!name.isValidUtf16()) return ControlCharacter;
    const auto characters = name.toUcs4();
    if (characters.size() > longest_character_name) return NameTooLong;
    for (const char32_t c : characters) {
        if (QChar::category(c) == QChar::Other_Control) return ControlCharacter;
        if (c < 0x80 && std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return ForbiddenCharacter;
    }
    if (name == u"." || name == u"..") return DotName;
    if (name.endsWith(u'.') || name.back().isSpace()) return EndsWithDotOrSpace;
    if (is_reserved(name)) return ReservedName;
    return None;
}

const Character* CharacterList::find(const QString& name) const {
    const auto hit =
        std::find_if(characters.begin(), characters.end(), [&](const Character& c) { return same_name(c.name, name); });
    return hit == characters.end() ? nullptr : &*hit;
}

CharacterList list_characters(const fs::path& data_dir) {
    CharacterList list;
    list.characters.push_back({utf8(default_main_name), data_dir, true});
    const fs::path folder = characters_folder(data_dir);
    if (!exists_at(folder)) return list;
    std::error_code ec;
    const auto status = fs::status(folder, ec);
    if (ec || !fs::is_directory(status)) {
        list.notices.push_back({ec ? CharacterProblem::FolderUnreadable : CharacterProblem::FolderIsFile, folder});
        return list;
    }
    if (const auto name = read_main_name(data_dir)) {
        if (!name->isEmpty()) list.characters.front().name = *name;
    } else {
        list.notices.push_back({CharacterProblem::MainNameUnreadable, main_name_file(data_dir)});
    }

    std::vector<Character> found;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code entry_ec;
        if (!it->is_directory(entry_ec)) continue;  // files, and links that lead nowhere
        const QString name = to_qstring(it->path().filename());
        if (name == utf8(removed_folder_name)) continue;
        if (check_character_name(name) != CharacterProblem::None)
            list.notices.push_back({CharacterProblem::UnusableFolderName, it->path()});
        else
            found.push_back({canonical(name), it->path(), false});
    }
    if (ec) list.notices.push_back({CharacterProblem::FolderUnreadable, folder});
    // By name ignoring case; of names that differ only in case, the first in
    // code point order is the one listed, whatever order the system gave.
    std::sort(found.begin(), found.end(), [](const Character& a, const Character& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (Character& character : found) {
        if (list.find(character.name))
            list.notices.push_back({CharacterProblem::NameClash, character.folder});
        else
            list.characters.push_back(std::move(character));
    }
    return list;
}

CharacterResult create_character(const fs::path& data_dir, const QString& wanted) {
    const QString name = canonical(wanted);
    if (const auto problem = check_character_name(name); problem != CharacterProblem::None) return {problem, {}};
    const CharacterList list = list_characters(data_dir);
    if (const auto notice = blocked(list)) return *notice;
    if (const Character* taken = list.find(name)) return {CharacterProblem::NameTaken, taken->folder};
    const fs::path folder = characters_folder(data_dir) / to_path(name);
    // A file of that name, or a folder left out of the list: never taken over.
    if (exists_at(folder)) return {CharacterProblem::NameTaken, folder};
    std::error_code ec;
    if (!fs::create_directories(folder, ec)) return {CharacterProblem::CannotWrite, folder};
    return {CharacterProblem::None, folder};
}

CharacterResult rename_character(const fs::path& data_dir, const QString& name, const QString& wanted) {
    const QString new_name = canonical(wanted);
    if (const auto problem = check_character_name(new_name); problem != CharacterProblem::None) return {problem, {}};
    const CharacterList list = list_characters(data_dir);
    const Character* character = list.find(name);
    if (!character) {
        if (const auto notice = blocked(list)) return *notice;
        return {CharacterProblem::NoSuchCharacter, {}};
    }
    const Character* holder = list.find(new_name);
    if (holder && holder != character) return {CharacterProblem::NameTaken, holder->folder};
    if (character->main) {
        if (const auto notice = blocked(list)) return *notice;
        if (!write_main_name(data_dir, new_name)) return {CharacterProblem::CannotWrite, main_name_file(data_dir)};
        return {CharacterProblem::None, main_name_file(data_dir)};
    }
    const fs::path target = characters_folder(data_dir) / to_path(new_name);
    std::error_code ec;
    // Only the case changes: on Windows the target "exists", as this very folder.
    if (target != character->folder && exists_at(target) && !fs::equivalent(target, character->folder, ec))
        return {CharacterProblem::NameTaken, target};
    fs::rename(character->folder, target, ec);
    if (ec) return {CharacterProblem::CannotWrite, character->folder};
    return {CharacterProblem::None, target};
}

CharacterResult remove_character(const fs::path& data_dir, const QString& name) {
    const CharacterList list = list_characters(data_dir);
    const Character* character = list.find(name);
    if (!character) return {CharacterProblem::NoSuchCharacter, {}};
    if (character->main) return {CharacterProblem::MainNotRemoved, {}};
    const fs::path removed = characters_folder(data_dir) / to_path(utf8(removed_folder_name));
    std::error_code ec;
    fs::create_directories(removed, ec);
    if (ec || !fs::is_directory(removed, ec)) return {CharacterProblem::CannotWrite, removed};
    const QString folder_name = to_qstring(character->folder.filename());
    fs::path target = removed / character->folder.filename();
    for (int number = 2; exists_at(target); ++number) target = removed / to_path(folder_name + u'-' + QString::number(number));
    fs::rename(character->folder, target, ec);
    if (ec) return {CharacterProblem::CannotWrite, character->folder};
    return {CharacterProblem::None, target};
}

QStringList OtherCharactersClears::names(const fs::path& data_dir, const QString& current, std::string_view code) {
    QStringList names;
    for (const Character& character : list_characters(data_dir).characters)
        if (!same_name(character.name, current) && holds(character.clear_file(), code)) names << character.name;
    return names;
}

bool OtherCharactersClears::holds(const fs::path& clear_file, std::string_view code) {
    // Time and size before reading: a file replaced meanwhile is read again next time.
    std::error_code ec;
    const auto modified = fs::last_write_time(clear_file, ec);
    const auto size = ec ? 0 : fs::file_size(clear_file, ec);
    if (ec) {
        files_.erase(clear_file);  // gone, or never saved: nothing cleared
        return false;
    }
    const auto cached = files_.find(clear_file);
    if (cached == files_.end() || cached->second.modified != modified || cached->second.size != size) {
        const TextFile file = read_text_file(clear_file, FileKind::Clear, cp932_converter());
        Keys keys{modified, size, {}};
        for (const auto line : text_lines(file.text()))
            if (const auto key = clear_key(line); !key.empty()) keys.sorted.emplace_back(key);
        std::sort(keys.sorted.begin(), keys.sorted.end());
        files_.insert_or_assign(clear_file, std::move(keys));
    }
    const auto& sorted = files_.at(clear_file).sorted;
    return std::binary_search(sorted.begin(), sorted.end(), code);
}

}  // namespace kestrow
