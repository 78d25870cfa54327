#pragma once
// A yardstick for the benchmark: the catalogue operations written the
// straightforward way the documented algorithms read, step by step, with the
// data structures of the original program (sorted lists filled by insertion,
// string arrays of copies, every list cell built as a string up front).
//
// It is deliberately independent of the library in catalogue/: it has its own
// field extraction, character walking and ordering, so the benchmark can also
// check that both give the same results. It is not meant to be fast, only
// faithful; where a more literal reading would have been slower still (the
// original read every clear key back out of a list control before comparing
// it), it takes the cheaper path, so the ratios it yields are conservative.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow::bench::literal {

struct ChooserEntry {
    std::string text;
    int code = 0;
};

// One row of the report list, as the list control would hold it.
struct Row {
    std::array<std::string, 7> text;
    int icon = 0;
};

struct State {
    std::vector<std::string> clear_keys;   // sorted list, kept sorted by insertion
    std::vector<std::string> area_lines;
    std::vector<std::string> quest_lines;  // held lines: "," and the clear flag appended
    std::vector<std::string> area_list;    // sorted list of the area lines
    std::vector<ChooserEntry> chooser;
    int selected = -1;
    std::string search_text;
    std::vector<std::string> shown_lines;
    std::vector<Row> rows;
};

// The n-th field, extracted on a copy of the line that is cut after each
// comma, with "<BR>" replaced by CR LF.
std::string field(std::string_view line, int n);

// Reads both files from memory as text-mode fgets would hand them over (1024-
// and 8192-byte buffers), comparing every quest's Code with every clear key.
void load(State& state, std::string_view clear_bytes, std::string_view data_bytes);

void fill_category_chooser(State& state);
std::string area_name(const State& state, int a);

void apply_filter(State& state);
void select_entry(State& state, int index);

// Returns the row to select afterwards (-1 for none).
int update_clear_state(State& state, std::string_view code, int loaded_cleared, int new_state, int selected_row);

// Rebuilds the clear-key list from the flags and returns the file's bytes.
std::string save(State& state);

// The clipboard block: the shown lines with CR LF, commas as tabs, and the
// terminating zero byte at the end.
std::string copy(const State& state);

void find(State& state, std::string_view text);

}  // namespace kestrow::bench::literal
