// Loading and every category of whatever bytes a data file holds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/area_index.h"
#include "catalogue/bytes.h"
#include "catalogue/catalogue.h"
#include "catalogue/clear_state.h"
#include "catalogue/copy_find.h"
#include "catalogue/current_quest.h"
#include "catalogue/filter.h"
#include "catalogue/loader.h"
#include "catalogue/rows.h"
#include "catalogue/encoding.h"
#include "catalogue/save.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The part before the first 0xFF byte is the clear file, the rest the data file.
    (void)kestrow::is_multibyte_utf8(bytes);
    (void)kestrow::utf16_to_utf8(bytes, size % 2 == 1);
    const std::size_t split = bytes.find('\xFF');
    kestrow::Catalogue state;
    kestrow::read_clear_keys(state, bytes.substr(0, split));
    kestrow::read_data_file(state, split == std::string_view::npos ? std::string_view{} : bytes.substr(split + 1));
    kestrow::fill_category_chooser(state);
    kestrow::search_quests(state, kestrow::left(bytes, 3));
    for (int i = -1; i < static_cast<int>(state.chooser.size()); ++i) {
        kestrow::select_entry(state, i);
        for (std::size_t row = 0; row < state.rows.size(); ++row)
            for (int column = 0; column < kestrow::column_count; ++column)
                (void)kestrow::cell_text(state, state.rows[row], column);
        (void)kestrow::copy_text(state);
        if (!state.rows.empty()) {
            const auto quest = kestrow::load_current_quest(state, 0);
            const auto update = kestrow::update_clear_state(state, quest, 1 - quest.cleared, 0);
            if (update.selected_row >= static_cast<int>(state.rows.size())) __builtin_trap();
        }
    }
    kestrow::rebuild_clear_keys(state);
    (void)kestrow::clear_file_bytes(state);
    return 0;
}
