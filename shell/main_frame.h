#pragma once
// The main window: menu, tool bar, status bar, the fixed title and a
// placement remembered from one run to the next.

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "placement.h"

class QAction;
class QLabel;
class QToolBar;
class CKestrowDoc;

namespace kestrow {
class KeyLockState;
}

class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CKestrowDoc* doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command identifier (kestrow::res::Command).
    QAction* action(int command) const;
    QToolBar* toolBar() const { return toolBar_; }
    // The status bar's pane that shows the chosen category's progress.
    QLabel* progressPane() const { return progressPane_; }
    // The pane right of it: the whole catalogue's progress.
    QLabel* overallPane() const { return overallPane_; }

    // Makes the view as large as wanted, within the available area of the
    // screen, before the first placement is applied.
    void fitToView(QSize wanted);

    // Applies the stored placement at the first call, then shows the window
    // with the show command (a stored one wins).
    void ActivateFrame(int nCmdShow);

    // Stores the placement; then the document decides whether the window
    // closes. True when it may.
    bool OnClose();

    // The placement string "Settings" / "WindowPos".
    static bool LoadFramePlacement(kestrow::WindowPlacement& wp);
    static void StoreFramePlacement(const kestrow::WindowPlacement& wp);

    // The placement of the window as it is now.
    kestrow::WindowPlacement GetWindowPlacement() const;

    // The session is about to end: false keeps it going (the user said No).
    bool OnQueryEndSession();

    // Replaces the source of the key-lock panes (tests use a fake).
    void setKeyLockState(std::unique_ptr<kestrow::KeyLockState> state);
    void refreshIndicators();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PreCreateWindow();
    void OnCreate();
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void applyPlacement(const kestrow::WindowPlacement& wp);

    CKestrowDoc* doc_;
    bool firstActivation_ = true;
    QHash<int, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    QLabel* progressPane_ = nullptr;
    QLabel* overallPane_ = nullptr;
    QList<QLabel*> indicators_;
    std::unique_ptr<kestrow::KeyLockState> keyLocks_;
};
