#pragma once
// kestrow-cli's commands as functions, so that they run inside a test as well
// as from main: each writes to an Output and returns the exit status.

#include <QString>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "catalogue/catalogue.h"
#include "platform/document_core.h"

namespace kestrow::cli {

inline constexpr int exit_ok = 0;
inline constexpr int exit_file_error = 1;
inline constexpr int exit_usage = 2;

// Where bytes go: standard output or error, or a test's recorder.
class Sink {
public:
    virtual ~Sink() = default;
    // False when not all the bytes could be written.
    virtual bool write(std::string_view bytes) = 0;
    // False when something written earlier is lost.
    virtual bool flush() = 0;
};

class FileSink final : public Sink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool write(std::string_view bytes) override;
    bool flush() override;

private:
    std::FILE* file_;
};

// A command's output and the messages for the user. Output that could not be
// written is a failure: a script must not take a cut-off list for the whole.
class Output {
public:
    Output(Sink& out, Sink& err, bool cp932 = false, bool json = false)
        : out_(out), err_(err), cp932_(cp932), json_(json) {}
    // Whether the command's result goes out as a JSON array of objects.
    bool json() const { return json_; }
    // Catalogue text (code page 932), written as UTF-8 unless raw bytes were asked for.
    void text(std::string_view cp932_bytes);
    void bytes(std::string_view bytes);
    Sink& err() { return err_; }
    // The status to exit with: status, or a failure when the output did not
    // all reach its destination.
    int finish(int status);

private:
    Sink& out_;
    Sink& err_;
    bool cp932_;
    bool json_;
    bool failed_ = false;
};

enum class Command { Help, Categories, Stats, List, Search, Copy, Tick, Untick, History, Restore, Characters, Changes };

struct Request {
    Command command = Command::Help;
    QString argument;
    std::optional<std::filesystem::path> dir;  // none: the default data folder
    std::optional<QString> character;          // none: the main character
    bool cp932 = false;
    bool loose = false;  // search: kana, width and case folded, only what a row shows
    bool json = false;  // categories, stats, list and search only
};

struct UsageError {
    std::string what;
};

// args without the program's name.
std::variant<Request, UsageError> parse_arguments(const QStringList& args);

struct Loaded {
    DocumentCore doc;
    bool data_loaded = false;
    int status = exit_ok;  // a file could not be read: exit_file_error
};

// Reads the two files from dir, reporting every problem to err.
Loaded load(const std::filesystem::path& dir, Sink& err);
// The same with a character's own clear file.
Loaded load(const std::filesystem::path& dir, const std::filesystem::path& clear_file, Sink& err);
// Saves ClrList.txt, reporting a failure to err; the exit status.
int save(DocumentCore& doc, Sink& err);

int categories(const Loaded& in, Output& out);
int stats(const Loaded& in, Output& out);
int list(Loaded& in, const QString& code, Output& out);
int search(Loaded& in, const QString& text, Output& out, bool loose = false);
int copy(Loaded& in, const QString& code, Output& out);
int tick(Loaded& in, const QString& quest_code, Output& out);
int untick(Loaded& in, const QString& quest_code, Output& out);
int history(const std::filesystem::path& dir, Output& out);
int restore(Loaded& in, const QString& number, Output& out);
// What changed in Kestrow.txt since the window last showed it (Kestrow.seen),
// writing nothing: new and gone Codes, and how many gone ones were cleared.
int changes(Loaded& in, Output& out);
// Every character of dir: name, cleared quest lines, all quest lines.
int characters(const std::filesystem::path& dir, Output& out);

// The whole program: parses args (without the program's name), runs the
// command and returns the exit status.
int run(const QStringList& args, Sink& out, Sink& err);

}  // namespace kestrow::cli
