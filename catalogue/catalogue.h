#pragma once
// The state of the quest catalogue for one run: what the two files held, the
// category chooser's entries and the rows of the quest list. A plain value;
// the functions declared in the other headers of this folder work on it.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrow {

struct ChooserEntry {
    std::string text;  // display text, code page 932, "<BR>" already a line break
    int code = 0;      // category code: an area code or 91000 to 99000
    bool operator==(const ChooserEntry&) const = default;
};

// One row of the quest list: which held quest line it shows and its icon.
struct Row {
    std::uint32_t line = 0;  // index into Catalogue::quest_lines
    std::uint8_t icon = 0;   // 0 to 7
    bool operator==(const Row&) const = default;
};

// Area names by the decimal value of bytes 1 and 2 of an area line, which is
// -9 to 99. The last area line in sorted order wins.
struct AreaNames {
    static constexpr int lowest = -9;
    std::array<std::string, 109> names{};
};

// What the two files hold, and what this run knows of the clear file on disk.
struct CatalogueData {
    std::filesystem::path clear_file_path;
    std::vector<std::string> clear_keys;   // sorted by collate_less, duplicates kept
    std::vector<std::string> area_lines;   // data-file order, as read
    std::vector<std::string> quest_lines;  // data-file order, "," and the clear flag appended

    // Clear keys read from the clear file that no quest line carries. Save
    // writes them back so that a different catalogue never erases progress.
    std::vector<std::string> kept_keys;
    // The clear file exists but could not be read: saving over it would
    // replace progress that was never loaded.
    bool clear_file_unreadable = false;

    // The clear file's bytes as this run last read or wrote them; nothing
    // while it did not exist or could not be read.
    std::optional<std::string> clear_file_seen;
    // The held flags at that moment, one per quest line: this run's own
    // changes are the lines whose flag differs now.
    std::string synced_flags;
};

// What is derived from the data file: the sorted areas and their names, and
// the category chooser's entries.
struct CatalogueIndex {
    std::vector<std::string> area_list;  // area lines, sorted by collate_less
    AreaNames area_names;
    std::vector<ChooserEntry> chooser;
    // The Codes that the catalogue's last change brought, sorted: the "new
    // quests" entry shows their lines.
    std::vector<std::string> new_codes;
};

// What one list shows: the chosen entry, the last search and the rows.
struct ListState {
    int selected_entry = -1;   // chooser index, -1 for none
    std::string search_text;   // last search text that found a quest
    bool search_loose = false;  // and whether it was a loose search (quest_search.h)
    std::vector<Row> rows;     // the shown lines, in row order
    bool hide_cleared = false;     // cleared quests left out of every category
    int sort_column = -1;          // the column the rows are sorted by; -1: file order
    bool sort_descending = false;
};

// The three together, as one run holds them. Functions that need only one
// part take that part.
struct Catalogue : CatalogueData, CatalogueIndex, ListState {};

inline constexpr char cleared_flag = '1';
inline constexpr char not_cleared_flag = '0';

}  // namespace kestrow
