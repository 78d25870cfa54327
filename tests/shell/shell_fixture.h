#pragma once
// A fresh data folder (a copy of the sample) and a fresh profile location
// per test, message boxes answered in advance, and the program's start-up.

#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTreeView>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "kestrow_app.h"
#include "kestrow_doc.h"
#include "kestrow_view.h"
#include "main_frame.h"
#include "desktop/message_box.h"

// Failures show texts, not UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kestrow::test {

struct ShownMessage {
    MessageRequest request;
    bool main_window_visible = false;
};

QByteArray read_file(const QString& path);
void write_file(const QString& path, const QByteArray& bytes);

// Arms act for the modal dialog that the next call opens: it runs inside the
// dialog's own event loop, and the dialog is cancelled afterwards if act left
// it open. The flag tells whether a dialog came up; settle() before reading it.
std::shared_ptr<bool> when_modal(std::function<void(QDialog&)> act = {});

// A dialog's control by object name, and a mouse click on a button.
template <class W>
W* child(QWidget& parent, const char* name) {
    return parent.findChild<W*>(QString::fromLatin1(name));
}
void click(QWidget& parent, const char* button);

// Lets pending deletions and events run.
void settle();

// Makes a top-level window the active one, as a click on it would; true when it is.
bool activate(QWidget* window);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program on the data folder.
    CKestrowApp& start();
    // Closes the main window as the user would and lets Qt delete it.
    void closeWindow();

    CMainFrame* frame() const { return app_->mainFrame(); }
    CKestrowView* view() const { return app_->view(); }
    QAction* action(const char* name) const;
    QTreeView* questList() const;
    QComboBox* chooser() const;

    // Chooses the chooser entry whose text is text, as a user's pick does.
    void choose(const QString& text);
    // Makes a row the selected and current one, as a click does.
    void selectRow(int row);
    // The quests shown, by Name, and the icon of a row (to compare with another's).
    QStringList names() const;
    qint64 icon(int row) const;
    // Selects a row and ticks or unticks its quest as the detail dialog's OK does.
    void setCleared(int row, bool cleared);

    QSettings profile() const;
    QString dataPath(const char* name) const { return dataDir_ + u'/' + QString::fromLatin1(name); }

    QTemporaryDir root_;
    QString dataDir_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<ShownMessage> shown_;
    std::unique_ptr<CKestrowApp> app_;
};

}  // namespace kestrow::test
