// The quest detail dialog's layout rule on plain numbers.

#include <gtest/gtest.h>

#include "dialog_units.h"
#include "quest_dlg_layout.h"

namespace kestrow {
namespace {

TEST(QuestDialogLayout, KeepsTheTemplateAtItsOwnSizeAndFollowsAnyOther) {
    // Template 132 at the base units it was drawn for: the dialog as it comes up.
    const res::DlgRect order[] = {
        res::quest_group_reward, res::quest_group_location, res::quest_group_condition, res::quest_group_details,
        res::quest_next,         res::quest_previous,       res::quest_cancel,          res::quest_ok,
        res::quest_reward,       res::quest_location,       res::quest_condition,       res::quest_details,
        res::quest_repeat_label, res::quest_repeat_mark,    res::quest_cleared};
    QuestControlRects now;
    for (int c = 0; c < quest_control_count; ++c) {
        const QRect r = du_to_px(order[c], {res::quest_base_x, res::quest_base_y});
        now[c] = {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    // 632 by 390 inside the frame the rule was drawn for: the template, give or take a pixel.
    const QuestControlRects same = quest_dialog_layout({-6, -25, 638, 396}, now);
    for (int c = 0; c < quest_control_count; ++c)
        for (int WinRect::*edge : {&WinRect::left, &WinRect::top, &WinRect::right, &WinRect::bottom})
            EXPECT_NEAR(same[c].*edge, now[c].*edge, 1) << c;

    // Grown by 100 by 60, each edge moves with the one it follows: by nothing, by
    // half the width (the buttons and the tick stay centred), the width or the height.
    const QuestControlRects grown = quest_dialog_layout({-6, -25, 738, 456}, now);
    const auto moved = [&](int c) {
        return std::array{grown[c].left - same[c].left, grown[c].top - same[c].top, grown[c].right - same[c].right,
                          grown[c].bottom - same[c].bottom};
    };
    for (int c : {GroupReward, GroupLocation, GroupCondition, EditReward, EditLocation, EditCondition})
        EXPECT_EQ(moved(c), (std::array{0, 0, 100, 0})) << c;
    for (int c : {GroupDetails, EditDetails}) EXPECT_EQ(moved(c), (std::array{0, 0, 100, 60})) << c;
    for (int c : {ButtonCancel, ButtonOK, LabelRepeat, LabelRepeatMark, CheckCleared})
        EXPECT_EQ(moved(c), (std::array{50, 60, 50, 60})) << c;
    EXPECT_EQ(moved(ButtonNext), (std::array{100, 60, 100, 60}));
    EXPECT_EQ(moved(ButtonPrevious), (std::array{0, 60, 0, 60}));

    // Tiny: sizes come out negative, and -7 / 2 is -3, not -4.
    const QuestControlRects t = quest_dialog_layout({-6, -25, -7, 30}, now);
    EXPECT_EQ((std::array{t[ButtonCancel].left, t[CheckCleared].left, t[GroupReward].width(), t[EditDetails].height()}),
              (std::array{16, -16, -38, -272}));
}

}  // namespace
}  // namespace kestrow
