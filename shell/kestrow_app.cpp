#include "kestrow_app.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>

#include "about_dlg.h"
#include "characters_menu.h"
#include "kestrow_doc.h"
#include "kestrow_view.h"
#include "main_frame.h"
#include "platform/profile.h"
#include "desktop/session_end.h"
#include "resources.h"

using namespace kestrow;

CKestrowApp::CKestrowApp(std::filesystem::path dataDir, QObject* parent)
    : QObject(parent), dataDir_(std::move(dataDir)), doc_(new CKestrowDoc(this)) {}

CKestrowApp::~CKestrowApp() { delete frame_.data(); }

void CKestrowApp::SetRegistryKey() { set_profile_names(); }

bool CKestrowApp::InitInstance(int nCmdShow) {
    SetRegistryKey();

    auto* frame = new CMainFrame(doc_);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame_ = frame;
    auto* view = new CKestrowView(doc_, dataDir_, frame);
    view_ = view;
    frame->setCentralWidget(view);
    view->bindCommands({frame->action(res::ID_FILE_SAVE), frame->action(res::ID_EDIT_COPY),
                        frame->action(res::ID_CHANGE), frame->action(res::ID_EDIT_FIND),
                        frame->action(res::ID_EDIT_UNDO), frame->action(res::ID_EDIT_REDO),
                        frame->action(res::ID_VIEW_HIDE_CLEARED), frame->action(res::ID_EDIT_COPY_SHOWN),
                        frame->action(res::ID_FILE_RESTORE), frame->action(res::ID_VIEW_RELOAD), frame->statusBar(),
                        frame->progressPane(), frame->overallPane()});
    new CCharactersMenu(frame, frame->findChild<QMenu*>(QStringLiteral("menuFile")), view);
    connect(frame->action(res::ID_APP_ABOUT), &QAction::triggered, this, &CKestrowApp::OnAppAbout);
    on_session_end(frame, {[this] { return doc_->hasUnsavedChanges(); },
                           [frame] { return frame->OnQueryEndSession(); }});

    if (!doc_->OnNewDocument()) return false;
    view->OnInitialUpdate();
    // A stored placement, applied next, wins over this.
    frame->fitToView(view->firstStartSize());
    frame->ActivateFrame(nCmdShow);
    return true;
}

CMainFrame* CKestrowApp::mainFrame() const { return frame_.data(); }
CKestrowView* CKestrowApp::view() const { return view_.data(); }

void CKestrowApp::OnAppAbout() {
    CAboutDlg dlg(frame_);
    dlg.exec();
}
