// The real main window on the sample catalogue: start-up, categories, rows
// and icons, the commands and what they leave on disk and in the profile.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "about_dlg.h"
#include "platform/clear_file_writer.h"
#include "platform/key_locks.h"
#include "quest_list_model.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

const QString close_prompt = QStringLiteral(
    "保存されていない変更があります。\n\nこのまま終了してよろしいですか？ （’◇’）ゞ");

// The sample's clear list: the Codes of the quests cleared at start.
const QStringList sample_cleared{"11001", "11003", "12002", "13003", "21005", "21008", "22001", "31002"};

QImage image_of(const QVariant& decoration) {
    return decoration.value<QIcon>().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}
// A status bitmap as the list must draw it: white is transparent in 130 only.
QImage status_bitmap(int number) {
    QImage image = QImage(QStringLiteral(":/icons/status_%1.png").arg(number)).convertToFormat(QImage::Format_ARGB32);
    if (number == 130)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(255, 255, 255)) image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

class MainWindow : public ShellTest {
protected:
    QString cell(int row, int column) const {
        return questList()->model()->index(row, column).data().toString();
    }
    QVariant icon(int row) const { return questList()->model()->index(row, 0).data(Qt::DecorationRole); }
    int rows() const { return questList()->model()->rowCount(); }
    void selectRow(int row) {
        questList()->setCurrentIndex(questList()->model()->index(row, 0));
        settle();
    }
    void press(int key) {
        QTest::keyClick(questList(), static_cast<Qt::Key>(key), Qt::ControlModifier);
        settle();
    }
    QString storedPlacement() { return profile().value(QStringLiteral("Settings/WindowPos")).toString(); }
};

TEST_F(MainWindow, FirstStartShowsTheEmptyFormWithDefaults) {
    start();
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ"));
    EXPECT_TRUE(frame()->isVisible());
    // The chooser holds the categories in sorted order and selects none; the list is empty.
    ASSERT_EQ(chooser()->count(), 13);
    EXPECT_EQ(chooser()->itemText(0), QStringLiteral("ハーヴェル港"));
    EXPECT_EQ(chooser()->itemData(0).toInt(), 11000);
    EXPECT_EQ(chooser()->itemText(12), QStringLiteral("検索結果"));
    EXPECT_EQ(chooser()->currentIndex(), -1);
    EXPECT_EQ(rows(), 0);
    // Seven left-aligned columns of 100 pixels with their headers.
    const QStringList headers{"クエスト名称", "報酬", "場所", "発生条件", "詳細", "複数回", "エリア"};
    ASSERT_EQ(questList()->model()->columnCount(), 7);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(questList()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(questList()->header()->sectionSize(c), 100) << c;
    }
    EXPECT_EQ(view()->dialogGeometry(), (DialogGeometry{184, 178, 644, 421}));
    // Nothing to change, copy or save yet; Find always works.
    EXPECT_FALSE(action("actionChange")->isEnabled());
    EXPECT_FALSE(action("actionEditCopy")->isEnabled());
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    EXPECT_TRUE(action("actionEditFind")->isEnabled());
    // Without a stored placement the frame is shrunk so that the view has the form's size.
    EXPECT_LE(view()->width(), view()->sizeHint().width());
    EXPECT_LE(view()->height(), view()->sizeHint().height());
}

TEST_F(MainWindow, ReportsMissingAndUnreadableFilesBeforeTheWindowShows) {
    ASSERT_TRUE(QFile::remove(dataPath("Kestrow.txt")));
    start();
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].request.text,
              QStringLiteral("データファイルが見つかりません。\n\n") + QDir::toNativeSeparators(dataPath("Kestrow.txt")));
    EXPECT_EQ(shown_[0].request.icon, QMessageBox::Warning);
    EXPECT_EQ(shown_[0].request.buttons, QMessageBox::Ok);
    EXPECT_FALSE(shown_[0].main_window_visible);
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_EQ(chooser()->count(), 0);
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(action("actionEditCopy")->isEnabled());
    closeWindow();

    // A folder where each file should be: both are reported, in that order.
    shown_.clear();
    ASSERT_TRUE(QFile::remove(dataPath("ClrList.txt")));
    ASSERT_TRUE(QDir().mkdir(dataPath("ClrList.txt")));
    ASSERT_TRUE(QDir().mkdir(dataPath("Kestrow.txt")));
    start();
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_TRUE(shown_[0].request.text.startsWith(QStringLiteral("クリア済みリストを読み込めません。\n\n")));
    EXPECT_TRUE(shown_[1].request.text.startsWith(QStringLiteral("データファイルを読み込めません。\n\n")));
    EXPECT_FALSE(shown_[1].main_window_visible);
    closeWindow();

    // An empty data file is no error: no categories, no message.
    shown_.clear();
    ASSERT_TRUE(QDir(dataPath("Kestrow.txt")).removeRecursively());
    write_file(dataPath("Kestrow.txt"), {});
    start();
    EXPECT_TRUE(shown_.size() == 1u && shown_[0].request.text.startsWith(QStringLiteral("クリア済みリスト")));
    EXPECT_EQ(chooser()->count(), 0);
}

TEST_F(MainWindow, ChoosingACategoryShowsItsRowsWithIconsAndTexts) {
    start();
    // The user's pick from the keyboard: Down selects the first entry.
    chooser()->setFocus();
    QTest::keyClick(chooser(), Qt::Key_Down);
    settle();
    ASSERT_EQ(chooser()->currentIndex(), 0);
    ASSERT_EQ(rows(), 9);
    EXPECT_EQ(cell(0, 0), QStringLiteral(" 港の見張り番"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("200ギル"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("ハーヴェル港 第2桟橋"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("なし"));
    EXPECT_EQ(cell(0, 4), QStringLiteral("見張り番のオルドに夜食を届ける。"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("×"));
    EXPECT_EQ(cell(0, 6), QStringLiteral("ハーヴェル港"));
    // "<BR>" is a line break inside the cell.
    EXPECT_EQ(cell(1, 4), QStringLiteral("灯台守のミーナが世話していた渡り鳥が逃げた。\r\n港の倉庫街で探し出そう。"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("魚の塩漬け\r\n50ギル"));
    // An empty Repeatable value is not "0": repeatable.
    EXPECT_EQ(cell(7, 5), QStringLiteral("○"));
    // Cleared, not cleared, WS cleared, AF and ENM not cleared.
    const int bitmaps[] = {130, 131, 135, 131, 131, 131, 133, 131, 136};
    for (int r = 0; r < 9; ++r) EXPECT_EQ(image_of(icon(r)), status_bitmap(bitmaps[r])) << "row " << r;
    for (int c = 1; c < 7; ++c) EXPECT_FALSE(questList()->model()->index(0, c).data(Qt::DecorationRole).isValid());

    // The AF and ENM categories hold the cleared tagged quests whose images swap places.
    choose(QStringLiteral("AFクエスト"));
    ASSERT_EQ(rows(), 6);
    EXPECT_EQ(cell(2, 0), QStringLiteral(" [戦AF2]盾の継承"));
    EXPECT_EQ(image_of(icon(2)), status_bitmap(134));
    EXPECT_EQ(image_of(icon(0)), status_bitmap(133));
    choose(QStringLiteral("ENMクエスト"));
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(cell(2, 0), QStringLiteral(" [ENM]千年樹の怒り"));
    EXPECT_EQ(image_of(icon(2)), status_bitmap(137));
    EXPECT_EQ(image_of(icon(1)), status_bitmap(136));
    // The search category without a search text is empty.
    choose(QStringLiteral("検索結果"));
    EXPECT_EQ(rows(), 0);
}

TEST_F(MainWindow, CommandsAreEnabledByRowsSelectionAndTheModifiedMark) {
    start();
    QAction* change = action("actionChange");
    QAction* copy = action("actionEditCopy");
    QAction* save = action("actionFileSave");
    choose(QStringLiteral("ハーヴェル城"));
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(change->isEnabled());
    selectRow(2);
    EXPECT_TRUE(change->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    setCleared(0, true);  // 13001 was not cleared
    EXPECT_TRUE(save->isEnabled());
    // A new category clears the selection; an empty one leaves nothing to copy.
    choose(QStringLiteral("検索結果"));
    EXPECT_FALSE(change->isEnabled());
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(action("actionEditFind")->isEnabled());
}

TEST_F(MainWindow, CtrlSSavesTheSortedCodesAndClearsTheMark) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);   // 11002 ticked
    setCleared(0, false);  // 11001 unticked
    ASSERT_EQ(view()->document()->modifiedMark(), 1);
    press(Qt::Key_S);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(read_file(dataPath("ClrList.txt")),
              QByteArray("11002\r\n11003\r\n12002\r\n13003\r\n21005\r\n21008\r\n22001\r\n31002\r\n"));
    EXPECT_EQ(view()->document()->modifiedMark(), 0);
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    // Disabled, Ctrl+S writes nothing.
    write_file(dataPath("ClrList.txt"), "kept\r\n");
    press(Qt::Key_S);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), QByteArray("kept\r\n"));
    EXPECT_EQ(QDir(dataDir_).entryList(QDir::Files).size(), 2);
}

TEST_F(MainWindow, SaveIntoAVanishedFolderFailsCleanly) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);
    ASSERT_TRUE(QDir(dataDir_).removeRecursively());
    press(Qt::Key_S);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].request.text,
              QStringLiteral("保存用ファイルを開けません。\n\n") + QDir::toNativeSeparators(dataPath("ClrList.txt")));
    EXPECT_EQ(shown_[0].request.icon, QMessageBox::Warning);
    EXPECT_EQ(view()->document()->modifiedMark(), 1);
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(dataDir_));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, CtrlCCopiesTheShownLinesAsTabSeparatedText) {
    start();
    choose(QStringLiteral("ゼルト火山"));
    // The expectation comes from the UTF-8 source of the sample, not from the program.
    QFile source(QStringLiteral(KESTROW_SAMPLE_DIR "/Kestrow.utf8.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QString expected;
    for (const QString& line : QString::fromUtf8(source.readAll()).split(u'\n')) {
        if (!line.startsWith(QStringLiteral("31"))) continue;
        const QString code = line.section(u',', 0, 0);
        QString held = line + (sample_cleared.contains(code) ? QStringLiteral(",1") : QStringLiteral(",0"));
        expected += held.replace(u',', u'\t') + QStringLiteral("\r\n");
    }
    ASSERT_FALSE(expected.isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    press(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    // Nothing shown, nothing copied: the clipboard keeps what it had.
    choose(QStringLiteral("検索結果"));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    view()->OnEditCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(MainWindow, CtrlMRunsNothingAlthoughTheMenuShowsIt) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    selectRow(0);
    QAction* change = action("actionChange");
    ASSERT_TRUE(change->isEnabled());
    EXPECT_EQ(change->text(), QStringLiteral("変更(&M)\tCtrl+M"));
    QSignalSpy triggered(change, &QAction::triggered);
    press(Qt::Key_M);
    EXPECT_EQ(triggered.count(), 0);
    // Exactly three keys run commands.
    QStringList keyed;
    for (QAction* a : frame()->findChildren<QAction*>())
        if (!a->shortcut().isEmpty()) keyed << a->objectName() + u'=' + a->shortcut().toString();
    keyed.sort();
    EXPECT_EQ(keyed, (QStringList{"actionEditCopy=Ctrl+C", "actionEditFind=Ctrl+F", "actionFileSave=Ctrl+S"}));
}

TEST_F(MainWindow, MenuToolBarAndStatusBarCarryTheirTextsAndPrompts) {
    start();
    QStringList menus;
    for (QAction* a : frame()->menuBar()->actions()) {
        QString line = a->text() + u':';
        for (QAction* item : a->menu()->actions()) line += item->isSeparator() ? QStringLiteral("|") : u'[' + item->text() + u']';
        menus << line;
    }
    EXPECT_EQ(menus, (QStringList{
                         "ファイル(&F):[上書き保存(&S)\tCtrl+S]|[アプリケーションの終了(&X)]",
                         "編集(&E):[コピー(&C)\tCtrl+C]|[変更(&M)\tCtrl+M]|[検索(&F)\tCtrl+F]",
                         "表示(&V):[ツールバー(&T)][ステータスバー(&S)]",
                         "ヘルプ(&H):[バージョン情報(&A)...]",
                     }));
    QStringList buttons;
    for (QAction* a : frame()->toolBar()->actions()) buttons << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    EXPECT_EQ(buttons, (QStringList{"actionFileSave", "|", "actionEditCopy", "|", "actionEditFind", "|", "actionAppAbout"}));
    EXPECT_EQ(frame()->toolBar()->iconSize(), QSize(20, 19));

    // Resting on the binoculars: the tip and the prompt in the message pane.
    QAction* find = action("actionEditFind");
    EXPECT_EQ(find->toolTip(), QStringLiteral("検索"));
    EXPECT_EQ(find->statusTip(), QStringLiteral("指定した文字列の検索"));
    EXPECT_EQ(action("actionViewToolbar")->toolTip(), QStringLiteral("ﾂｰﾙ ﾊﾞｰの表示切り替え"));
    auto* idle = frame()->statusBar()->findChild<QLabel*>(QStringLiteral("idleMessage"));
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->text(), QStringLiteral("ﾚﾃﾞｨ"));
    find->showStatusText(frame());
    EXPECT_EQ(frame()->statusBar()->currentMessage(), QStringLiteral("指定した文字列の検索"));
    EXPECT_FALSE(idle->isVisible());
    frame()->statusBar()->clearMessage();
    EXPECT_TRUE(idle->isVisible());

    // The View menu shows and hides the bars and carries their check marks.
    QAction* toolbar = action("actionViewToolbar");
    QAction* statusbar = action("actionViewStatusBar");
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(statusbar->isChecked());
    toolbar->trigger();
    statusbar->trigger();
    EXPECT_FALSE(frame()->toolBar()->isVisible());
    EXPECT_FALSE(frame()->statusBar()->isVisible());
    EXPECT_FALSE(toolbar->isChecked());
    toolbar->trigger();
    statusbar->trigger();
    EXPECT_TRUE(frame()->toolBar()->isVisible());
    EXPECT_TRUE(frame()->statusBar()->isVisible());
    EXPECT_TRUE(toolbar->isChecked() && statusbar->isChecked());
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ"));
}

TEST_F(MainWindow, KeyPanesShowALockOnlyWhileItIsOn) {
    class FakeLocks final : public KeyLockState {
    public:
        std::optional<bool> caps, num;
        std::optional<bool> isOn(res::LockKey key) const override {
            if (key == res::LockKey::Caps) return caps;
            if (key == res::LockKey::Num) return num;
            return std::nullopt;
        }
    };
    start();
    auto pane = [&](const char* name) {
        return frame()->statusBar()->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    auto fake = std::make_unique<FakeLocks>();
    FakeLocks* locks = fake.get();
    locks->caps = true;
    locks->num = false;
    frame()->setKeyLockState(std::move(fake));
    EXPECT_EQ(pane("indicatorCaps"), QStringLiteral("CAP"));
    EXPECT_EQ(pane("indicatorNum"), QString());
    EXPECT_EQ(pane("indicatorKana"), QString());
    // A key press refreshes the panes.
    locks->caps = false;
    locks->num = true;
    QTest::keyClick(questList(), Qt::Key_NumLock);
    EXPECT_EQ(pane("indicatorCaps"), QString());
    EXPECT_EQ(pane("indicatorNum"), QStringLiteral("NUM"));
}

TEST_F(MainWindow, ResizingKeepsTheListInsideTheFormEdges) {
    start();
    frame()->resize(900, 600);
    settle();
    const QRect chooserBefore = chooser()->geometry();
    const QSize v = view()->size();
    EXPECT_EQ(questList()->geometry(), QRect(10, 40, v.width() - 20, v.height() - 50));
    frame()->resize(700, 450);
    settle();
    const QSize w = view()->size();
    EXPECT_EQ(questList()->geometry(), QRect(10, 40, w.width() - 20, w.height() - 50));
    EXPECT_EQ(chooser()->geometry(), chooserBefore);
}

TEST_F(MainWindow, TheAboutBoxShowsNameVersionAndRights) {
    start();
    QString title, version, rights;
    bool hasIcon = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        version = box->findChild<QLabel*>(QStringLiteral("aboutVersion"))->text();
        rights = box->findChild<QLabel*>(QStringLiteral("aboutRights"))->text();
        hasIcon = !box->findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().isNull();
        QTest::keyClick(box, Qt::Key_Return);
    });
    action("actionAppAbout")->trigger();
    EXPECT_EQ(title, QStringLiteral("ケストロウのバージョン （’◇’）ゞ"));
    EXPECT_EQ(version, QStringLiteral("Kestrow Version 1.1"));
    EXPECT_TRUE(rights.contains(QStringLiteral("Copyright")));
    EXPECT_TRUE(hasIcon);
}

TEST_F(MainWindow, CloseConfirmationNoKeepsTheWindowAndYesKeepsTheOldFile) {
    start();
    const QByteArray before = read_file(dataPath("ClrList.txt"));
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);
    QPointer<CMainFrame> window = frame();

    answers_ = {QMessageBox::No};
    closeWindow();
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].request.text, close_prompt);
    EXPECT_EQ(shown_[0].request.icon, QMessageBox::Question);
    EXPECT_EQ(shown_[0].request.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(shown_[0].request.default_button, QMessageBox::No);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view()->document()->modifiedMark(), 1);
    // The placement was stored although the close was refused.
    EXPECT_FALSE(storedPlacement().isEmpty());

    answers_ = {QMessageBox::Yes};
    closeWindow();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), before);
}

TEST_F(MainWindow, TheSessionEndAsksLikeAClose) {
    start();
    EXPECT_TRUE(frame()->OnQueryEndSession());  // nothing unsaved: nothing asked
    EXPECT_TRUE(shown_.empty());
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);
    answers_ = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(frame()->OnQueryEndSession());
    EXPECT_TRUE(frame()->OnQueryEndSession());
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[1].request.text, close_prompt);
    // Once saved, closing asks nothing.
    shown_.clear();
    press(Qt::Key_S);
    QPointer<CMainFrame> window = frame();
    closeWindow();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(shown_.empty());
}

TEST_F(MainWindow, ColumnWidthsAndDialogGeometryRoundTripThroughTheProfile) {
    start();
    questList()->header()->resizeSection(3, 250);
    questList()->header()->resizeSection(6, 0);
    view()->dialogGeometry() = {-50, 0, 300, 200};
    closeWindow();
    QSettings p = profile();
    const int widths[] = {100, 100, 100, 250, 100, 100, 0};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(p.value(QStringLiteral("CWidth/%1").arg(c + 1)).toInt(), widths[c]) << c;
    EXPECT_EQ(p.value("CDlgSize/left").toInt(), -50);
    EXPECT_EQ(p.value("CDlgSize/top").toInt(), 0);
    EXPECT_EQ(p.value("CDlgSize/width").toInt(), 300);
    EXPECT_EQ(p.value("CDlgSize/height").toInt(), 200);

    // Read back as stored, 0 and negative included; -1 or a non-number is the default.
    p.setValue("CWidth/1", "wide");
    p.setValue("CWidth/8", 999);  // no such column
    p.setValue("CDlgSize/width", -1);
    p.sync();
    start();
    const int restored[] = {100, 100, 100, 250, 100, 100, 0};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(questList()->header()->sectionSize(c), restored[c]) << c;
    EXPECT_EQ(view()->dialogGeometry(), (DialogGeometry{-50, 0, 644, 200}));
    // Unchanged values are written back too.
    closeWindow();
    EXPECT_EQ(profile().value("CWidth/1").toInt(), 100);
    EXPECT_EQ(profile().value("CDlgSize/width").toInt(), 644);
    EXPECT_EQ(profile().value("CWidth/8").toInt(), 999);
}

TEST_F(MainWindow, AViewThatNeverStartedWritesNothing) {
    profile().setValue("CWidth/1", 55);
    {
        CKestrowDoc doc;
        auto* v = new CKestrowView(&doc, to_path(dataDir_));
        delete v;
    }
    QSettings p = profile();
    EXPECT_EQ(p.value("CWidth/1").toInt(), 55);
    EXPECT_EQ(p.allKeys(), QStringList{"CWidth/1"});
}

TEST_F(MainWindow, PlacementRoundTripsThroughTheProfile) {
    start();
    const QSize shrunk = frame()->size();
    frame()->setGeometry(QRect(100, 120, 700, 500));
    settle();
    closeWindow();
    EXPECT_EQ(storedPlacement(), QStringLiteral("0:1:-1:-1:-1:-1:100:120:800:620"));
    start();
    EXPECT_EQ(frame()->geometry(), QRect(100, 120, 700, 500));
    EXPECT_EQ(frame()->windowState(), Qt::WindowNoState);

    // Closed maximised: opens maximised, and restores to the stored rectangle.
    frame()->showMaximized();
    settle();
    closeWindow();
    const auto maximised = parse_placement(storedPlacement().toStdString());
    ASSERT_TRUE(maximised);
    EXPECT_EQ(maximised->flags & restore_to_maximized, restore_to_maximized);
    EXPECT_EQ(maximised->show_cmd, 3);
    EXPECT_EQ(normal_rect(*maximised), QRect(100, 120, 700, 500));
    start();
    EXPECT_TRUE(frame()->isMaximized());
    EXPECT_EQ(frame()->normalGeometry(), QRect(100, 120, 700, 500));
    closeWindow();

    // Closed minimised: the stored show state wins over the start-up one.
    profile().setValue("Settings/WindowPos", "0:2:-1:-1:-1:-1:100:120:800:620");
    start();
    EXPECT_TRUE(frame()->isMinimized());
    closeWindow();
    EXPECT_TRUE(storedPlacement().startsWith(QStringLiteral("0:2:")));

    // Rejected forms leave the frame as a first start has it.
    for (const char* rejected : {"0:1:-1:-1:-1:-1:100:120:800", "0,1,-1,-1,-1,-1,100,120,800,620", "junk"}) {
        profile().setValue("Settings/WindowPos", rejected);
        start();
        EXPECT_EQ(frame()->size(), shrunk) << rejected;
        closeWindow();
    }
    // Text after the tenth number is accepted.
    profile().setValue("Settings/WindowPos", "0:1:-1:-1:-1:-1:100:120:800:620 trailing");
    start();
    EXPECT_EQ(frame()->geometry(), QRect(100, 120, 700, 500));
    closeWindow();
    // Entirely off every screen: moved onto the nearest one, size kept.
    profile().setValue("Settings/WindowPos", "0:1:-1:-1:-1:-1:50000:50000:50700:50500");
    start();
    EXPECT_EQ(frame()->size(), QSize(700, 500));
    EXPECT_TRUE(frame()->screen()->availableGeometry().intersects(frame()->geometry()));
}

}  // namespace
}  // namespace kestrow::test
