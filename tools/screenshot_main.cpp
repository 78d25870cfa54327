// Draws README's pictures: the real main window on a data folder, with a
// remembered size and column widths, one category chosen, one row selected
// and the category chooser open with every entry's progress; then the quest
// detail dialog opened on a quest whose details run over two lines.
// scripts/screenshot.sh runs it under Xvfb.
//
// Last, the Edit menu after a tick, its undo entry naming the step, sorted
// by the reward column. Then ファイル > キャラクター open, with a second
// character made for it.
//
//   kestrow_screenshot DATA_DIR PROFILE_DIR MAIN.png QUEST.png MENU.png CHARACTERS.png

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

#include "dialog_units.h"
#include "kestrow_app.h"
#include "kestrow_view.h"
#include "main_frame.h"
#include "platform/characters.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 7) {
        std::fputs("usage: kestrow_screenshot DATA_DIR PROFILE_DIR MAIN.png QUEST.png MENU.png CHARACTERS.png\n",
                   stderr);
        return 2;
    }
    kestrow::install_font_substitutes();
    kestrow::install_japanese_qt_translation();
    // PROFILE_DIR stands in for the user's configuration folder.
    qputenv("XDG_CONFIG_HOME", argv[2]);
    kestrow::set_profile_names();
    {
        QSettings profile(kestrow::profile_file(), QSettings::NativeFormat);
        profile.setValue("Settings/WindowPos", "0:1:-1:-1:-1:-1:0:0:980:520");
        const int widths[] = {200, 150, 170, 170, 300, 50, 100};
        for (int c = 0; c < 7; ++c) profile.setValue(QStringLiteral("CWidth/%1").arg(c + 1), widths[c]);
    }

    CKestrowApp kestrow(kestrow::to_path(QString::fromLocal8Bit(argv[1])));
    if (!kestrow.InitInstance()) return 1;
    CMainFrame* frame = kestrow.mainFrame();
    if (!QTest::qWaitForWindowExposed(frame)) return 1;

    // The first area shows cleared and open quests, WS, AF and ENM among them.
    QComboBox* chooser = frame->findChild<QComboBox*>(QStringLiteral("categoryChooser"));
    chooser->setCurrentIndex(0);
    emit chooser->activated(0);
    QTreeView* list = frame->findChild<QTreeView*>(QStringLiteral("questList"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::qWait(300);

    // The open list is a window of its own: take the screen where the main window is.
    chooser->showPopup();
    QTest::qWait(300);
    const QRect area = frame->frameGeometry();
    const QPixmap shot = frame->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    chooser->hidePopup();
    if (!shot.save(QString::fromLocal8Bit(argv[3]))) return 1;

    // The second quest: its details hold a line break.
    list->setCurrentIndex(list->model()->index(1, 0));
    bool dialogSaved = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (QTest::qWaitForWindowExposed(dialog)) {
            QTest::qWait(300);
            dialogSaved = dialog->grab().save(QString::fromLocal8Bit(argv[4]));
        }
        dialog->reject();
    });
    kestrow.view()->OnChange();
    if (!dialogSaved) return 1;

    // A tick, so that the undo entry names it, and the rows sorted by their reward.
    list->setCurrentIndex(list->model()->index(1, 0));
    kestrow.view()->LoadCurrentQuest();
    kestrow.view()->UpdateClearState(1);
    kestrow.view()->OnColumnClick(1);
    auto* edit = frame->findChild<QMenu*>(QStringLiteral("menuEdit"));
    QMenuBar* bar = frame->menuBar();
    bar->setActiveAction(edit->menuAction());
    QTest::qWait(300);
    const QPixmap menu = frame->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    edit->hide();
    if (!menu.save(QString::fromLocal8Bit(argv[5]))) return 1;

    // A second character, and the submenu that lists both.
    if (!kestrow::create_character(kestrow.view()->dataDir(), QStringLiteral("アキ")).ok()) return 1;
    emit kestrow.view()->charactersChanged();
    auto* file = frame->findChild<QMenu*>(QStringLiteral("menuFile"));
    bar->setActiveAction(file->menuAction());
    QTest::qWait(300);
    QTest::keyClick(file, Qt::Key_C);
    QTest::qWait(300);
    const QPixmap characters = frame->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    file->hide();
    return characters.save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
