// The real main window on the sample catalogue: start-up, categories, rows
// and icons, the commands and what they leave on disk and in the profile.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "platform/paths.h"
#include "chooser_model.h"
#include "desktop/key_locks.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

const QString harbour = QStringLiteral("ハーヴェル港");

// A status bitmap as the list must draw it: white is transparent in 130 only.
QImage status_bitmap(int number) {
    QImage image = QImage(QStringLiteral(":/icons/status_%1.png").arg(number)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; number == 130 && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

class MainWindow : public ShellTest {
protected:
    void press(Qt::Key key) { QTest::keyClick(questList(), key, Qt::ControlModifier); }
    // The enabled view commands, by object name less "action".
    QString enabled() const {
        QStringList on;
        for (const char* name : {"actionChange", "actionEditCopy", "actionFileSave", "actionEditFind", "actionFileRestore"})
            if (action(name)->isEnabled()) on << QString::fromLatin1(name + 6);
        return on.join(u' ');
    }
    QString storedPlacement() const { return profile().value(QStringLiteral("Settings/WindowPos")).toString(); }
};

TEST_F(MainWindow, FirstStartShowsTheEmptyFormWithDefaults) {
    start();
    EXPECT_TRUE(shown_.empty());
    // The categories with their codes, none chosen.
    EXPECT_EQ(chooser()->itemText(0) + chooser()->itemData(0).toString(), QStringLiteral("ハーヴェル港11000"));
    EXPECT_EQ(chooser()->currentIndex(), -1);
    EXPECT_EQ(questList()->model()->rowCount(), 0);
    // Without a stored placement the window shows about fifteen rows of every column, within the screen.
    const QRect area = frame()->screen()->availableGeometry();
    EXPECT_TRUE(frame()->width() <= area.width() && frame()->height() <= area.height());
    const QSize wanted = view()->firstStartSize();
    EXPECT_TRUE(view()->width() >= wanted.width() || frame()->width() == area.width());
    EXPECT_TRUE(view()->height() >= wanted.height() || frame()->height() == area.height());
    EXPECT_GT(wanted.height(), 15 * 16);
}

// Folders in place of both files: each reported, in the order they are read,
// before the window shows.
TEST_F(MainWindow, FilesThatCannotBeReadAreReportedBeforeTheWindowShows) {
    ASSERT_TRUE(QFile::remove(dataPath("ClrList.txt")) && QDir().mkdir(dataPath("ClrList.txt")) &&
                QFile::remove(dataPath("Kestrow.txt")) && QDir().mkdir(dataPath("Kestrow.txt")));
    start();
    QStringList texts;
    for (const ShownMessage& shown : shown_) {
        texts << shown.request.text;
        EXPECT_TRUE(shown.request.icon == QMessageBox::Warning && shown.request.buttons == QMessageBox::Ok);
        EXPECT_FALSE(shown.main_window_visible);
    }
    EXPECT_EQ(texts, QStringList({QStringLiteral("クリア済みリストを読み込めません。\n\n") + QDir::toNativeSeparators(dataPath("ClrList.txt")),
                                  QStringLiteral("データファイルを読み込めません。\n\n") + QDir::toNativeSeparators(dataPath("Kestrow.txt"))}));
    EXPECT_EQ(MsgBox::caption(), QStringLiteral("Kestrow"));
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_EQ(chooser()->count(), 0);
}

TEST_F(MainWindow, WithoutAScreenTheProgramsBoxesArePrintedAndTakeTheirDefault) {
    // As the program runs offscreen, where nobody could close a box.
    ASSERT_TRUE(MsgBox::withoutScreen());
    MsgBox::setPrintWithoutScreen(true);
    const struct Restore {
        ~Restore() { MsgBox::setPrintWithoutScreen(false); }
    } restore;
    answers_ = {QMessageBox::Yes};
    EXPECT_TRUE(MsgBox::askYesNo(nullptr, QStringLiteral("?")));  // a responder still answers first
    MsgBox::setResponder(nullptr);
    // A box that came up all the same is closed, so that the test fails instead of waiting.
    const auto boxed = when_modal();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(MsgBox::askYesNo(nullptr, QStringLiteral("閉じますか")));  // No, the default
    settle();
    EXPECT_FALSE(*boxed);
    // Qt may print warnings of its own around it.
    const QString printed = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(printed.contains(QStringLiteral("閉じますか\n"))) << printed.toStdString();
}

TEST_F(MainWindow, ACategoryShowsItsRowsWithTheirIcons) {
    start();
    // The user's pick from the keyboard: Down chooses the first entry.
    chooser()->setFocus();
    QTest::keyClick(chooser(), Qt::Key_Down);
    settle();
    ASSERT_EQ(questList()->model()->rowCount(), 9);
    EXPECT_EQ(questList()->model()->index(0, 6).data().toString(), harbour);
    EXPECT_FALSE(questList()->model()->index(0, 3).data(Qt::DecorationRole).isValid());  // the Name's only
    // 134 (cleared AF) and 136 (ENM not cleared) swap places in the image list.
    const std::tuple<const char*, int, int> icons[] = {
        {"ハーヴェル港", 0, 130}, {"ハーヴェル港", 1, 131}, {"ハーヴェル港", 2, 135}, {"ハーヴェル港", 6, 133},
        {"ハーヴェル港", 8, 136}, {"AFクエスト", 2, 134},   {"ENMクエスト", 2, 137}};
    for (const auto& [category, row, bitmap] : icons) {
        choose(QString::fromUtf8(category));
        const QVariant icon = questList()->model()->index(row, 0).data(Qt::DecorationRole);
        EXPECT_EQ(icon.value<QIcon>().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                  status_bitmap(bitmap)) << category << " row " << row;
    }
}

// The commands and the figures follow the rows, the selection and the mark.
TEST_F(MainWindow, CommandsAndFiguresFollowRowsSelectionAndMarkAndCtrlSSavesTheSortedCodes) {
    start();
    QLabel* pane = frame()->progressPane();
    const auto figures = [&](int entry) {
        return chooser()->model()->index(entry, 0).data(ChooserModel::progress_role).toString();
    };
    const int open = chooser()->findText(QStringLiteral("未クリア"));
    EXPECT_EQ(enabled() + u'|' + pane->text(), "EditFind|");  // no category yet
    choose(harbour);
    EXPECT_EQ(enabled() + u'|' + pane->text(), QStringLiteral("EditCopy EditFind|クリア済み 2 / 9"));
    selectRow(2);
    EXPECT_EQ(enabled(), "Change EditCopy EditFind");
    setCleared(1, true);  // 11002 ticked
    EXPECT_EQ(QStringList({pane->text(), figures(0), figures(open)}), QStringList({"クリア済み 3 / 9", "3/9", "0/22"}));
    EXPECT_EQ(chooser()->itemText(0), harbour);  // the entry's own text is unchanged
    // The open list is wide enough for the widest entry with its figures.
    EXPECT_GE(chooser()->view()->minimumWidth(), chooser()->view()->sizeHintForColumn(0));
    EXPECT_GT(chooser()->view()->sizeHintForColumn(0),
              chooser()->fontMetrics().horizontalAdvance(QStringLiteral("ハーヴェル旧市街") + QStringLiteral("3/9")));
    setCleared(0, false);  // 11001 unticked; in an area the row stays selected
    EXPECT_EQ(enabled(), "Change EditCopy FileSave EditFind");  // a tick keeps no version to restore
    const QByteArray sample = read_file(dataPath("ClrList.txt"));
    press(Qt::Key_S);
    EXPECT_EQ(enabled(), "Change EditCopy EditFind FileRestore");
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), QByteArray(sample).replace("11001\r\n", "11002\r\n"));
    // Disabled, Ctrl+S writes nothing.
    write_file(dataPath("ClrList.txt"), "kept\r\n");
    press(Qt::Key_S);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), "kept\r\n");
    // An empty category leaves nothing to copy.
    choose(QStringLiteral("検索結果"));
    EXPECT_EQ(enabled(), "EditFind FileRestore");
}

// Ctrl+C gives the shown lines as held; Ctrl+Shift+C a header, then the rows
// as shown with their status first.
TEST_F(MainWindow, CopyGivesTheShownLinesAndCopyAsShownTheRowsUnderAHeader) {
    start();
    choose(QStringLiteral("ゼルト火山"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    press(Qt::Key_C);
    const QStringList held = clipboard->text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(held.size(), 9);  // eight lines and the empty rest after the last line break
    EXPECT_EQ(held[1], QStringLiteral("31002\t火竜の卵\t火竜の羽根\tゼルト火山 中腹の巣\tレベル50以上\t"
                                      "火竜の巣から落ちた卵を巣へ戻す。\t0\t1"));
    QTest::keyClick(questList(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList shown = clipboard->text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.mid(0, 2), (QStringList{QStringLiteral("状態\tクエスト名称\t報酬\t場所\t発生条件\t詳細\t複数回\tエリア"),
                                            QStringLiteral("未\t溶岩石の採掘\t溶岩石 400ギル\tゼルト火山 麓の採掘場\tなし\t"
                                                           "採掘場の親方に溶岩石を5個届ける。\t○\tゼルト火山")}));
    // Nothing shown, nothing copied: the clipboard keeps what it had.
    choose(QStringLiteral("検索結果"));
    view()->OnEditCopy();
    EXPECT_EQ(clipboard->text().split(QStringLiteral("\r\n")), shown);
}

// Every applied tick is a step; steps outlive a Save, and the menu names them.
TEST_F(MainWindow, UndoAndRedoStepThroughTicksAcrossASave) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    QAction* undo = action("actionEditUndo");
    QAction* redo = action("actionEditRedo");
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());
    const auto unticked = icon(1);
    const QString name = names()[1];
    setCleared(1, true);
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U) ") + name + QStringLiteral(" 済\tCtrl+Z"));
    press(Qt::Key_S);
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    selectRow(4);
    press(Qt::Key_Z);
    // The quest is unticked again, its row selected, and the change is unsaved once more.
    EXPECT_EQ(std::tuple(icon(1), view()->selectedRow(), action("actionFileSave")->isEnabled()),
              std::tuple(unticked, 1, true));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("やり直し(&R) ") + name + QStringLiteral(" 済\tCtrl+Y"));
    press(Qt::Key_Y);
    EXPECT_NE(icon(1), unticked);
    EXPECT_FALSE(action("actionFileSave")->isEnabled());  // as saved
    // A new tick drops what could be redone.
    press(Qt::Key_Z);
    setCleared(3, true);
    EXPECT_FALSE(redo->isEnabled());
}

// A header click sorts, a second reverses, a third gives file order; the
// selected quest stays selected, and hidden cleared quests leave at a tick.
TEST_F(MainWindow, HeaderClicksSortTheRowsAndHideClearedLeavesTicksOut) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList fileOrder = names();
    selectRow(2);
    QHeaderView* header = questList()->header();
    const auto click = [&] {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(1) + 5, 5));
        settle();
        return std::pair(names(), header->sortIndicatorSection() == 1 ? header->sortIndicatorOrder() : -1);
    };
    const auto [ascending, up] = click();
    EXPECT_EQ(up, Qt::AscendingOrder);
    EXPECT_NE(ascending, fileOrder);
    EXPECT_EQ(names()[view()->selectedRow()], fileOrder[2]);
    const auto [descending, down] = click();
    EXPECT_EQ(down, Qt::DescendingOrder);
    EXPECT_EQ(click(), std::pair(fileOrder, -1));

    action("actionViewHideCleared")->trigger();
    const QStringList open = names();
    EXPECT_LT(open.size(), fileOrder.size());
    setCleared(0, true);
    EXPECT_EQ(names(), open.mid(1));
    EXPECT_EQ(frame()->progressPane()->text(), QStringLiteral("クリア済み %1 / %2")
                                                   .arg(fileOrder.size() - open.size() + 1)
                                                   .arg(fileOrder.size()));  // every quest still counts
}

// The bars and the menus built from the tables, the key panes and the About box.
TEST_F(MainWindow, BarsMenusKeyPanesAndTheAboutBox) {
    // Only the caps lock's state is known.
    struct FakeLocks final : KeyLockState {
        std::optional<bool> caps = true;
        std::optional<bool> isOn(LockKey k) const override { return k == LockKey::Caps ? caps : std::nullopt; }
    };
    start();
    // A prompt gives the status tip before its line feed and the tool tip after it.
    EXPECT_EQ(action("actionEditFind")->statusTip() + u'|' + action("actionEditFind")->toolTip(),
              QStringLiteral("指定した文字列の検索|検索"));
    auto* locks = new FakeLocks;
    frame()->setKeyLockState(std::unique_ptr<KeyLockState>(locks));
    QStringList seen;
    for (const bool on : {true, false}) {
        locks->caps = on;
        QTest::keyClick(questList(), Qt::Key_NumLock);  // any key refreshes them
        QString panes;
        for (QLabel* pane : frame()->statusBar()->findChildren<QLabel*>()) panes += pane->text() + u'|';
        seen << panes;
    }
    // Idle, the category's and the whole catalogue's progress, then the four locks.
    EXPECT_EQ(seen, (QStringList{"ﾚﾃﾞｨ||全体 8 / 50||CAP|||", "ﾚﾃﾞｨ||全体 8 / 50|||||"}));
    QString about;
    when_modal([&](QDialog& box) {
        about = box.windowTitle() + u'|' + child<QLabel>(box, "aboutVersion")->text();
        EXPECT_TRUE(child<QLabel>(box, "aboutRights")->text().contains(QStringLiteral("Copyright")));
        EXPECT_FALSE(child<QLabel>(box, "aboutIcon")->pixmap().isNull());
        for (QLabel* text : box.findChildren<QLabel*>()) {  // every text whole, inside the box
            EXPECT_TRUE(text->width() >= text->sizeHint().width() && box.rect().contains(text->geometry()))
                << text->objectName().toStdString();
        }
    });
    action("actionAppAbout")->trigger();
    EXPECT_EQ(about, QStringLiteral("ケストロウのバージョン （’◇’）ゞ|Kestrow Version 1.1"));
    // The View menu hides the bars.
    action("actionViewToolbar")->trigger();
    action("actionViewStatusBar")->trigger();
    EXPECT_FALSE(frame()->toolBar()->isVisible() || frame()->statusBar()->isVisible());
    EXPECT_FALSE(action("actionViewToolbar")->isChecked() || action("actionViewStatusBar")->isChecked());
}

// At the session's end and at a close, in the real box as Qt draws it there.
TEST_F(MainWindow, UnsavedChangesAreConfirmedAtCloseAndAtSessionEnd) {
    start();
    EXPECT_TRUE(frame()->OnQueryEndSession());  // nothing unsaved: nothing asked
    EXPECT_TRUE(shown_.empty());
    const QByteArray before = read_file(dataPath("ClrList.txt"));
    choose(harbour);
    setCleared(1, true);
    answers_ = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(frame()->OnQueryEndSession());
    EXPECT_TRUE(frame()->OnQueryEndSession());
    MsgBox::setResponder(nullptr);
    QString asked;
    const auto answer = [&](QMessageBox::StandardButton which) {
        when_modal([&asked, which](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            asked = box.text();
            for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Save}) asked += u'|' + box.button(b)->text();
            EXPECT_TRUE(box.icon() == QMessageBox::Question && box.defaultButton() == box.button(QMessageBox::No));
            box.button(which)->click();
        });
        closeWindow();
    };
    // No keeps the window and the changes; the placement is stored all the same.
    answer(QMessageBox::No);
    EXPECT_EQ(asked, QStringLiteral("保存されていない変更があります。\n\nこのまま終了してよろしいですか？ （’◇’）ゞ"
                                    "|はい(&Y)|いいえ(&N)|保存して終了(&S)"));
    ASSERT_NE(frame(), nullptr);
    EXPECT_TRUE(frame()->isVisible() && view()->document()->hasUnsavedChanges());
    EXPECT_FALSE(storedPlacement().isEmpty());
    // Yes closes without saving.
    answer(QMessageBox::Yes);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), before);
}

// Column widths, the dialog's geometry, the window's placement and the list as
// it was left (category, hidden quests, sort) are read at start and written on exit.
TEST_F(MainWindow, TheListAndItsGeometryComeBackAsTheyWereLeft) {
    // A non-number or -1 is the default; column 8 does not exist and is left alone.
    for (const auto& [key, value] : std::initializer_list<std::pair<const char*, QVariant>>{
             {"CWidth/1", "wide"}, {"CWidth/2", 99999}, {"CWidth/4", 250}, {"CWidth/5", -7}, {"CWidth/7", 0},
             {"CWidth/8", 999},
             {"CDlgSize/left", -50}, {"CDlgSize/width", -1}, {"CDlgSize/height", 200}})
        profile().setValue(key, value);
    const QStringList keys = profile().allKeys();
    // A view that never had its initial update read nothing, so it writes nothing.
    CKestrowDoc doc;
    delete new CKestrowView(&doc, to_path(dataDir_));
    EXPECT_EQ(profile().allKeys(), keys);

    start();
    QList<int> widths;
    for (int c = 0; c < 7; ++c) widths << questList()->header()->sectionSize(c);
    // Stored ones held to nothing and the screen's width; the others fit their cells.
    const int screen = frame()->screen()->size().width();
    EXPECT_EQ(widths.mid(1, 1) + widths.mid(3, 2) + widths.mid(6), (QList<int>{screen, 250, 0, 0}));
    EXPECT_TRUE(widths[0] > 100 && widths[5] < 100) << widths[0] << ' ' << widths[5];
    EXPECT_EQ(view()->dialogGeometry(), (DialogGeometry{-50, 178, 644, 200}));
    questList()->header()->resizeSection(1, 90);
    questList()->header()->resizeSection(2, 130);
    view()->dialogGeometry().top = 5;
    frame()->setGeometry(QRect(100, 120, 700, 500));
    choose(harbour);
    action("actionViewHideCleared")->trigger();
    for (int click = 0; click < 2; ++click) emit questList()->header()->sectionClicked(1);
    const QStringList shown = names();
    closeWindow();
    QStringList stored;
    for (const QString& key : profile().allKeys()) stored << key + u'=' + profile().value(key).toString();
    EXPECT_EQ(stored, (QStringList{"CDlgSize/height=200", "CDlgSize/left=-50", "CDlgSize/top=5", "CDlgSize/width=644",
                                   "CWidth/1=" + QString::number(widths[0]), "CWidth/2=90", "CWidth/3=130",
                                   "CWidth/4=250", "CWidth/5=0", "CWidth/6=" + QString::number(widths[5]),
                                   "CWidth/7=0", "CWidth/8=999", "Settings/Category=11000", "Settings/HideCleared=1",
                                   "Settings/SortColumn=1", "Settings/SortDescending=1",
                                   "Settings/WindowPos=0:1:-1:-1:-1:-1:100:120:800:620"}));
    start();
    EXPECT_EQ(std::pair(frame()->geometry(), frame()->windowState()), std::pair(QRect(100, 120, 700, 500), Qt::WindowStates()));
    EXPECT_EQ(chooser()->currentText(), harbour);
    EXPECT_EQ(names(), shown);
    EXPECT_TRUE(action("actionViewHideCleared")->isChecked());
    EXPECT_EQ(questList()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    // A category that no longer exists chooses nothing.
    closeWindow();
    write_file(dataPath("Kestrow.txt"), "011000,A\r\n11001,x,,,,,0\r\n");
    profile().setValue("Settings/Category", "12000");
    start();
    EXPECT_EQ(chooser()->currentIndex(), -1);
}

TEST_F(MainWindow, AMaximisedPlacementIsTheNextStartsAndAStoredSizeIsHeldToTheScreen) {
    start();
    const QSize first = frame()->size();
    const QSize screen = frame()->screen()->availableGeometry().size();
    const QSize least = frame()->minimumSizeHint();
    // Closed maximised: opens maximised, and restores to the stored rectangle.
    frame()->setGeometry(QRect(100, 120, 700, 500));
    settle();
    frame()->showMaximized();
    settle();
    closeWindow();
    EXPECT_EQ(storedPlacement(), QStringLiteral("2:3:-1:-1:-1:-1:100:120:800:620"));
    start();
    EXPECT_TRUE(frame()->isMaximized());
    EXPECT_EQ(frame()->normalGeometry(), QRect(100, 120, 700, 500));
    closeWindow();
    // A stored minimised state wins over the start-up one and is stored again; a
    // rejected placement is ignored; a size is held to the screen and to what the bars need.
    const std::tuple<const char*, Qt::WindowStates, QSize> stored[] = {
        {"0:2:-1:-1:-1:-1:100:120:800:620", Qt::WindowMinimized, QSize(700, 500)},
        {"junk", Qt::WindowNoState, first},
        {"0:1:-1:-1:-1:-1:100:80:40000:30000", Qt::WindowNoState, screen},
        {"0:1:-1:-1:-1:-1:100:80:90:70", Qt::WindowNoState, least}};
    for (const auto& [text, state, size] : stored) {
        profile().setValue("Settings/WindowPos", text);
        start();
        EXPECT_EQ(std::pair(frame()->windowState(), frame()->size()), std::pair(state, size)) << text;
        closeWindow();
        EXPECT_EQ(storedPlacement().section(u':', 1, 1), state == Qt::WindowMinimized ? "2" : "1") << text;
    }
}

}  // namespace
}  // namespace kestrow::test
