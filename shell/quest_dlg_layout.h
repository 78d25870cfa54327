#pragma once
// Where the quest detail dialog's controls go for a given size of the dialog:
// a fixed rule, kept free of widgets so that it is tested on plain numbers.

#include <array>

namespace kestrow {

// A rectangle as window placement measures it: right and bottom exclusive.
struct WinRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WinRect&) const = default;
};

// The fifteen controls in the order the rule places them. Each placement
// brings its control to the top, so this is also the stacking, lowest first:
// the group boxes under the boxes they frame, the check box above all.
enum QuestControl : int {
    GroupReward,
    GroupLocation,
    GroupCondition,
    GroupDetails,
    ButtonNext,
    ButtonPrevious,
    ButtonCancel,
    ButtonOK,
    EditReward,
    EditLocation,
    EditCondition,
    EditDetails,
    LabelRepeat,
    LabelRepeatMark,
    CheckCleared,
    quest_control_count
};

using QuestControlRects = std::array<WinRect, quest_control_count>;

// outer: the dialog's outer rectangle (frame and caption included) in its own
// client coordinates, so left and top are negative and right and bottom lie
// beyond the client area by the frame. current: where the controls are now,
// in the same coordinates. Returns where they go: the group boxes follow the
// width and the Details box the height; buttons, labels and the check box
// move and keep their size; the text boxes keep their left and top edges, the
// first three also their height. Widths and heights can come out negative
// for a very small dialog; the caller shows those as empty.
QuestControlRects quest_dialog_layout(const WinRect& outer, const QuestControlRects& current);

}  // namespace kestrow
