#include "quest_dlg_layout.h"

namespace kestrow {

QuestControlRects quest_dialog_layout(const WinRect& outer, const QuestControlRects& current) {
    const int L = outer.left, T = outer.top, R = outer.right, B = outer.bottom;
    // Signed division truncates toward zero, as the rule always did.
    const int half = R / 2;

    auto place = [](int x, int y, int width, int height) { return WinRect{x, y, x + width, y + height}; };
    auto move = [&](QuestControl c, int x, int y) {
        return place(x, y, current[c].width(), current[c].height());
    };
    auto size = [&](QuestControl c, int width, int height) {
        return place(current[c].left, current[c].top, width, height);
    };
    auto stretch = [&](QuestControl c) {
        return size(c, R - 35 - current[c].left, current[c].bottom - current[c].top);
    };

    QuestControlRects placed;
    placed[GroupReward] = place(L + 18, T + 36, R - L - 37, 54);
    placed[GroupLocation] = place(L + 18, T + 92, R - L - 37, 54);
    placed[GroupCondition] = place(L + 18, T + 150, R - L - 37, 54);
    placed[GroupDetails] = place(L + 18, T + 207, R - L - 37, B - T - 296);
    placed[ButtonNext] = move(ButtonNext, R - 106, B - 40);
    placed[ButtonPrevious] = move(ButtonPrevious, L + 18, B - 40);
    placed[ButtonCancel] = move(ButtonCancel, half + 19, B - 40);
    placed[ButtonOK] = move(ButtonOK, half - 114, B - 40);
    placed[EditReward] = stretch(EditReward);
    placed[EditLocation] = stretch(EditLocation);
    placed[EditCondition] = stretch(EditCondition);
    placed[EditDetails] = size(EditDetails, R - 35 - current[EditDetails].left, B - 99 - current[EditDetails].top);
    placed[LabelRepeat] = move(LabelRepeat, half - 121, B - 70);
    placed[LabelRepeatMark] = move(LabelRepeatMark, half - 63, B - 70);
    placed[CheckCleared] = move(CheckCleared, half - 13, B - 70);
    return placed;
}

}  // namespace kestrow
