#pragma once
// Undo and redo of clear states. A step is what one applied change did to
// the held flags (a tick of a quest, a restored version): the lines whose
// flag it rewrote, and the keys kept for Codes that no quest carries. Steps
// hold flags, not file contents, so they survive a Save: undoing after one
// makes the flags differ from the file again.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"

namespace kestrow {

struct FlagChange {
    std::uint32_t line = 0;  // index into quest_lines
    char before = 0, after = 0;
    bool operator==(const FlagChange&) const = default;
};

struct ClearStep {
    // What the menu names: a quest's Name (code page 932) and the state it
    // was given, or only a label of its own (a restore).
    std::string name;
    bool cleared = false;
    bool restore = false;
    std::vector<FlagChange> changes;
    std::vector<std::string> kept_before, kept_after;
};

// The held flags, one byte per quest line: taken before a change, compared after.
std::string flags_of(const CatalogueData& state);

// The step that turned the flags `before` and the kept keys `kept_before`
// into the state now; no changes when nothing differs.
ClearStep step_since(const CatalogueData& state, const std::string& before, std::vector<std::string> kept_before);

class ClearSteps {
public:
    static constexpr std::size_t most = 1000;

    // A new step; the oldest goes beyond `most`, and what could be redone is dropped.
    void push(ClearStep step);
    const ClearStep* nextUndo() const { return done_.empty() ? nullptr : &done_.back(); }
    const ClearStep* nextRedo() const { return undone_.empty() ? nullptr : &undone_.back(); }
    // Puts the flags back (or forward again); the step applied, or nothing.
    std::optional<ClearStep> undo(CatalogueData& state);
    std::optional<ClearStep> redo(CatalogueData& state);
    // A new catalogue: line positions mean nothing any more.
    void clear();

private:
    std::deque<ClearStep> done_;
    std::vector<ClearStep> undone_;
};

}  // namespace kestrow
