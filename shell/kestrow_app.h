#pragma once
// Start-up: the document, the main frame and the view, in the order that
// makes a start-up message box appear before the main window.

#include <QObject>
#include <QPointer>
#include <filesystem>

#include "placement.h"

class CKestrowDoc;
class CMainFrame;
class CKestrowView;

class CKestrowApp final : public QObject {
    Q_OBJECT
public:
    // dataDir holds Kestrow.txt and ClrList.txt.
    explicit CKestrowApp(std::filesystem::path dataDir, QObject* parent = nullptr);
    // Closes nothing: destroys the frame if it is still there, which writes the
    // view's settings.
    ~CKestrowApp() override;

    // The names under which the profile is kept and message boxes are
    // captioned. InitInstance sets them too.
    static void SetRegistryKey();

    // False when the program cannot start.
    bool InitInstance(int nCmdShow = kestrow::show_normal);

    void OnAppAbout();

    CMainFrame* mainFrame() const;
    CKestrowView* view() const;
    CKestrowDoc* document() const { return doc_; }

private:
    std::filesystem::path dataDir_;
    CKestrowDoc* doc_ = nullptr;
    QPointer<CMainFrame> frame_;
    QPointer<CKestrowView> view_;
};
