// kestrow-cli: the catalogue from the command line, for scripts and for
// checking a catalogue without the window.

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "catalogue/area_index.h"
#include "catalogue/bytes.h"
#include "catalogue/clear_state.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/filter.h"
#include "catalogue/loader.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"
#include "platform/clear_file_writer.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/data_folder.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace {

using namespace kestrow;

constexpr int exit_ok = 0;
constexpr int exit_file_error = 1;
constexpr int exit_usage = 2;

constexpr const char* usage_text =
    "Usage: kestrow-cli [--dir DIR] [--cp932] COMMAND [ARGUMENT]\n"
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
    "  copy CODE       the text that Copy puts on the clipboard for category CODE\n"
    "  tick CODE       mark every quest with Code CODE cleared, then save ClrList.txt\n"
    "  untick CODE     mark every quest with Code CODE not cleared, then save\n"
    "  history         the earlier versions of ClrList.txt kept in ClrList.history:\n"
    "                  number, file name, number of Codes; newest first\n"
    "  restore N       make version N of the history the current ClrList.txt\n"
    "\n"
    "Options:\n"
    "  --dir DIR       the folder that holds the two files\n"
    "  --cp932         write code page 932 bytes instead of UTF-8\n"
    "  --help          show this text\n"
    "\n"
    "Inside a cell a line break is written as the two characters \\n.\n"
    "A save first reads ClrList.txt again and keeps what another program saved there.\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.\n";

struct Output {
    bool raw = false;
    void write(std::string_view cp932_bytes) const {
        if (raw) {
            std::fwrite(cp932_bytes.data(), 1, cp932_bytes.size(), stdout);
        } else {
            const QByteArray utf8 = from_cp932(cp932_bytes).toUtf8();
            std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
        }
    }
};

void report(Message message, const std::filesystem::path& path) {
    std::fprintf(stderr, "%s\n", report_text(message, path).toUtf8().constData());
}

int usage_error(const char* what) {
    std::fprintf(stderr, "kestrow-cli: %s\n\n%s", what, usage_text);
    return exit_usage;
}

std::optional<int> parse_code(const QString& text) {
    bool ok = false;
    const int code = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return code;
}

// One row per output line: a line break inside a cell becomes the two characters \n.
std::string cell_for_output(std::string_view cell) { return replace_all(cell, "\r\n", "\\n"); }

void print_rows(const Catalogue& state, const Output& out) {
    for (std::size_t row = 0; row < state.rows.size(); ++row) {
        std::string line = std::to_string(state.rows[row].icon);
        for (int column = 0; column < column_count; ++column) {
            line.push_back('\t');
            line.append(cell_for_output(cell_text(state, state.rows[row], column)));
        }
        line.push_back('\n');
        out.write(line);
    }
}

void show_category(Catalogue& state, int code) {
    for (std::size_t i = 0; i < state.chooser.size(); ++i) {
        if (state.chooser[i].code == code) {
            select_entry(state, static_cast<int>(i));
            return;
        }
    }
    build_rows(state, filter_lines(state, code));
}

int save(Catalogue& state) {
    const DiskSave saved = save_clear_file_to_disk(state);
    if (saved.history_failed) report(Message::HistoryNotKept, history_folder(state.clear_file_path));
    if (saved.outcome == SaveOutcome::Saved) return exit_ok;
    report(save_message(saved.outcome), saved.path);
    return exit_file_error;
}

// The number of Codes in a clear file.
std::size_t codes_in(const std::filesystem::path& clear_file) {
    Catalogue keys;
    read_clear_keys(keys, read_text_file(clear_file, FileKind::Clear, cp932_converter()).text());
    return static_cast<std::size_t>(std::count_if(keys.clear_keys.begin(), keys.clear_keys.end(),
                                                  [](const std::string& key) { return !key.empty(); }));
}

bool is_warning(Message message) {
    return message == Message::DataFileCharsReplaced || message == Message::ClearFileCharsReplaced;
}

int run(const QStringList& args) {
    std::optional<std::filesystem::path> dir;
    Output out;
    QStringList words;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(usage_text, stdout);
            return exit_ok;
        }
        if (a == "--cp932") {
            out.raw = true;
        } else if (a == "--dir") {
            if (++i >= args.size()) return usage_error("--dir needs a folder");
            dir = to_path(args[i]);
        } else if (a.startsWith("--") && words.isEmpty()) {
            return usage_error(("unknown option " + a).toLocal8Bit().constData());
        } else {
            words << a;
        }
    }
    if (words.isEmpty()) return usage_error("no command given");
    const QString command = words.front();
    static const QStringList known{"categories", "stats", "list", "search", "copy", "tick", "untick", "history", "restore"};
    if (!known.contains(command)) return usage_error(("unknown command " + command).toLocal8Bit().constData());
    const bool needs_argument = command != "categories" && command != "stats" && command != "history";
    if (needs_argument && words.size() != 2) return usage_error("this command takes exactly one argument");
    if (!needs_argument && words.size() != 1) return usage_error("this command takes no argument");
    if (!cp932_available()) {
        std::fprintf(stderr, "%s\n", utf8(message_text(Message::ConverterMissing)).toUtf8().constData());
        return exit_file_error;
    }

    // Looked for (and the per-user one made) only when no folder was given.
    if (!dir) dir = to_path(default_data_folder());
    const auto clear_file = *dir / clear_file_name;
    if (command == "history") {
        const auto versions = history_versions(clear_file);
        for (std::size_t i = 0; i < versions.size(); ++i)
            std::printf("%zu\t%s\t%zu\n", i + 1, to_qstring(versions[i].filename()).toUtf8().constData(),
                        codes_in(versions[i]));
        return exit_ok;
    }

    Catalogue state;
    const LoadReport load = load_catalogue(state, *dir, cp932_converter());
    int status = exit_ok;
    for (const auto& notice : load.notices) {
        report(notice.message, notice.path);
        if (!is_warning(notice.message)) status = exit_file_error;
    }
    fill_category_chooser(state);

    if (command == "categories") {
        for (const auto& entry : state.chooser)
            out.write(std::to_string(entry.code) + "\t" + cell_for_output(entry.text) + "\n");
        return status;
    }
    if (command == "stats") {
        const std::vector<Progress> figures = chooser_progress(state);
        for (std::size_t i = 0; i < figures.size(); ++i)
            out.write(std::to_string(state.chooser[i].code) + "\t" + cell_for_output(state.chooser[i].text) + "\t" +
                      std::to_string(figures[i].cleared) + "\t" + std::to_string(figures[i].shown) + "\n");
        return status;
    }
    if (command == "search") {
        // A text with no code page 932 form can be in no line: it finds nothing.
        if (const auto text = to_cp932(words[1])) search_quests(state, *text);
        else state.rows.clear();
        print_rows(state, out);
        return status;
    }
    if (command == "restore") {
        const auto versions = history_versions(clear_file);
        const auto number = parse_code(words[1]);
        if (!number || *number < 1 || static_cast<std::size_t>(*number) > versions.size())
            return usage_error("N must be a number that 'history' lists");
        const auto& chosen = versions[static_cast<std::size_t>(*number) - 1];
        const TextFile version = read_text_file(chosen, FileKind::Clear, cp932_converter());
        if (version.status != ReadStatus::Ok) {
            report(Message::ClearFileUnreadable, chosen);
            return exit_file_error;
        }
        set_clear_keys(state, version.text());
        return std::max(status, save(state));
    }
    if (command == "tick" || command == "untick") {
        if (!load.data_loaded) return exit_file_error;
        const auto quest_code = to_cp932(words[1]);
        const ClearChange change = quest_code ? set_cleared(state, *quest_code, command == "tick") : ClearChange{};
        if (change.lines == 0) return usage_error("no quest carries that Code");
        return std::max(status, save(state));
    }
    const auto code = parse_code(words[1]);
    if (!code) return usage_error("CODE must be a whole number");
    show_category(state, *code);
    if (command == "list") print_rows(state, out);
    else out.write(copy_text(state));
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    kestrow::set_profile_names();
    return run(QCoreApplication::arguments());
}
