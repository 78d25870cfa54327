#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <utility>

#include "catalogue/bytes.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/current_quest.h"
#include "catalogue/loader.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"
#include "platform/characters.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"
#include "platform/data_folder.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace kestrow::cli {

namespace {

constexpr std::string_view usage_text =
    "Usage: kestrow-cli [--dir DIR] [--character NAME] [--cp932 | --json] COMMAND [--loose] [ARGUMENT]\n"
    "\n"
    "Reads Kestrow.txt and ClrList.txt from DIR. Without --dir: the folder of this\n"
    "program if it holds Kestrow.txt, or if it may be written and is not where the\n"
    "program is installed; else the user's data folder.\n"
    "\n"
    "Commands:\n"
    "  categories      the category chooser's entries: code, a tab, the text\n"
    "  stats           each entry's progress: code, text, quests cleared, quests shown\n"
    "  list CODE       the rows of category CODE: icon index, a tab, the seven columns\n"
    "  search TEXT     search for TEXT, then the rows as 'list' prints them\n"
    "  search --loose TEXT\n"
    "                  the same, kana, full and half width and case alike, in what\n"
    "                  a row shows and at the start of the Code\n"
    "  copy CODE       the text that Copy puts on the clipboard for category CODE\n"
    "  tick CODE       mark every quest with Code CODE cleared, then save ClrList.txt\n"
    "  untick CODE     mark every quest with Code CODE not cleared, then save\n"
    "  history         the earlier versions of ClrList.txt kept in ClrList.history:\n"
    "                  number, file name, number of Codes; newest first\n"
    "  restore N       make version N of the history the current ClrList.txt\n"
    "  characters      every character: name, quests cleared, all quests\n"
    "  changes         what changed in Kestrow.txt since the window last showed it:\n"
    "                  counts, then '+' and each new Code, '-' and each gone one\n"
    "                  (a tab and 1 when the clear list holds it); writes nothing\n"
    "\n"
    "Options:\n"
    "  --dir DIR       the folder that holds the two files\n"
    "  --character NAME\n"
    "                  that character's ClrList.txt and history (default: the first\n"
    "                  one's, beside Kestrow.txt); a NAME that no character has\n"
    "                  exits with 1\n"
    "  --cp932         write code page 932 bytes instead of UTF-8\n"
    "  --json          categories, stats, list, search: a JSON array (UTF-8) of one\n"
    "                  object per line, its keys always in the order README lists\n"
    "  --help          show this text\n"
    "\n"
    "Inside a cell a line break is written as the two characters \\n.\n"
    "A save first reads ClrList.txt again and keeps what another program saved there.\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.\n";

void say(Sink& err, std::string_view text) {
    err.write(text);
    err.flush();
}

void tell(Sink& err, const QString& text) { say(err, text.toUtf8().toStdString() + "\n"); }

void report(Sink& err, Message message, const std::filesystem::path& path) { tell(err, report_text(message, path)); }

int usage_error(Sink& err, std::string_view what) {
    say(err, "kestrow-cli: " + std::string(what) + "\n\n" + std::string(usage_text));
    return exit_usage;
}

std::optional<int> parse_number(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

// One row per output line: a line break inside a cell becomes the two characters \n.
std::string cell_for_output(std::string_view cell) { return replace_all(cell, "\r\n", "\\n"); }

// A catalogue text as a JSON string (UTF-8); a line break inside a cell is
// one \n, as the text output writes it.
std::string json_string(std::string_view cp932_text) {
    const QByteArray utf8 = from_cp932(replace_all(cp932_text, "\r\n", "\n")).toUtf8();
    std::string quoted = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted.push_back('\\');
            quoted.push_back(c);
        } else if (c == '\n') {
            quoted.append("\\n");
        } else if (byte < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            quoted.append("\\u00");
            quoted.push_back(hex[byte >> 4]);
            quoted.push_back(hex[byte & 0xF]);
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('"');
    return quoted;
}

// One JSON object, its members in the order they are added, so that the
// order scripts see is the one README documents.
class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view cp932_value) { return add(key, json_string(cp932_value)); }
    JsonObject& number(std::string_view key, int value) { return add(key, std::to_string(value)); }
    JsonObject& flag(std::string_view key, bool value) { return add(key, value ? "true" : "false"); }
    std::string str() const { return members_ + '}'; }

private:
    JsonObject& add(std::string_view key, std::string_view value) {
        members_.append(members_.size() == 1 ? "\"" : ",\"").append(key).append("\":").append(value);
        return *this;
    }
    std::string members_ = "{";
};

// A JSON array with one object per line, written as it goes.
class JsonArray {
public:
    explicit JsonArray(Output& out) : out_(out) { out_.bytes("["); }
    void add(const JsonObject& object) {
        out_.bytes(empty_ ? "\n" : ",\n");
        out_.bytes(object.str());
        empty_ = false;
    }
    void close() { out_.bytes(empty_ ? "]\n" : "\n]\n"); }

private:
    Output& out_;
    bool empty_ = true;
};

void print_rows_as_json(const Catalogue& state, Output& out) {
    JsonArray array(out);
    for (std::size_t i = 0; i < state.rows.size(); ++i) {
        const Row& row = state.rows[i];
        const CurrentQuest q = load_current_quest(state, i);
        array.add(JsonObject()
                      .text("code", q.code)
                      .text("name", q.name)
                      .text("reward", q.reward)
                      .text("location", q.location)
                      .text("condition", q.condition)
                      .text("details", q.details)
                      .text("repeat", q.repeat_mark)
                      .text("area", cell_text(state, row, 6))
                      .flag("cleared", q.cleared != 0)
                      .number("icon", row.icon));
    }
    array.close();
}

void print_rows(const Catalogue& state, Output& out) {
    if (out.json()) return print_rows_as_json(state, out);
    for (const Row& row : state.rows) {
        std::string line = std::to_string(row.icon);
        for (int column = 0; column < column_count; ++column) {
            line.push_back('\t');
            line.append(cell_for_output(cell_text(state, row, column)));
        }
        line.push_back('\n');
        out.text(line);
    }
}

// Shows the category with that code as the chooser would; false when the
// text is no number.
bool show_category(DocumentCore& doc, const QString& code_text) {
    const auto code = parse_number(code_text);
    if (!code) return false;
    doc.showCategory(*code);
    return true;
}

// The number of Codes in a clear file.
std::size_t codes_in(const std::filesystem::path& clear_file) {
    return code_count(read_text_file(clear_file, FileKind::Clear, cp932_converter()).text());
}

// The folder of the chosen character's ClrList.txt and its history: dir for
// the main character; nothing, once said, for a name that no character has.
std::optional<std::filesystem::path> character_folder(const std::filesystem::path& dir,
                                                      const std::optional<QString>& name, Sink& err) {
    if (!name) return dir;
    const CharacterList list = list_characters(dir);
    if (const Character* character = list.find(*name)) return character->folder;
    for (const CharacterResult& notice : list.notices) tell(err, character_message(notice));
    tell(err, "kestrow-cli: " + character_message({CharacterProblem::NoSuchCharacter, {}}) + "\n\n" + *name);
    return std::nullopt;
}

bool is_warning(Message message) {
    return message == Message::DataFileCharsReplaced || message == Message::ClearFileCharsReplaced;
}

int set_cleared_and_save(Loaded& in, const QString& quest_code, bool cleared, Output& out) {
    if (!in.data_loaded) return out.finish(exit_file_error);
    const auto code = to_cp932(quest_code);
    const ClearChange change = code ? in.doc.setCleared(*code, cleared) : ClearChange{};
    if (change.lines == 0) return usage_error(out.err(), "no quest carries that Code");
    return out.finish(std::max(in.status, save(in.doc, out.err())));
}

}  // namespace

bool FileSink::write(std::string_view bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool FileSink::flush() { return std::fflush(file_) == 0 && !std::ferror(file_); }

void Output::bytes(std::string_view bytes) {
    // After a failure the output is cut short anyway: stop writing.
    if (!failed_ && !out_.write(bytes)) failed_ = true;
}

void Output::text(std::string_view cp932_bytes) {
    if (cp932_) return bytes(cp932_bytes);
    const QByteArray utf8 = from_cp932(cp932_bytes).toUtf8();
    bytes(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

int Output::finish(int status) {
    if (!out_.flush()) failed_ = true;
    if (!failed_) return status;
    say(err_, "kestrow-cli: 出力を書き込めません。\n");
    return std::max(status, exit_file_error);
}

std::variant<Request, UsageError> parse_arguments(const QStringList& args) {
    static constexpr std::array<std::pair<const char*, Command>, 11> commands{{
        {"categories", Command::Categories},
        {"stats", Command::Stats},
        {"list", Command::List},
        {"search", Command::Search},
        {"copy", Command::Copy},
        {"tick", Command::Tick},
        {"untick", Command::Untick},
        {"history", Command::History},
        {"restore", Command::Restore},
        {"characters", Command::Characters},
        {"changes", Command::Changes},
    }};
    Request request;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            request.command = Command::Help;
            return request;
        }
        if (a == "--cp932") {
            request.cp932 = true;
        } else if (a == "--loose") {
            request.loose = true;
        } else if (a == "--json") {
            request.json = true;
        } else if (a == "--dir") {
            if (++i >= args.size()) return UsageError{"--dir needs a folder"};
            request.dir = to_path(args[i]);
        } else if (a == "--character") {
            if (++i >= args.size()) return UsageError{"--character needs a name"};
            request.character = args[i];
        } else if (a.startsWith("--") && words.isEmpty()) {
            return UsageError{("unknown option " + a).toLocal8Bit().toStdString()};
        } else {
            words << a;
        }
    }
    if (words.isEmpty()) return UsageError{"no command given"};
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&](const auto& entry) { return words.front() == QLatin1String(entry.first); });
    if (known == commands.end()) return UsageError{("unknown command " + words.front()).toLocal8Bit().toStdString()};
    request.command = known->second;
    const bool needs_argument = request.command != Command::Categories && request.command != Command::Stats &&
                                request.command != Command::History && request.command != Command::Characters &&
                                request.command != Command::Changes;
    if (needs_argument && words.size() != 2) return UsageError{"this command takes exactly one argument"};
    if (!needs_argument && words.size() != 1) return UsageError{"this command takes no argument"};
    if (needs_argument) request.argument = words[1];
    if (request.loose && request.command != Command::Search) return UsageError{"--loose is for search only"};
    if (request.json) {
        const Command c = request.command;
        if (c != Command::Categories && c != Command::Stats && c != Command::List && c != Command::Search)
            return UsageError{"--json goes only with categories, stats, list and search"};
        if (request.cp932) return UsageError{"--json writes UTF-8: it does not go with --cp932"};
    }
    return request;
}

// Loading and saving go through the core that the window's document stands
// on too; these two only report.
Loaded load(const std::filesystem::path& dir, Sink& err) { return load(dir, dir / clear_file_name, err); }

Loaded load(const std::filesystem::path& dir, const std::filesystem::path& clear_file, Sink& err) {
    Loaded in;
    const LoadReport loaded = in.doc.load(dir, clear_file);
    in.data_loaded = loaded.data_loaded;
    for (const auto& notice : loaded.notices) {
        report(err, notice.message, notice.path);
        if (!is_warning(notice.message)) in.status = exit_file_error;
    }
    return in;
}

int save(DocumentCore& doc, Sink& err) {
    const DiskSave saved = doc.save();
    const std::filesystem::path& path = doc.catalogue().clear_file_path;
    if (saved.history_failed) report(err, Message::HistoryNotKept, history_folder(path));
    if (saved.outcome == SaveOutcome::Saved) return exit_ok;
    report(err, save_message(saved.outcome), saved.path);
    return exit_file_error;
}

int categories(const Loaded& in, Output& out) {
    const auto& chooser = in.doc.catalogue().chooser;
    if (out.json()) {
        JsonArray array(out);
        for (const auto& entry : chooser) array.add(JsonObject().number("code", entry.code).text("text", entry.text));
        array.close();
    } else {
        for (const auto& entry : chooser)
            out.text(std::to_string(entry.code) + "\t" + cell_for_output(entry.text) + "\n");
    }
    return out.finish(in.status);
}

int stats(const Loaded& in, Output& out) {
    const Catalogue& state = in.doc.catalogue();
    const std::vector<Progress> figures = chooser_progress(state);
    if (out.json()) {
        JsonArray array(out);
        for (std::size_t i = 0; i < figures.size(); ++i)
            array.add(JsonObject()
                          .number("code", state.chooser[i].code)
                          .text("text", state.chooser[i].text)
                          .number("cleared", figures[i].cleared)
                          .number("shown", figures[i].shown));
        array.close();
    } else {
        for (std::size_t i = 0; i < figures.size(); ++i)
            out.text(std::to_string(state.chooser[i].code) + "\t" + cell_for_output(state.chooser[i].text) + "\t" +
                     std::to_string(figures[i].cleared) + "\t" + std::to_string(figures[i].shown) + "\n");
    }
    return out.finish(in.status);
}

int list(Loaded& in, const QString& code, Output& out) {
    if (!show_category(in.doc, code)) return usage_error(out.err(), "CODE must be a whole number");
    print_rows(in.doc.catalogue(), out);
    return out.finish(in.status);
}

int search(Loaded& in, const QString& text, Output& out, bool loose) {
    // A text with no code page 932 form can be in no line: it finds nothing,
    // and the list stays as loading left it, empty.
    if (const auto bytes = to_cp932(text)) in.doc.search(*bytes, loose);
    print_rows(in.doc.catalogue(), out);
    return out.finish(in.status);
}

int copy(Loaded& in, const QString& code, Output& out) {
    if (!show_category(in.doc, code)) return usage_error(out.err(), "CODE must be a whole number");
    out.text(copy_text(in.doc.catalogue()));
    return out.finish(in.status);
}

int tick(Loaded& in, const QString& quest_code, Output& out) { return set_cleared_and_save(in, quest_code, true, out); }

int untick(Loaded& in, const QString& quest_code, Output& out) {
    return set_cleared_and_save(in, quest_code, false, out);
}

int history(const std::filesystem::path& dir, Output& out) {
    const auto versions = history_versions(dir / clear_file_name);
    for (std::size_t i = 0; i < versions.size(); ++i)
        out.bytes(std::to_string(i + 1) + "\t" + to_qstring(versions[i].filename()).toStdString() + "\t" +
                  std::to_string(codes_in(versions[i])) + "\n");
    return out.finish(exit_ok);
}

int changes(Loaded& in, Output& out) {
    const CatalogueChanges found = in.doc.compareWithSeen();
    out.text("new\t" + std::to_string(found.added.size()) + "\ngone\t" + std::to_string(found.gone.size()) +
             "\ngone cleared\t" + std::to_string(found.gone_cleared) + "\n");
    for (const auto& code : found.added) out.text("+\t" + code + "\n");
    const std::vector<std::string> cleared = cleared_among(in.doc.catalogue(), found.gone);
    for (const auto& code : found.gone)
        out.text("-\t" + code + (std::binary_search(cleared.begin(), cleared.end(), code) ? "\t1\n" : "\n"));
    return out.finish(in.status);
}

int restore(Loaded& in, const QString& number, Output& out) {
    const auto versions = history_versions(in.doc.catalogue().clear_file_path);
    const auto chosen_number = parse_number(number);
    if (!chosen_number || *chosen_number < 1 || static_cast<std::size_t>(*chosen_number) > versions.size())
        return usage_error(out.err(), "N must be a number that 'history' lists");
    const auto& chosen = versions[static_cast<std::size_t>(*chosen_number) - 1];
    const TextFile version = read_text_file(chosen, FileKind::Clear, cp932_converter());
    if (version.status != ReadStatus::Ok) {
        report(out.err(), Message::ClearFileUnreadable, chosen);
        return out.finish(exit_file_error);
    }
    in.doc.takeClearText(version.text());
    return out.finish(std::max(in.status, save(in.doc, out.err())));
}

int characters(const std::filesystem::path& dir, Output& out) {
    const CharacterList list = list_characters(dir);
    // What the listing found is something the player must see to: the list is not whole.
    for (const CharacterResult& notice : list.notices) tell(out.err(), character_message(notice));
    int status = list.notices.empty() ? exit_ok : exit_file_error;
    // The catalogue is read once, each character's list on it.
    const CatalogueFiles shared = read_catalogue_files(dir, cp932_converter());
    if (shared.data.status != ReadStatus::Ok) {
        const bool missing = shared.data.status == ReadStatus::Missing;
        report(out.err(), missing ? Message::DataFileMissing : Message::DataFileUnreadable, shared.data_path);
        status = exit_file_error;
    }
    for (const Character& character : list.characters) {
        CatalogueFiles files = shared;
        files.clear_path = character.clear_file();
        files.clear = read_text_file(files.clear_path, FileKind::Clear, cp932_converter());
        if (files.clear.status == ReadStatus::Unreadable) {
            report(out.err(), Message::ClearFileUnreadable, files.clear_path);
            status = exit_file_error;
        }
        Catalogue state;
        load_catalogue(state, files);
        const Progress progress = overall_progress(state);
        // A name is written as code page 932 bytes under --cp932 when it has such a form.
        const auto bytes = to_cp932(character.name);
        if (bytes && from_cp932(*bytes) == character.name)
            out.text(*bytes);
        else
            out.bytes(character.name.toUtf8().toStdString());
        out.bytes('\t' + std::to_string(progress.cleared) + '\t' + std::to_string(progress.shown) + '\n');
    }
    return out.finish(status);
}

int run(const QStringList& args, Sink& out_sink, Sink& err) {
    const auto parsed = parse_arguments(args);
    if (const auto* wrong = std::get_if<UsageError>(&parsed)) return usage_error(err, wrong->what);
    const Request& request = std::get<Request>(parsed);
    Output out(out_sink, err, request.cp932, request.json);
    if (request.command == Command::Help) {
        out.bytes(usage_text);
        return out.finish(exit_ok);
    }
    if (!cp932_available()) {
        say(err, utf8(message_text(Message::ConverterMissing)).toUtf8().toStdString() + "\n");
        return exit_file_error;
    }
    // Looked for (and the per-user one made) only when no folder was given.
    const std::filesystem::path dir = request.dir ? *request.dir : to_path(default_data_folder());
    if (request.command == Command::Characters) return characters(dir, out);
    const auto own = character_folder(dir, request.character, err);
    if (!own) return exit_file_error;
    if (request.command == Command::History) return history(*own, out);

    Loaded in = load(dir, *own / clear_file_name, err);
    switch (request.command) {
        case Command::Categories: return categories(in, out);
        case Command::Stats: return stats(in, out);
        case Command::List: return list(in, request.argument, out);
        case Command::Search: return search(in, request.argument, out, request.loose);
        case Command::Copy: return copy(in, request.argument, out);
        case Command::Tick: return tick(in, request.argument, out);
        case Command::Untick: return untick(in, request.argument, out);
        case Command::Restore: return restore(in, request.argument, out);
        case Command::Changes: return changes(in, out);
        case Command::Help:
        case Command::History:
        case Command::Characters: break;
    }
    return exit_usage;
}

}  // namespace kestrow::cli
