#include "shell_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/paths.h"
#include "platform/profile.h"

namespace kestrow::test {

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

std::shared_ptr<bool> when_modal(std::function<void(QDialog&)> act) {
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, [ran, act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        *ran = true;
        if (act) act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    return ran;
}

void click(QWidget& parent, const char* button) {
    auto* b = child<QAbstractButton>(parent, button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

void ShellTest::SetUp() {
    ASSERT_TRUE(root_.isValid());
    dataDir_ = root_.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(dataDir_));
    for (const char* name : {"Kestrow.txt", "ClrList.txt"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(KESTROW_SAMPLE_DIR "/") + QString::fromLatin1(name), dataPath(name)));
    // The profile's file is found under it as under $XDG_CONFIG_HOME.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath(QStringLiteral("profile"))));
    CKestrowApp::SetRegistryKey();
    MsgBox::setResponder([this](const MessageRequest& request) {
        bool visible = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(w) && w->isVisible()) visible = true;
        shown_.push_back({request, visible});
        if (answers_.empty()) return request.default_button;
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

void ShellTest::TearDown() {
    app_.reset();
    settle();
    MsgBox::setResponder(nullptr);
}

CKestrowApp& ShellTest::start() {
    app_ = std::make_unique<CKestrowApp>(to_path(dataDir_));
    EXPECT_TRUE(app_->InitInstance());
    // Shortcuts reach only the active window.
    EXPECT_TRUE(activate(frame()));
    return *app_;
}

bool activate(QWidget* window) {
    // The offscreen platform activates at once, and the news arrives with the
    // next events; a real window system answers in its own time.
    QSignalSpy focus(qApp, &QGuiApplication::focusWindowChanged);
    window->activateWindow();
    settle();
    while (!window->isActiveWindow() && focus.wait(5000)) {}
    return window->isActiveWindow();
}

void ShellTest::closeWindow() {
    frame()->close();
    settle();
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QAction* ShellTest::action(const char* name) const { return frame()->findChild<QAction*>(QString::fromLatin1(name)); }
QTreeView* ShellTest::questList() const { return frame()->findChild<QTreeView*>(QStringLiteral("questList")); }
QComboBox* ShellTest::chooser() const { return frame()->findChild<QComboBox*>(QStringLiteral("categoryChooser")); }

void ShellTest::choose(const QString& text) {
    const int index = chooser()->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    chooser()->setCurrentIndex(index);
    emit chooser()->activated(index);
    settle();
}

void ShellTest::selectRow(int row) {
    questList()->setCurrentIndex(questList()->model()->index(row, 0));
    settle();
}

QStringList ShellTest::names() const {
    QStringList shown;
    for (int r = 0; r < view()->rowCount(); ++r) shown << questList()->model()->index(r, 0).data().toString().trimmed();
    return shown;
}

qint64 ShellTest::icon(int row) const {
    return questList()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
}

void ShellTest::setCleared(int row, bool cleared) {
    selectRow(row);
    ASSERT_TRUE(view()->LoadCurrentQuest());
    view()->UpdateClearState(cleared ? 1 : 0);
}

QSettings ShellTest::profile() const { return QSettings(profile_file(), QSettings::NativeFormat); }

}  // namespace kestrow::test
