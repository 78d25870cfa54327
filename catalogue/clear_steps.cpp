#include "clear_steps.h"

#include "held_line.h"

namespace kestrow {

std::string flags_of(const CatalogueData& state) {
    std::string flags(state.quest_lines.size(), not_cleared_flag);
    for (std::size_t i = 0; i < state.quest_lines.size(); ++i) flags[i] = held_flag(state.quest_lines[i]);
    return flags;
}

ClearStep step_since(const CatalogueData& state, const std::string& before, std::vector<std::string> kept_before) {
    ClearStep step;
    const std::size_t count = std::min(before.size(), state.quest_lines.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char now = held_flag(state.quest_lines[i]);
        if (now != before[i]) step.changes.push_back({static_cast<std::uint32_t>(i), before[i], now});
    }
    if (kept_before != state.kept_keys) {
        step.kept_before = std::move(kept_before);
        step.kept_after = state.kept_keys;
    }
    return step;
}

void ClearSteps::push(ClearStep step) {
    undone_.clear();
    done_.push_back(std::move(step));
    if (done_.size() > most) done_.pop_front();
}

namespace {

// Sets each changed line to one side of its change. A line that a new
// catalogue no longer has is passed over.
void apply(CatalogueData& state, const ClearStep& step, bool forward) {
    for (const FlagChange& c : step.changes)
        if (c.line < state.quest_lines.size()) set_held_flag(state.quest_lines[c.line], forward ? c.after : c.before);
    if (step.kept_before != step.kept_after) state.kept_keys = forward ? step.kept_after : step.kept_before;
}

// Undo and redo are one move in opposite directions: the last step of one
// list is applied and becomes the last of the other.
template <class From, class To>
std::optional<ClearStep> move_last(From& from, To& to, CatalogueData& state, bool forward) {
    if (from.empty()) return std::nullopt;
    ClearStep step = std::move(from.back());
    from.pop_back();
    apply(state, step, forward);
    to.push_back(step);
    return step;
}

}  // namespace

std::optional<ClearStep> ClearSteps::undo(CatalogueData& state) { return move_last(done_, undone_, state, false); }

std::optional<ClearStep> ClearSteps::redo(CatalogueData& state) { return move_last(undone_, done_, state, true); }

void ClearSteps::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace kestrow
