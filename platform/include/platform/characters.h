#pragma once
// Several characters on one data folder, sharing its one Kestrow.txt. The
// first character keeps ClrList.txt and ClrList.history beside Kestrow.txt,
// where they always were, so its files never move; it is called メイン until
// renamed, and that name lives in キャラクター/メイン名.txt. Every further
// character has a folder キャラクター/NAME/ holding its own ClrList.txt and
// ClrList.history. Nothing here ever deletes progress: a removed character's
// folder moves to キャラクター/.削除済み/.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow {

inline constexpr std::string_view characters_folder_name = "キャラクター";
inline constexpr std::string_view removed_folder_name = ".削除済み";
inline constexpr std::string_view main_name_file_name = "メイン名.txt";
inline constexpr std::string_view default_main_name = "メイン";
inline constexpr int longest_character_name = 32;  // characters, not bytes

std::filesystem::path characters_folder(const std::filesystem::path& data_dir);

struct Character {
    QString name;                  // as shown and as looked for
    std::filesystem::path folder;  // holds its ClrList.txt: the data folder for the main character
    bool main = false;
    std::filesystem::path clear_file() const;
};

// Why a name cannot be taken, why an operation failed, or what listing the
// characters found that the player should look at.
enum class CharacterProblem {
    None,
    // The rules of a name.
    EmptyName,
    NameTooLong,
    ForbiddenCharacter,  // \ / : * ? " < > |
    ControlCharacter,
    DotName,             // "." or ".."
    EndsWithDotOrSpace,  // Windows drops those, so the folder would not be found there
    ReservedName,        // a device name of Windows, or an entry of the program's own
    NameTaken,           // another character has it, ignoring case
    // Operations.
    NoSuchCharacter,
    MainNotRemoved,
    CannotWrite,
    // Listing.
    FolderIsFile,        // キャラクター is not a folder: only the main character
    FolderUnreadable,
    UnusableFolderName,  // a folder made by hand whose name breaks a rule: left out
    NameClash,           // a folder whose name differs from a listed one only in case: left out
    MainNameUnreadable,  // メイン名.txt holds no usable name: メイン is used
};

struct CharacterResult {
    CharacterProblem problem = CharacterProblem::None;
    // The file or folder concerned. After a success, where the character's
    // name or files are now (for a removed one, its folder under .削除済み).
    std::filesystem::path path;
    bool ok() const { return problem == CharacterProblem::None; }
};

// The sentence for the player, then the path concerned when there is one.
QString character_message(const CharacterResult& result);

// The rules a name must keep, every one but being unique.
CharacterProblem check_character_name(const QString& name);

struct CharacterList {
    std::vector<Character> characters;    // the main character first, then the others by name
    std::vector<CharacterResult> notices;  // in the order found
    // The character of that name, ignoring case; nullptr when none.
    const Character* find(const QString& name) const;
};

CharacterList list_characters(const std::filesystem::path& data_dir);

// Makes the character's folder; its list is empty, as at a first start.
CharacterResult create_character(const std::filesystem::path& data_dir, const QString& name);
// The main character's new name is stored; any other's folder is renamed.
CharacterResult rename_character(const std::filesystem::path& data_dir, const QString& name, const QString& new_name);
// Moves the folder to .削除済み (NAME, else NAME-2, NAME-3, ...). Never the main character.
CharacterResult remove_character(const std::filesystem::path& data_dir, const QString& name);

// Which other characters have cleared a quest. Their clear files are read
// without any lock (a save replaces a file whole, so a reader sees the old
// one or the new one) and only again when a file's time or size changed,
// so that stepping through quests does not reread every file.
class OtherCharactersClears {
public:
    // The names, in list order, of the characters other than current whose
    // ClrList.txt holds code (a clear key, code page 932).
    QStringList names(const std::filesystem::path& data_dir, const QString& current, std::string_view code);

private:
    bool holds(const std::filesystem::path& clear_file, std::string_view code);

    struct Keys {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        std::vector<std::string> sorted;
    };
    std::map<std::filesystem::path, Keys> files_;
};

}  // namespace kestrow
