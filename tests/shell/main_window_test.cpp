// The real main window on the sample catalogue: start-up, categories, rows
// and icons, the commands and what they leave on disk and in the profile, and
// saving as the user meets it (which failures the writer detects and how the
// changes of two writers are merged, the platform and catalogue suites test).
// Last the real program on hostile profiles: sizes far beyond any screen, and
// profiles that are no regular file.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <cstdio>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#endif

#include "platform/paths.h"
#include "platform/profile.h"
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
        for (const char* name : {"actionChange", "actionEditCopy", "actionFileSave", "actionEditFind", "actionFileRestore",
                                 "actionEditUndo", "actionEditRedo"})
            if (action(name)->isEnabled()) on << QString::fromLatin1(name + 6);
        return on.join(u' ');
    }
    QString storedPlacement() const { return profile().value(QStringLiteral("Settings/WindowPos")).toString(); }
    QString report(const char* text, const char* file) const {
        return QString::fromUtf8(text) + QStringLiteral("\n\n") + QDir::toNativeSeparators(dataPath(file));
    }
    // Another program changes the clear list while the window is elsewhere.
    void changeOutside(const QByteArray& before, const QByteArray& after) {
        write_file(dataPath("ClrList.txt"), read_file(dataPath("ClrList.txt")).replace(before, after));
        QWidget elsewhere;
        elsewhere.show();
        ASSERT_TRUE(activate(&elsewhere));
        ASSERT_TRUE(activate(frame()));
    }
};

// Folders in place of both files: each reported, in the order they are read,
// before the window shows. Without a screen the boxes are printed and take
// their default.
TEST_F(MainWindow, FilesThatCannotBeReadAreReportedBeforeTheWindowShowsAndWithoutAScreenBoxesArePrinted) {
    ASSERT_TRUE(QFile::remove(dataPath("ClrList.txt")) && QDir().mkdir(dataPath("ClrList.txt")) &&
                QFile::remove(dataPath("Kestrow.txt")) && QDir().mkdir(dataPath("Kestrow.txt")));
    start();
    QStringList texts;
    for (const ShownMessage& shown : shown_) {
        texts << shown.request.text;
        EXPECT_TRUE(shown.request.icon == QMessageBox::Warning && shown.request.buttons == QMessageBox::Ok);
        EXPECT_FALSE(shown.main_window_visible);
    }
    EXPECT_EQ(texts, QStringList({report("クリア済みリストを読み込めません。", "ClrList.txt"),
                                  report("データファイルを読み込めません。", "Kestrow.txt")}));
    EXPECT_EQ(MsgBox::caption(), QStringLiteral("Kestrow"));

    // Without a screen, as the program runs offscreen, nobody could close a box.
    ASSERT_TRUE(MsgBox::withoutScreen());
    MsgBox::setPrintWithoutScreen(true);
    MsgBox::setResponder(nullptr);
    // A box that came up all the same is closed, so that the test fails instead of waiting.
    const auto boxed = when_modal();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(MsgBox::askYesNo(nullptr, QStringLiteral("閉じますか")));  // No, the default
    settle();
    EXPECT_FALSE(*boxed);
    MsgBox::setPrintWithoutScreen(false);
    // Qt may print warnings of its own around it.
    const QString printed = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(printed.contains(QStringLiteral("閉じますか\n"))) << printed.toStdString();
}

// A category shows its rows with their icons. A header click sorts, a second
// reverses, a third gives file order; the selected quest stays selected, and
// hidden cleared quests leave at a tick.
TEST_F(MainWindow, ACategoryShowsItsRowsWithTheirIconsHeaderClicksSortThemAndHideClearedLeavesTicksOut) {
    start();
    // The user's pick from the keyboard: Down chooses the first entry.
    chooser()->setFocus();
    QTest::keyClick(chooser(), Qt::Key_Down);
    settle();
    ASSERT_EQ(questList()->model()->rowCount(), 9);
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

    choose(harbour);
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
    EXPECT_EQ(view()->selectedRow(), names().indexOf(fileOrder[2]));
    EXPECT_EQ(click().second, Qt::DescendingOrder);
    EXPECT_EQ(click(), std::pair(fileOrder, -1));

    action("actionViewHideCleared")->trigger();
    const QStringList open = names();
    setCleared(0, true);
    EXPECT_EQ(names(), open.mid(1));
    EXPECT_EQ(frame()->progressPane()->text(), QStringLiteral("クリア済み 3 / 9"));  // every quest still counts
}

// The commands and the figures follow the rows, the selection and the mark.
// Every applied tick is a step; steps outlive a Save, and the menu names
// them. Ctrl+C gives the shown lines as held; Ctrl+Shift+C a header, then the
// rows as shown with their status first.
TEST_F(MainWindow, CommandsAndFiguresFollowTheRowsAndTheTicksWhichSaveUndoRedoAndCopyTakeUp) {
    start();
    QLabel* pane = frame()->progressPane();
    EXPECT_EQ(enabled() + u'|' + pane->text(), "EditFind|");  // no category yet
    choose(harbour);
    EXPECT_EQ(enabled() + u'|' + pane->text(), QStringLiteral("EditCopy EditFind|クリア済み 2 / 9"));
    selectRow(2);
    EXPECT_EQ(enabled(), "Change EditCopy EditFind");
    setCleared(1, true);  // 11002 ticked
    const QString figures = chooser()->model()->index(0, 0).data(ChooserModel::progress_role).toString();
    EXPECT_EQ(QStringList({pane->text(), figures}), QStringList({"クリア済み 3 / 9", "3/9"}));
    // The open list is wide enough for the widest entry with its figures.
    EXPECT_GE(chooser()->view()->minimumWidth(), chooser()->view()->sizeHintForColumn(0));
    EXPECT_GT(chooser()->view()->sizeHintForColumn(0),
              chooser()->fontMetrics().horizontalAdvance(QStringLiteral("ハーヴェル旧市街") + QStringLiteral("3/9")));
    const auto cleared = icon(0);
    setCleared(0, false);  // 11001 unticked; in an area the row stays selected
    EXPECT_EQ(enabled(), "Change EditCopy FileSave EditFind EditUndo");  // a tick keeps no version to restore
    const QByteArray sample = read_file(dataPath("ClrList.txt"));
    press(Qt::Key_S);
    EXPECT_EQ(enabled(), "Change EditCopy EditFind FileRestore EditUndo");
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), QByteArray(sample).replace("11001\r\n", "11002\r\n"));
    // Undone, the quest is ticked again, its row selected, and the change is unsaved once more.
    selectRow(4);
    press(Qt::Key_Z);
    EXPECT_EQ(std::pair(icon(0), view()->selectedRow()), std::pair(cleared, 0));
    EXPECT_EQ(enabled(), "Change EditCopy FileSave EditFind FileRestore EditUndo EditRedo");
    EXPECT_EQ(action("actionEditRedo")->text(), QStringLiteral("やり直し(&R) ") + names()[0] + QStringLiteral(" 未\tCtrl+Y"));
    press(Qt::Key_Y);
    EXPECT_NE(icon(0), cleared);
    EXPECT_EQ(enabled(), "Change EditCopy EditFind FileRestore EditUndo");  // as saved

    choose(QStringLiteral("ゼルト火山"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    press(Qt::Key_C);
    EXPECT_EQ(clipboard->text().split(QStringLiteral("\r\n"))[1],
              QStringLiteral("31002\t火竜の卵\t火竜の羽根\tゼルト火山 中腹の巣\tレベル50以上\t"
                             "火竜の巣から落ちた卵を巣へ戻す。\t0\t1"));
    QTest::keyClick(questList(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text().split(QStringLiteral("\r\n")).mid(0, 2),
              (QStringList{QStringLiteral("状態\tクエスト名称\t報酬\t場所\t発生条件\t詳細\t複数回\tエリア"),
                           QStringLiteral("未\t溶岩石の採掘\t溶岩石 400ギル\tゼルト火山 麓の採掘場\tなし\t"
                                          "採掘場の親方に溶岩石を5個届ける。\t○\tゼルト火山")}));
    // An empty category leaves nothing to copy.
    choose(QStringLiteral("検索結果"));
    EXPECT_EQ(enabled(), "EditFind FileRestore EditUndo");
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
    const auto about = when_modal([&](QDialog& box) {
        EXPECT_FALSE(child<QLabel>(box, "aboutIcon")->pixmap().isNull());
        for (QLabel* text : box.findChildren<QLabel*>()) {  // every text whole, inside the box
            EXPECT_TRUE(text->width() >= text->sizeHint().width() && box.rect().contains(text->geometry()))
                << text->objectName().toStdString();
        }
    });
    action("actionAppAbout")->trigger();
    settle();
    EXPECT_TRUE(*about);
    // The View menu hides the bars.
    action("actionViewToolbar")->trigger();
    action("actionViewStatusBar")->trigger();
    EXPECT_FALSE(frame()->toolBar()->isVisible() || frame()->statusBar()->isVisible());
}

// Nothing unsaved, nothing is asked. A history that cannot be kept is reported
// once, and the saves go on. Yes leaves without saving. A Save into a vanished
// folder is reported and keeps the changes, and 保存して終了 then keeps the
// window; once the folder is back it saves. Last the close question in the
// real box, as Qt draws it: No keeps the window, Yes closes without saving.
TEST_F(MainWindow, UnsavedChangesAreConfirmedAtCloseAndAtSessionEndAndASaveThatFailsKeepsThemAndTheWindow) {
    write_file(dataPath("ClrList.history"), "a file where the folder should be");
    const QByteArray sample = read_file(dataPath("ClrList.txt"));
    start();
    EXPECT_TRUE(frame()->OnQueryEndSession());  // nothing unsaved: nothing asked
    choose(harbour);
    for (const bool cleared : {true, false}) {
        setCleared(1, cleared);
        press(Qt::Key_S);
        EXPECT_FALSE(action("actionFileSave")->isEnabled());
    }
    setCleared(1, true);  // 11002
    answers_ = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(frame()->OnQueryEndSession());
    EXPECT_TRUE(frame()->OnQueryEndSession());
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), sample);  // Yes leaves without saving
    ASSERT_TRUE(QDir(dataDir_).removeRecursively());
    press(Qt::Key_S);
    EXPECT_FALSE(QFileInfo::exists(dataDir_));  // no folder made
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    answers_ = {QMessageBox::Save, QMessageBox::Ok};
    closeWindow();
    ASSERT_NE(frame(), nullptr);
    EXPECT_FALSE(storedPlacement().isEmpty());  // stored although the close was refused
    const QString cannotOpen = report("保存用ファイルを開けません。", "ClrList.txt");
    ASSERT_EQ(shown_.size(), 6u);  // the questions second, third and fifth
    EXPECT_EQ(shown_[0].request.text, report("クリア済みリストの以前の内容を履歴に残せませんでした。", "ClrList.history"));
    EXPECT_EQ(QStringList({shown_[3].request.text, shown_[5].request.text}), QStringList({cannotOpen, cannotOpen}));
    ASSERT_TRUE(QDir().mkpath(dataDir_));
    answers_ = {QMessageBox::Save};
    EXPECT_TRUE(frame()->OnQueryEndSession());
    const QByteArray saved = QByteArray(sample).replace("11003\r\n", "11002\r\n11003\r\n");
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), saved);

    setCleared(1, false);
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
    answer(QMessageBox::No);
    EXPECT_EQ(asked, QStringLiteral("保存されていない変更があります。\n\nこのまま終了してよろしいですか？ （’◇’）ゞ"
                                    "|はい(&Y)|いいえ(&N)|保存して終了(&S)"));
    ASSERT_NE(frame(), nullptr);
    EXPECT_TRUE(frame()->isVisible() && view()->document()->hasUnsavedChanges());
    answer(QMessageBox::Yes);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), saved);
}

// A clear list changed outside is taken when the window is activated, with
// this run's own ticks on top; unsaved means differing from what it holds. A
// Kestrow.txt replaced on disk is noticed; F5 reads it, keeping the unsaved
// tick (by its Code, though its line moved) and the category. What the new
// catalogue brought is told once, and its new quests have an entry of their
// own until the next change.
TEST_F(MainWindow, ClearListAndCatalogueChangedOutsideAreTakenKeepingTheUnsavedTickAndTheNewsIsToldOnce) {
    start();
    EXPECT_TRUE(shown_.empty());  // nothing seen yet: nothing to report
    choose(harbour);
    setCleared(1, true);  // 11002, then unticked: nothing to save
    setCleared(1, false);
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    const auto cleared = icon(0);  // 11001 済
    setCleared(1, true);           // 11002, not saved
    changeOutside("11003\r\n", "11003\r\n11004\r\n");
    EXPECT_EQ(std::vector({icon(1) == cleared, icon(3) == cleared}), std::vector({true, true}));
    QSignalSpy changed(view()->document(), &CKestrowDoc::catalogueChangedOnDisk);
    // A line in front moves every quest line, and 11001 becomes 11099; written aside
    // and renamed over, as copies arrive.
    write_file(dataPath("Kestrow.new"), "11000,New,,,,,0\r\n" +
                                            read_file(dataPath("Kestrow.txt")).replace("\r\n11001,", "\r\n11099,"));
    ASSERT_TRUE(std::rename(dataPath("Kestrow.new").toLocal8Bit(), dataPath("Kestrow.txt").toLocal8Bit()) == 0);
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_FALSE(frame()->statusBar()->currentMessage().isEmpty());
    QTest::keyClick(questList(), Qt::Key_F5);
    settle();
    EXPECT_EQ(chooser()->currentText(), harbour);
    EXPECT_EQ(std::vector({icon(1) == cleared, icon(2) == cleared}), std::vector({false, true}));  // 11099, 11002
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].request.text.contains(QStringLiteral("新しいクエスト: 2 件\nなくなったクエスト: 1 件（うちクリア済み 1 件")))
        << shown_[0].request.text.toStdString();
    choose(QStringLiteral("新しいクエスト"));
    EXPECT_EQ(names().size(), 2);
    // Another program saves this run's tick too: nothing is left to save, and closing asks nothing.
    changeOutside("11003\r\n", "11002\r\n11003\r\n");
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    closeWindow();
    EXPECT_EQ(frame(), nullptr);
    start();
    EXPECT_EQ(shown_.size(), 1u);  // told once, and nothing asked at the close
    EXPECT_GE(chooser()->findText(QStringLiteral("新しいクエスト")), 0);
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
    EXPECT_EQ(chooser()->currentText(), harbour);
    EXPECT_EQ(names(), shown);
    EXPECT_TRUE(action("actionViewHideCleared")->isChecked());
    EXPECT_EQ(questList()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
}

// Without a stored placement the window shows about fifteen rows of every
// column, within the screen.
TEST_F(MainWindow, TheFirstStartsSizeAndAStoredPlacementHeldToTheScreen) {
    profile().setValue("Settings/Category", "77000");  // a category that no longer exists chooses nothing
    start();
    EXPECT_EQ(chooser()->currentIndex(), -1);
    const QSize first = frame()->size();
    const QSize screen = frame()->screen()->availableGeometry().size();
    const QSize wanted = view()->firstStartSize();
    EXPECT_TRUE(first.width() <= screen.width() && first.height() <= screen.height());
    EXPECT_TRUE(view()->width() >= wanted.width() || first.width() == screen.width());
    EXPECT_TRUE(view()->height() >= wanted.height() || first.height() == screen.height());
    EXPECT_GT(wanted.height(), 15 * 16);
    closeWindow();
    // A stored maximised or minimised state wins over the start-up one, keeps
    // the stored rectangle to restore to and is stored again; a rejected
    // placement is ignored; a size is held to the screen.
    const std::tuple<const char*, Qt::WindowStates, QSize, const char*> stored[] = {
        {"2:3:-1:-1:-1:-1:100:120:800:620", Qt::WindowMaximized, QSize(700, 500), "2:3:-1:-1:-1:-1:100:120:800:620"},
        {"0:2:-1:-1:-1:-1:100:120:800:620", Qt::WindowMinimized, QSize(700, 500), "0:2:-1:-1:-1:-1:100:120:800:620"},
        {"junk", Qt::WindowNoState, first, "0:1:"},
        {"0:1:-1:-1:-1:-1:100:80:40000:30000", Qt::WindowNoState, screen, "0:1:"}};
    for (const auto& [text, state, size, again] : stored) {
        profile().setValue("Settings/WindowPos", text);
        start();
        EXPECT_EQ(std::pair(frame()->windowState(), frame()->normalGeometry().size()), std::pair(state, size)) << text;
        closeWindow();
        EXPECT_TRUE(storedPlacement().startsWith(QString::fromLatin1(again))) << storedPlacement().toStdString();
    }
}

// The real program, started on the fixture's data folder and profile.
#ifdef __linux__
#ifdef __SANITIZE_ADDRESS__
constexpr long most_kb = LONG_MAX;  // the sanitizer's own bookkeeping outweighs the program
#else
constexpr long most_kb = 200 * 1024;
#endif

TEST_F(MainWindow, AHostileProfilesSizesCostNoMemoryAndWhatIsNoRegularFileIsNeitherWaitedForNorWritten) {
    const QString file = profile_file();
    ASSERT_TRUE(file.startsWith(root_.path()) && QDir().mkpath(QFileInfo(file).path()));
    qputenv("KESTROW_EXIT_AFTER_SHOW", "1");
    // Starts the program on the fixture's data and profile (on the tests'
    // platform), to leave once its window is shown. True when it did so in
    // time and by itself; one that hangs, the destructor kills.
    const auto run = [&] {
        QProcess program;
        program.start(QStringLiteral(KESTROW_PROGRAM), {dataDir_});
        return program.waitForFinished(20000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    };
    // The profile's folder: names, kinds and sizes.
    const auto listing = [&] {
        QStringList entries;
        const QDir folder = QFileInfo(file).dir();
        for (const QFileInfo& f : folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            entries << QStringLiteral("%1 %2 %3").arg(f.fileName()).arg(f.isFile()).arg(f.size());
        return entries;
    };
    write_file(file, "[Settings]\nWindowPos=0:1:-1:-1:-1:-1:0:0:32767:32767\n[CWidth]\n1=2147483647\n"
                     "[CDlgSize]\nleft=2147483647\ntop=-2147483648\nwidth=2147483647\nheight=2147483647\n");
    ASSERT_TRUE(run());
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    RecordProperty("peak_rss_kb", std::to_string(usage.ru_maxrss));
    EXPECT_LT(usage.ru_maxrss, most_kb);

    // A FIFO blocks its reader until someone writes to it; the lock file is
    // read at a write. A file far larger than any profile would be read whole.
    ASSERT_TRUE(QFile::remove(file));
    for (const QString& fifo : {file, file + QStringLiteral(".lock"), QString()}) {
        if (fifo.isEmpty())
            write_file(file, QByteArray(2 << 20, '\n').prepend("[CWidth]\n1=50\n"));
        else
            ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QStringList before = listing();
        EXPECT_TRUE(run()) << fifo.toStdString();
        EXPECT_EQ(listing(), before);
        ASSERT_TRUE(fifo.isEmpty() || QFile::remove(fifo));
    }
}
#endif

}  // namespace
}  // namespace kestrow::test
