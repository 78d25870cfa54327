#include "main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "bitmaps.h"
#include "kestrow_doc.h"
#include "desktop/key_locks.h"
#include "platform/profile.h"
#include "resources.h"
#include "platform/text.h"

using namespace kestrow;

CMainFrame::CMainFrame(CKestrowDoc* doc, QWidget* parent)
    : QMainWindow(parent), doc_(doc), keyLocks_(platform_key_locks()) {
    setObjectName(QStringLiteral("mainFrame"));
    PreCreateWindow();
    OnCreate();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::action(int command) const { return actions_.value(command, nullptr); }

void CMainFrame::PreCreateWindow() {
    // The title never names a document.
    setWindowTitle(utf8(res::frame_title));
    setWindowIcon(program_window_icon());
}

void CMainFrame::OnCreate() {
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
}

void CMainFrame::createActions() {
    for (const auto& drop_down : res::menu_bar()) {
        for (const auto& item : drop_down.items) {
            if (item.command == res::ID_SEPARATOR) continue;
            auto* a = new QAction(utf8(item.text), this);
            a->setObjectName(QString::fromLatin1(res::action_name(item.command)));
            a->setStatusTip(res::status_tip(item.command));
            a->setToolTip(res::tool_tip(item.command));
            a->setShortcutContext(Qt::WindowShortcut);
            actions_.insert(item.command, a);
        }
    }
    // Only these keys run commands; the menu's other key texts are captions.
    for (const auto& accelerator : res::accelerators()) {
        QAction* a = action(accelerator.command);
        a->setShortcut(QKeySequence(accelerator.key));
        addAction(a);
    }
    for (const int command : res::toolbar_buttons())
        if (command != res::ID_SEPARATOR) action(command)->setIcon(toolbar_icon(command));

    connect(action(res::ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);

    QAction* showToolBar = action(res::ID_VIEW_TOOLBAR);
    showToolBar->setCheckable(true);
    showToolBar->setChecked(true);
    QAction* showStatusBar = action(res::ID_VIEW_STATUS_BAR);
    showStatusBar->setCheckable(true);
    showStatusBar->setChecked(true);
}

void CMainFrame::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const auto& drop_down : res::menu_bar()) {
        QMenu* menu = bar->addMenu(utf8(drop_down.text));
        menu->setObjectName(QString::fromLatin1(drop_down.object_name));
        for (const auto& item : drop_down.items) {
            if (item.command == res::ID_SEPARATOR)
                menu->addSeparator();
            else
                menu->addAction(action(item.command));
        }
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(QSize(20, 19));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int command : res::toolbar_buttons()) {
        if (command == res::ID_SEPARATOR)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(command));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);

    QAction* toggle = action(res::ID_VIEW_TOOLBAR);
    connect(toggle, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    // Only the View menu shows and hides the bars.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // While a prompt is shown, the status bar hides this idle text.
    auto* idle = new QLabel(utf8(res::idle_message), bar);
    idle->setObjectName(QStringLiteral("idleMessage"));
    bar->addWidget(idle, 1);
    progressPane_ = new QLabel(bar);
    progressPane_->setObjectName(QStringLiteral("progressPane"));
    bar->addPermanentWidget(progressPane_);
    overallPane_ = new QLabel(bar);
    overallPane_->setObjectName(QStringLiteral("overallPane"));
    bar->addPermanentWidget(overallPane_);
    for (const auto& indicator : res::indicators()) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::fromLatin1(indicator.object_name));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(utf8(indicator.text)) + 8);
        bar->addPermanentWidget(pane);
        indicators_.append(pane);
    }
    connect(action(res::ID_VIEW_STATUS_BAR), &QAction::toggled, bar, &QWidget::setVisible);
    refreshIndicators();
}

void CMainFrame::setKeyLockState(std::unique_ptr<KeyLockState> state) {
    keyLocks_ = std::move(state);
    refreshIndicators();
}

void CMainFrame::refreshIndicators() {
    const auto table = res::indicators();
    for (qsizetype i = 0; i < indicators_.size(); ++i) {
        const auto& indicator = table[static_cast<std::size_t>(i)];
        const auto on = keyLocks_ ? keyLocks_->isOn(indicator.key) : std::nullopt;
        indicators_[i]->setText(on.value_or(false) ? utf8(indicator.text) : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
            refreshIndicators();
            break;
        default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ActivateFrame(int nCmdShow) {
    int flags = 0;
    if (firstActivation_) {
        firstActivation_ = false;
        WindowPlacement wp;
        if (LoadFramePlacement(wp)) {
            nCmdShow = wp.show_cmd;
            flags = wp.flags;
            applyPlacement(wp);
        }
    }
    switch (show_state(nCmdShow)) {
        case ShowState::Minimized:
            setWindowState(Qt::WindowMinimized |
                           ((flags & restore_to_maximized) ? Qt::WindowMaximized : Qt::WindowNoState));
            break;
        case ShowState::Maximized: setWindowState(Qt::WindowMaximized); break;
        case ShowState::Normal: setWindowState(Qt::WindowNoState); break;
    }
    show();
}

void CMainFrame::applyPlacement(const WindowPlacement& wp) {
    const QRect stored = normal_rect(wp);
    // Never smaller than the bars and the menus need, never larger than the
    // screen: a window of a hand-edited size would take its size in memory.
    setGeometry(fit_on_screens(stored.topLeft(), stored.size(), minimumSizeHint().expandedTo(minimumSize()),
                               available_screen_rects(), settings::window_placement, settings::window_placement));
}

WindowPlacement CMainFrame::GetWindowPlacement() const {
    WindowPlacement wp;
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMaximized) wp.flags |= restore_to_maximized;
    wp.show_cmd = (state & Qt::WindowMinimized)   ? show_minimized
                  : (state & Qt::WindowMaximized) ? show_maximized
                                                  : show_normal;
    set_normal_rect(wp, normalGeometry());
    return wp;
}

bool CMainFrame::LoadFramePlacement(WindowPlacement& wp) {
    Profile profile;
    const QString text = profile.readText(settings::window_placement);
    if (text.isEmpty()) return false;
    const auto parsed = parse_placement(text.toStdString());
    if (!parsed) return false;
    wp = *parsed;
    return true;
}

void CMainFrame::StoreFramePlacement(const WindowPlacement& wp) {
    Profile profile;
    profile.writeText(settings::window_placement, QString::fromStdString(format_placement(wp)));
}

void CMainFrame::fitToView(QSize wanted) {
    if (layout()) layout()->activate();
    const QSize bars = centralWidget() ? size() - centralWidget()->size() : QSize();
    const QRect area = screen()->availableGeometry();
    resize((wanted + bars).boundedTo(area.size()));
    // Placed where the whole of it shows.
    move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
         std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
}

bool CMainFrame::OnClose() {
    // Written before the document is asked, so also when the close is refused.
    StoreFramePlacement(GetWindowPlacement());
    return doc_->CanCloseFrame(this);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (OnClose())
        event->accept();
    else
        event->ignore();
}

bool CMainFrame::OnQueryEndSession() { return doc_->CanCloseFrame(this); }
