// The catalogue library against the literal reference on a large synthetic
// catalogue. Prints Google Benchmark's own report (medians of repetitions)
// and then a table of every figure with its ratio to the reference and its
// target. See README.md in this folder for what each figure covers.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <unordered_set>
#include <vector>

#include "bench/cross_check.h"
#include "bench/generator.h"
#include "bench/literal_reference.h"
#include "catalogue/area_index.h"
#include "catalogue/catalogue.h"
#include "catalogue/clear_state.h"
#include "catalogue/copy_find.h"
#include "catalogue/current_quest.h"
#include "catalogue/filter.h"
#include "catalogue/held_line.h"
#include "catalogue/loader.h"
#include "platform/data_files.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"
#include "platform/clear_file_writer.h"
#include "platform/cp932_codec.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;
namespace kb = kestrow::bench;
namespace lit = kestrow::bench::literal;

// ---------------------------------------------------------------------------
// Settings from the command line (our own flags; the rest go to the library).

struct Settings {
    kb::GeneratorOptions data;                  // the measured catalogue
    int repetitions = 7;                        // per figure; the median is reported
    int reference_load_repetitions = 3;         // each one a single load
    double min_time = 0.2;                      // seconds per repetition
    std::string table_path;                     // also write the summary table here
    bool verify = true;
};

bool take_flag(const std::string& arg, const char* name, std::string& value) {
    const std::string prefix = std::string("--") + name + "=";
    if (arg.rfind(prefix, 0) != 0) return false;
    value = arg.substr(prefix.size());
    return true;
}

Settings parse_settings(int& argc, char** argv) {
    Settings s;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string v;
        if (take_flag(arg, "quests", v)) s.data.quests = std::stoul(v);
        else if (take_flag(arg, "areas", v)) s.data.areas = std::stoul(v);
        else if (take_flag(arg, "keys", v)) s.data.clear_keys = std::stoul(v);
        else if (take_flag(arg, "seed", v)) s.data.seed = std::stoull(v);
        else if (take_flag(arg, "repetitions", v)) s.repetitions = std::stoi(v);
        else if (take_flag(arg, "reference_load_repetitions", v)) s.reference_load_repetitions = std::stoi(v);
        else if (take_flag(arg, "min_time", v)) s.min_time = std::stod(v);
        else if (take_flag(arg, "table", v)) s.table_path = v;
        else if (arg == "--no_verify") s.verify = false;
        else rest.push_back(argv[i]);
    }
    argc = static_cast<int>(rest.size());
    std::copy(rest.begin(), rest.end(), argv);
    return s;
}

// ---------------------------------------------------------------------------
// The data every benchmark works on, prepared once.

struct TempDir {
    fs::path path;
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "kestrow-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

struct Fixture {
    kb::GeneratedCatalogue files;
    TempDir data_dir;   // Kestrow.txt and ClrList.txt, for loading from disk
    TempDir save_dir;   // where the saves go
    kestrow::Catalogue ours;
    lit::State reference;
    int area_entry = -1;  // chooser index of the area with the most quests
    std::map<int, int> entry_of_code;
};

Fixture* fixture = nullptr;

void load_ours(kestrow::Catalogue& c, const kb::GeneratedCatalogue& g) {
    kestrow::read_clear_keys(c, g.clear);
    kestrow::read_data_file(c, g.data);
}

// The reference state for every benchmark but the reference load itself. The
// literal load would take most of the run's time budget just to set up, so
// the loaded arrays are taken from our loader; the reference load benchmark
// checks afterwards that its own result is the same.
void prepare_reference(lit::State& r, const kestrow::Catalogue& ours) {
    r = lit::State{};
    r.clear_keys = ours.clear_keys;
    r.area_lines = ours.area_lines;
    r.quest_lines = ours.quest_lines;
    lit::fill_category_chooser(r);
}

// ---------------------------------------------------------------------------
// The figures mean nothing if the two sides disagree. The full comparison,
// with the literal load and every cell, runs on small catalogues with the
// tests (tests/reference); this one guards the catalogue the figures are
// measured on, where it is cheap: the cells of the first rows only.

bool fail(const std::string& what) {
    std::cerr << "verification failed: " << what << "\n";
    return false;
}

// The words of the loose searches, and the exact searches that must find the
// same lines: the catalogue has those words in the shown fields only, and
// ゼリー in full-width katakana only.
const std::string loose_kana_word = "\xBE\xDE\xD8\xB0";          // ｾﾞﾘｰ
const std::string exact_kana_word = "\x83\x5B\x83\x8A\x81\x5B";  // ゼリー

bool same_loose_search(kestrow::Catalogue& ours) {
    for (const auto& [loose, exact] : {std::pair<std::string, std::string>(kb::search_word(), kb::search_word()),
                                       std::pair(loose_kana_word, exact_kana_word)}) {
        kestrow::search_quests(ours, exact);
        const std::vector<kestrow::Row> exact_rows = ours.rows;
        kestrow::search_quests(ours, loose, true);
        if (ours.rows != exact_rows || exact_rows.empty()) return fail("loose search for " + loose);
    }
    return true;
}

bool verify(const Fixture& f) {
    kestrow::Catalogue big = f.ours;
    lit::State big_ref = f.reference;
    const std::string difference = kb::use_difference(big, big_ref, 50);
    if (!difference.empty()) return fail(difference);
    return same_loose_search(big);
}

// ---------------------------------------------------------------------------
// Helpers for the measured operations.

// The view asks the model only for the cells it shows: about fifty rows.
constexpr std::size_t visible_rows = 50;

std::size_t compute_visible_cells(const kestrow::Catalogue& c, std::size_t first) {
    std::size_t bytes = 0;
    const std::size_t end = std::min(c.rows.size(), first + visible_rows);
    for (std::size_t row = first; row < end; ++row)
        for (int col = 0; col < kestrow::column_count; ++col) bytes += kestrow::cell_text(c, c.rows[row], col).size();
    return bytes;
}

class OfstreamSink final : public kestrow::ClearFileSink {
public:
    explicit OfstreamSink(fs::path path) : path_(std::move(path)) {}
    bool open() override {
        out_.open(path_, std::ios::binary | std::ios::trunc);
        return out_.is_open();
    }
    bool write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out_);
    }
    bool commit() override {
        out_.close();
        return !out_.fail();
    }

private:
    fs::path path_;
    std::ofstream out_;
};

class StringSink final : public kestrow::ClearFileSink {
public:
    bool open() override {
        bytes.clear();
        return true;
    }
    bool write(std::string_view b) override {
        bytes.append(b);
        return true;
    }
    bool commit() override { return true; }
    std::string bytes;
};

// ---------------------------------------------------------------------------
// The benchmarks.

using State = benchmark::State;

void ours_load_bytes(State& st) {
    for (auto _ : st) {
        kestrow::Catalogue c;
        load_ours(c, fixture->files);
        benchmark::DoNotOptimize(c.quest_lines.data());
        st.PauseTiming();
        { const kestrow::Catalogue gone = std::move(c); }
        st.ResumeTiming();
    }
}

void ours_load_files(State& st) {
    for (auto _ : st) {
        kestrow::Catalogue c;
        const auto report = kestrow::load_catalogue(c, fixture->data_dir.path, kestrow::cp932_converter());
        benchmark::DoNotOptimize(report.data_loaded);
        st.PauseTiming();
        if (!report.data_loaded || c.quest_lines.size() != fixture->ours.quest_lines.size())
            st.SkipWithError("loading from files failed");
        { const kestrow::Catalogue gone = std::move(c); }
        st.ResumeTiming();
    }
}

// The floor under any loader, measured so that the load's figure reads as a
// distance from it: both files read whole, split into lines (LF, a CR before
// it dropped) and the clear keys hashed into a set, with none of the
// catalogue's rules, no copies of the lines and no lookups.
std::string read_whole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(fs::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<std::string_view> split_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t lf = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, lf);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(std::min(lf + 1, bytes.size()));
    }
    return lines;
}

struct Floor {
    std::string clear, data;
    std::vector<std::string_view> keys, lines;
    std::unordered_set<std::string_view> cleared;
};

void baseline_load_files(State& st) {
    const fs::path& dir = fixture->data_dir.path;
    const kestrow::Catalogue& ours = fixture->ours;
    for (auto _ : st) {
        auto f = std::make_unique<Floor>();
        f->clear = read_whole(dir / kestrow::clear_file_name);
        f->data = read_whole(dir / kestrow::data_file_name);
        f->keys = split_lines(f->clear);
        f->lines = split_lines(f->data);
        f->cleared.reserve(f->keys.size());
        f->cleared.insert(f->keys.begin(), f->keys.end());
        benchmark::DoNotOptimize(f.get());
        st.PauseTiming();
        if (f->keys.size() != ours.clear_keys.size() ||
            f->lines.size() != ours.quest_lines.size() + ours.area_lines.size())
            st.SkipWithError("the baseline read something else than the library");
        f.reset();  // freeing is not timed, as for the library's load
        st.ResumeTiming();
    }
}

void reference_load_bytes(State& st) {
    for (auto _ : st) {
        lit::State r;
        lit::load(r, fixture->files.clear, fixture->files.data);
        benchmark::DoNotOptimize(r.quest_lines.data());
        st.PauseTiming();
        if (r.quest_lines != fixture->ours.quest_lines || r.clear_keys != fixture->ours.clear_keys)
            st.SkipWithError("the reference loaded something else than the library");
        { const lit::State gone = std::move(r); }
        st.ResumeTiming();
    }
}

void ours_chooser(State& st) {
    kestrow::Catalogue c;
    c.area_lines = fixture->ours.area_lines;
    for (auto _ : st) {
        c.chooser.clear();
        kestrow::fill_category_chooser(c);
        benchmark::DoNotOptimize(c.chooser.data());
    }
}

void reference_chooser(State& st) {
    lit::State r;
    r.area_lines = fixture->ours.area_lines;
    for (auto _ : st) {
        r.chooser.clear();
        lit::fill_category_chooser(r);
        benchmark::DoNotOptimize(r.chooser.data());
    }
}

// Choosing a category: filter, rows, and the cells of the rows on screen.
void ours_rows(State& st, int code) {
    kestrow::Catalogue& c = fixture->ours;
    const int entry = code == 0 ? fixture->area_entry : fixture->entry_of_code.at(code);
    for (auto _ : st) {
        if (code == kestrow::category::search)
            kestrow::search_quests(c, kb::search_word());
        else
            kestrow::select_entry(c, entry);
        benchmark::DoNotOptimize(compute_visible_cells(c, 0));
    }
    st.counters["rows"] = static_cast<double>(c.rows.size());
}

void reference_rows(State& st, int code) {
    lit::State& r = fixture->reference;
    const int entry = code == 0 ? fixture->area_entry : fixture->entry_of_code.at(code);
    for (auto _ : st) {
        if (code == kestrow::category::search)
            lit::find(r, kb::search_word());
        else
            lit::select_entry(r, entry);
        benchmark::DoNotOptimize(r.rows.data());
    }
    st.counters["rows"] = static_cast<double>(r.rows.size());
}

// A loose search, as the search dialog runs it with its box ticked.
void ours_loose_search(State& st, const std::string& word) {
    kestrow::Catalogue& c = fixture->ours;
    for (auto _ : st) {
        kestrow::search_quests(c, word, true);
        benchmark::DoNotOptimize(compute_visible_cells(c, 0));
    }
    st.counters["rows"] = static_cast<double>(c.rows.size());
}

// Ticking and unticking a quest in the middle of the largest area, shown in
// its area category, as the detail dialog's OK does; the list is then
// redrawn around the selected row.
void ours_update(State& st) {
    kestrow::Catalogue& c = fixture->ours;
    kestrow::select_entry(c, fixture->area_entry);
    const int row = static_cast<int>(c.rows.size() / 2);
    kestrow::CurrentQuest quest = kestrow::load_current_quest(c, static_cast<std::size_t>(row));
    const int original = quest.cleared;
    for (auto _ : st) {
        const auto result = kestrow::update_clear_state(c, quest, quest.cleared ? 0 : 1, row);
        quest.cleared = quest.cleared ? 0 : 1;  // the dialog reloads the quest
        benchmark::DoNotOptimize(compute_visible_cells(c, static_cast<std::size_t>(std::max(0, row - 25))));
        benchmark::DoNotOptimize(result);
    }
    if (quest.cleared != original) kestrow::update_clear_state(c, quest, original, row);
}

void reference_update(State& st) {
    lit::State& r = fixture->reference;
    lit::select_entry(r, fixture->area_entry);
    const int row = static_cast<int>(r.rows.size() / 2);
    const std::string& line = r.shown_lines[static_cast<std::size_t>(row)];
    const std::string code = lit::field(line, 1);
    int cleared = line.back() == '0' ? 0 : 1;  // the flag loading appended
    const int original = cleared;
    for (auto _ : st) {
        benchmark::DoNotOptimize(lit::update_clear_state(r, code, cleared, cleared ? 0 : 1, row));
        cleared = cleared ? 0 : 1;
    }
    if (cleared != original) lit::update_clear_state(r, code, cleared, original, row);
}

void ours_save_string(State& st) {
    StringSink sink;
    for (auto _ : st) {
        if (kestrow::save_clear_file(fixture->ours, sink) != kestrow::SaveOutcome::Saved) st.SkipWithError("save failed");
        benchmark::DoNotOptimize(sink.bytes.data());
    }
}

void ours_save_ofstream(State& st) {
    const fs::path path = fixture->save_dir.path / "ClrList.txt";
    for (auto _ : st) {
        OfstreamSink sink(path);
        if (kestrow::save_clear_file(fixture->ours, sink) != kestrow::SaveOutcome::Saved) st.SkipWithError("save failed");
    }
}

void ours_save_qsavefile(State& st) {
    const QString path = kestrow::to_qstring(fixture->save_dir.path / "ClrList.txt");
    for (auto _ : st) {
        kestrow::ClearFileWriter writer(path);
        if (kestrow::save_clear_file(fixture->ours, writer) != kestrow::SaveOutcome::Saved)
            st.SkipWithError("save failed");
    }
}

// The whole Save of the window and kestrow-cli: the file read again and
// compared, the old content kept in the history, the new one written through
// QSaveFile. A tick changes between saves, so that every one replaces the file.
void ours_save_disk(State& st) {
    kestrow::Catalogue& c = fixture->ours;
    const std::string code(kestrow::clear_key(c.quest_lines.front()));
    bool cleared = kestrow::held_flag(c.quest_lines.front()) == kestrow::cleared_flag;
    const bool original = cleared;
    for (auto _ : st) {
        cleared = !cleared;
        kestrow::set_cleared(c, code, cleared);
        const kestrow::DiskSave saved = kestrow::save_clear_file_to_disk(c);
        if (saved.outcome != kestrow::SaveOutcome::Saved || saved.history_failed) st.SkipWithError("save failed");
    }
    kestrow::set_cleared(c, code, original);
}

void reference_save(State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(lit::save(fixture->reference));
}

// The figures of every chooser entry, with the broad search text set, so
// that the search entry's figure searches every line.
void ours_progress(State& st, bool loose) {
    kestrow::Catalogue& c = fixture->ours;
    const std::string before = c.search_text;
    const bool was_loose = c.search_loose;
    c.search_text = kb::search_word();
    c.search_loose = loose;
    for (auto _ : st) benchmark::DoNotOptimize(kestrow::chooser_progress(c));
    c.search_text = before;
    c.search_loose = was_loose;
}

void ours_copy(State& st) {
    kestrow::Catalogue& c = fixture->ours;
    kestrow::select_entry(c, fixture->entry_of_code.at(kestrow::category::not_cleared));
    for (auto _ : st) benchmark::DoNotOptimize(kestrow::copy_text(c));
    st.counters["rows"] = static_cast<double>(c.rows.size());
}

void reference_copy(State& st) {
    lit::State& r = fixture->reference;
    lit::select_entry(r, fixture->entry_of_code.at(kestrow::category::not_cleared));
    for (auto _ : st) benchmark::DoNotOptimize(lit::copy(r));
    st.counters["rows"] = static_cast<double>(r.rows.size());
}

// ---------------------------------------------------------------------------
// Collecting the medians for the summary table.

class MedianCollector : public benchmark::ConsoleReporter {
public:
    // A reporter passed in explicitly does not see --benchmark_color: colour
    // only on a terminal, so that logs and the README stay plain text.
    MedianCollector() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.error_occurred) failed.push_back(run.run_name.function_name);
            // With a single repetition there is no aggregate: the run is the median.
            const bool median = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : run.repetitions <= 1;
            if (median) median_ms[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> median_ms;
    std::vector<std::string> failed;
};

struct Figure {
    std::string label;
    std::string ours;
    std::string reference;
    double target_ms;     // 0: none
    double min_ratio;     // 0: none
    // When set, the ratio is this benchmark's median over ours (a slower
    // operation against a floor) and the reference column stays empty.
    std::string ratio_over = {};
};

std::string summary(const MedianCollector& c, const std::vector<Figure>& figures) {
    std::ostringstream out;
    char line[256];
    out << "| Operation | Kestrow (ms) | Literal reference (ms) | Ratio | Target | Met |\n";
    out << "|---|---:|---:|---:|---|---|\n";
    for (const auto& f : figures) {
        const auto o = c.median_ms.find(f.ours);
        const auto r = c.median_ms.find(f.reference);
        const auto over = c.median_ms.find(f.ratio_over.empty() ? f.reference : f.ratio_over);
        if (o == c.median_ms.end()) continue;
        const bool has_ref = r != c.median_ms.end();
        const bool has_ratio = over != c.median_ms.end();
        const double ratio = has_ratio ? over->second / o->second : 0.0;
        std::string target;
        bool met = true;
        if (f.target_ms > 0) {
            target = "< " + std::to_string(static_cast<int>(f.target_ms)) + " ms";
            met = met && o->second < f.target_ms;
        }
        if (f.min_ratio > 0) {
            target += (target.empty() ? "" : ", ") + std::string(">= ") + std::to_string(static_cast<int>(f.min_ratio)) + "x";
            met = met && has_ratio && ratio >= f.min_ratio;
        }
        char ref_text[32] = "-";
        char ratio_text[32] = "-";
        if (has_ref) std::snprintf(ref_text, sizeof ref_text, "%.3f", r->second);
        if (has_ratio) std::snprintf(ratio_text, sizeof ratio_text, ratio < 10 ? "%.1fx" : "%.0fx", ratio);
        std::snprintf(line, sizeof line, "| %s | %.3f | %s | %s | %s | %s |\n", f.label.c_str(), o->second, ref_text,
                      ratio_text, target.empty() ? "-" : target.c_str(), target.empty() ? "-" : (met ? "yes" : "NO"));
        out << line;
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const Settings settings = parse_settings(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    Fixture f;
    fixture = &f;
    std::cerr << "generating " << settings.data.quests << " quests, " << settings.data.areas << " areas, "
              << settings.data.clear_keys << " clear keys (seed " << settings.data.seed << ")\n";
    f.files = kb::generate_catalogue(settings.data);
    if (!kb::write_catalogue_files(f.files, f.data_dir.path)) {
        std::cerr << "cannot write the catalogue to " << f.data_dir.path << "\n";
        return 1;
    }
    load_ours(f.ours, f.files);
    kestrow::fill_category_chooser(f.ours);
    f.ours.clear_file_path = f.save_dir.path / "ClrList.txt";
    prepare_reference(f.reference, f.ours);
    std::cerr << "Kestrow.txt " << f.files.data.size() << " bytes, ClrList.txt " << f.files.clear.size()
              << " bytes, " << f.ours.quest_lines.size() << " quest lines, " << f.ours.clear_keys.size()
              << " clear keys (" << f.files.orphan_keys << " without a quest)\n";

    std::size_t most = 0;
    for (std::size_t i = 0; i < f.ours.chooser.size(); ++i) {
        const int code = f.ours.chooser[i].code;
        if (code >= 90000) {
            f.entry_of_code[code] = static_cast<int>(i);
            continue;
        }
        const std::size_t n = kestrow::filter_lines(f.ours, code).size();
        if (n > most) {
            most = n;
            f.area_entry = static_cast<int>(i);
        }
    }
    for (const int code : {91000, 92000, 93000, 94000, 95000, 96000, 99000})
        if (!f.entry_of_code.contains(code)) {
            std::cerr << "the catalogue lacks category " << code << "\n";
            return 1;
        }
    if (f.area_entry < 0) {
        std::cerr << "the catalogue has no area\n";
        return 1;
    }

    if (settings.verify) {
        std::cerr << "verifying that the library and the reference agree...\n";
        if (!verify(f)) return 1;
    }

    const int reps = settings.repetitions;
    const double min_time = settings.min_time;
    const auto add = [&](const std::string& name, const std::function<void(State&)>& fn) {
        return benchmark::RegisterBenchmark(name.c_str(), fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(min_time)
            ->Repetitions(reps)
            ->ReportAggregatesOnly(true);
    };
    std::vector<Figure> figures;
    const auto add_pair = [&](const std::string& label, const std::string& key, std::function<void(State&)> ours_fn,
                          std::function<void(State&)> ref_fn, double target, double min_ratio) {
        add("ours/" + key, ours_fn);
        if (ref_fn) add("reference/" + key, ref_fn);
        figures.push_back({label, "ours/" + key, ref_fn ? "reference/" + key : "", target, min_ratio});
    };

    add_pair("Load from memory (clear keys + data file)", "load/memory", ours_load_bytes, nullptr, 150, 50);
    // One literal load is many seconds: single iterations, few repetitions.
    benchmark::RegisterBenchmark("reference/load/memory", reference_load_bytes)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(settings.reference_load_repetitions)
        ->ReportAggregatesOnly(true);
    figures.back().reference = "reference/load/memory";
    add("ours/load/files", ours_load_files);
    figures.push_back({"Load from files (load_catalogue)", "ours/load/files", "reference/load/memory", 150, 50});
    add("baseline/load/files", baseline_load_files);
    figures.push_back({"Baseline: read both files, split lines, hash clear keys (ratio: load from files / baseline)",
                       "baseline/load/files", "", 0, 0, "ours/load/files"});
    add_pair("Fill the category chooser", "chooser", ours_chooser, reference_chooser, 0, 0);

    const std::string area_code = std::to_string(f.ours.chooser[static_cast<std::size_t>(f.area_entry)].code);
    const std::vector<std::pair<int, std::string>> categories{
        {0, "area " + area_code + " (" + std::to_string(most) + " rows)"},
        {91000, "91000 cleared"},
        {92000, "92000 not cleared"},
        {93000, "93000 job"},
        {94000, "94000 AF"},
        {95000, "95000 WS"},
        {96000, "96000 ENM"},
        {99000, "99000 search"},
    };
    for (const auto& category : categories) {
        const int code = category.first;
        const std::string& name = category.second;
        const std::string key = "rows/" + (code == 0 ? std::string("area") : std::to_string(code));
        add_pair("Filter + rows: " + name, key, [code](State& st) { ours_rows(st, code); },
             [code](State& st) { reference_rows(st, code); }, 20, 0);
    }
    add("ours/search/loose", [](State& st) { ours_loose_search(st, std::string(kb::search_word())); });
    figures.push_back({"Loose search", "ours/search/loose", "", 30, 0});
    add("ours/search/loose-kana", [](State& st) { ours_loose_search(st, loose_kana_word); });
    figures.push_back({"Loose search, half-width kana", "ours/search/loose-kana", "", 30, 0});
    add_pair("Clear-state update (area category)", "update", ours_update, reference_update, 10, 0);
    add_pair("Save, in memory (string sink)", "save/memory", ours_save_string, reference_save, 100, 0);
    add("ours/save/ofstream", ours_save_ofstream);
    figures.push_back({"Save to a file (std::ofstream sink)", "ours/save/ofstream", "reference/save/memory", 100, 0});
    add("ours/save/qsavefile", ours_save_qsavefile);
    figures.push_back({"Save to a file (ClearFileWriter, QSaveFile)", "ours/save/qsavefile", "reference/save/memory", 100, 0});
    add("ours/save/disk", ours_save_disk);
    figures.push_back({"Save to disk (read again, merge check, history, QSaveFile)", "ours/save/disk",
                       "reference/save/memory", 100, 0});
    add_pair("Copy (92000 list)", "copy", ours_copy, reference_copy, 0, 0);
    add("ours/progress", [](State& st) { ours_progress(st, false); });
    figures.push_back({"Progress figures (every chooser entry, search set)", "ours/progress", "", 10, 0});
    add("ours/progress/loose", [](State& st) { ours_progress(st, true); });
    figures.push_back({"Progress figures (every chooser entry, loose search set)", "ours/progress/loose", "", 10, 0});

    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::string table = summary(reporter, figures);
    std::cout << "\nMedians of " << reps << " repetitions (reference load: " << settings.reference_load_repetitions
              << " single loads); ratio = reference / Kestrow, on the baseline row load from files / baseline\n\n"
              << table;
    if (!settings.table_path.empty()) std::ofstream(settings.table_path) << table;
    if (!reporter.failed.empty()) {
        for (const auto& name : reporter.failed) std::cerr << "benchmark failed: " << name << "\n";
        return 1;
    }
    return 0;
}
