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

    // Larger, with an odd R (R / 2 = 450).
    const QuestControlRects expected = {{
        {14, 6, 882, 60},     {14, 62, 882, 116},   {14, 120, 882, 174},  {14, 177, 882, 611},  // group boxes
        {795, 660, 883, 683}, {14, 660, 102, 683},  {469, 660, 557, 683}, {336, 660, 424, 683}, // Next Prev Cancel OK
        {25, 31, 866, 54},    {25, 88, 866, 111},   {25, 146, 866, 169},  {25, 203, 866, 601},  // text boxes
        {329, 630, 382, 643}, {387, 630, 422, 643}, {437, 630, 563, 646},                       // labels, tick
    }};
    const QuestControlRects placed = quest_dialog_layout({-4, -30, 901, 700}, now);
    for (int c = 0; c < quest_control_count; ++c) EXPECT_EQ(placed[c], expected[c]) << c;

    // Tiny: sizes come out negative, and -7 / 2 is -3, not -4.
    const QuestControlRects t = quest_dialog_layout({-6, -25, -7, 30}, now);
    EXPECT_EQ((std::array{t[ButtonCancel].left, t[CheckCleared].left, t[GroupReward].width(), t[EditDetails].height()}),
              (std::array{16, -16, -38, -272}));
}

}  // namespace
}  // namespace kestrow
