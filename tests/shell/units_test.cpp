// The shell's helpers that need no window: the command line and the display
// check, the placement string and where a stored window opens, dialog units
// and the quest dialog's layout rule, and the quest list's model.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <climits>
#include <tuple>

#include "catalogue/clear_state.h"
#include "command_line.h"
#include "dialog_units.h"
#include "placement.h"
#include "quest_dlg_layout.h"
#include "quest_list_model.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(CommandLine, TakesNoneOrOneFolderExplainsAnythingElseAndNeedsADisplay) {
    using Kind = StartRequest::Kind;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("char2")));
    const auto none = parse_command_line({}, [] { return QStringLiteral("/opt/kestrow"); });
    EXPECT_EQ(std::pair(none.kind, none.data_dir), std::pair(Kind::Run, QStringLiteral("/opt/kestrow")));
    // A relative folder is made absolute: the working folder may change later.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto one = parse_command_line({QStringLiteral("char2")}, {});
    QDir::setCurrent(before);
    EXPECT_EQ(std::pair(one.kind, one.data_dir), std::pair(Kind::Run, QDir(dir.filePath(QStringLiteral("char2"))).absolutePath()));
    EXPECT_EQ(parse_command_line({QStringLiteral("--help")}, {}).kind, Kind::Help);
    const std::pair<QStringList, const char*> wrong[] = {{{dir.path(), dir.path()}, "Too many"},
                                                         {{QStringLiteral("--verbose")}, "Unknown option"},
                                                         {{QCoreApplication::applicationFilePath()}, "No such folder"},
                                                         {{dir.filePath(QStringLiteral("none"))}, "No such folder"}};
    for (const auto& [args, reason] : wrong) {
        const auto r = parse_command_line(args, {});
        EXPECT_EQ(r.kind, Kind::Usage) << reason;
        EXPECT_TRUE(r.problem.contains(QString::fromLatin1(reason))) << r.problem.toStdString();
        EXPECT_TRUE(usage_text(r.problem).contains(QStringLiteral("Usage: kestrow [FOLDER]")));
    }

    // Without a display variable or "-platform", say how to give the program one.
    const char* set = "";
    const auto environment = [&](const char* name) { return qstrcmp(name, set) ? QString() : QStringLiteral("x"); };
    char program[] = "kestrow", platform[] = "-platform", offscreen[] = "offscreen";
    char* argv[] = {program, platform, offscreen, nullptr};
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    EXPECT_FALSE(display_available(environment, 1, argv));
    EXPECT_TRUE(display_available(environment, 3, argv));
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        set = name;
        EXPECT_TRUE(display_available(environment, 1, argv)) << name;
    }
#endif
    EXPECT_TRUE(no_display_text(QStringLiteral("build/bin/kestrow")).contains(QStringLiteral("xvfb-run build/bin/kestrow")));
}

TEST(Placement, ReadsTenNumbersAsPercentIAndMovesOnlyAWindowThatNoScreenShowsAndHoldsItsSize) {
    const std::pair<const char*, std::optional<WindowPlacement>> cases[] = {
        // Leading blanks, signs, hexadecimal and octal; text after the tenth number is ignored.
        {" 0x2:+1: -1:\t-1:010:-0X1f:0:0:1:2 and more", WindowPlacement{2, 1, -1, -1, 8, -31, 0, 0, 1, 2}},
        {"99999999999:-99999999999:0:0:0:0:0:0:0:0", WindowPlacement{INT_MAX, INT_MIN, 0, 0, 0, 0, 0, 0, 0, 0}},
        // "08" is the octal 0 and a trailing 8; a bare "0x" is 0 with its
        // prefix consumed, as the C library reads it.
        {"0:1:-1:-1:-1:-1:1:2:3:08", WindowPlacement{0, 1, -1, -1, -1, -1, 1, 2, 3, 0}},
        {"0x:1:-1:-1:-1:-1:1:2:3:0x", WindowPlacement{0, 1, -1, -1, -1, -1, 1, 2, 3, 0}},
        {"0:1:-1:-1:-1:-1:120:80:980", std::nullopt},
        {"0,1,-1,-1,-1,-1,120,80,980,700", std::nullopt},
        {"0:1:-1:-1:x:-1:120:80:980:700", std::nullopt},
        {"0:1:-1:-1:-:-1:120:80:980:700", std::nullopt},
        {"0 :1:-1:-1:-1:-1:120:80:980:700", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parse_placement(text), expected) << text;
    // Absurd rectangles neither overflow nor go negative.
    const QRect absurd = normal_rect({0, 1, 0, 0, 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN});
    EXPECT_TRUE(absurd.width() >= 0 && absurd.height() >= 0);

    const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    const std::pair<QRect, QRect> kept[] = {
        // Partly visible: used as stored.
        {QRect(-300, -20, 400, 300), QRect(-300, -20, 400, 300)},
        {QRect(3100, 1000, 400, 300), QRect(3100, 1000, 400, 300)},
        // Off every screen: onto the nearest, as far in as the size allows.
        {QRect(5000, 100, 400, 300), QRect(2800, 100, 400, 300)},
        {QRect(200, 900, 400, 300), QRect(200, 500, 400, 300)},
        {QRect(-5000, -5000, 2000, 900), QRect(0, 0, 2000, 900)},
    };
    for (const auto& [stored, shown] : kept) EXPECT_EQ(keep_on_screens(stored, screens), shown);
    EXPECT_EQ(keep_on_screens(QRect(-5000, 0, 10, 10), {}), QRect(-5000, 0, 10, 10));

    // The screen at the top-left corner bounds the size, else the first;
    // cut to it, the window is moved within it, and the form's size wins.
    const QList<QRect> desks{QRect(0, 0, 1280, 800), QRect(1280, 0, 800, 600)};
    const std::tuple<QPoint, QSize, QRect> fits[] = {
        {{100, 50}, {800, 600}, QRect(100, 50, 800, 600)},
        {{-300, -20}, {400, 300}, QRect(-300, -20, 400, 300)},
        {{1400, 60}, {INT_MAX, INT_MAX}, QRect(1280, 0, 800, 600)},
        {{100, 50}, {1500, 700}, QRect(0, 50, 1280, 700)},
        {{1400, 60}, {0, -5}, QRect(1400, 60, 300, 200)},
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, QRect(0, 0, 1280, 800)},
        // Moved onto the smaller screen, then cut to it.
        {{5000, 100}, {1000, 700}, QRect(1280, 0, 800, 600)},
    };
    for (const auto& [at, size, shown] : fits)
        EXPECT_EQ(fit_on_screens(at, size, {300, 200}, desks, settings::dialog_width, settings::dialog_height), shown)
            << at.x() << ' ' << size.width();
}

TEST(QuestDialogLayout, DialogUnitsRoundAsMulDivAndTheTemplateKeepsItsOwnSizeAndFollowsAnyOther) {
    // Halves round away from zero; the product may exceed the int range.
    const std::tuple<int, int, int, int> products[] = {
        {7, 6, 4, 11}, {-7, 6, 4, -11}, {1, 1, 0, -1}, {2'000'000'000, 4, 8, 1'000'000'000}};
    for (const auto& [a, b, c, result] : products) EXPECT_EQ(mul_div(a, b, c), result) << a << ' ' << c;
    EXPECT_EQ(du_to_px({7, 7, 106, 159}, {6, 12}), QRect(11, 11, 159, 239));
#ifndef Q_OS_WIN
    // The form's font resolves to the family installed in its place.
    const QFont font = dialog_font(res::form_font, res::form_font_points);
    EXPECT_EQ(QFontInfo(font).family().toLower(), QFont::substitute(font.family()).toLower());
#endif

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

// Under Qt's own model checker: what each change of the catalogue reports to the views.
TEST(QuestListModel, ReportsChangedIconsForTheSameLinesAndResetsForOthers) {
    using Refresh = QuestListModel::Refresh;
    Catalogue state = make_catalogue("011000,A\n092000,N\n11001,One,0\n11002,[WS]Two,0\n11002,Again,0\n11003,T,0\n");
    QuestListModel model(state);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    select_entry(state, 0);
    EXPECT_EQ(model.refresh(), Refresh::Reset);
    EXPECT_EQ(std::pair(reset.size(), model.rowCount()), std::pair(qsizetype{1}, 4));
    EXPECT_EQ(model.refresh(), Refresh::Unchanged);
    // In an area the rows stay: the two lines of 11002 change, as one run of every column.
    set_cleared(state, "11002", true);
    apply_filter(state);
    EXPECT_EQ(model.refresh(), Refresh::DataChanged);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), model.index(2, 6));
}

}  // namespace
}  // namespace kestrow::test
