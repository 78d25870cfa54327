// The program: checks what it can before the toolkit starts, then runs the
// main window on the data folder.

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "command_line.h"
#include "dialog_units.h"
#include "kestrow_app.h"
#include "platform/cp932_codec.h"
#include "platform/data_folder.h"
#include "platform/paths.h"
#include "desktop/message_box.h"
#include "platform/text.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    const auto environment = [](const char* name) { return qEnvironmentVariable(name); };
    if (!kestrow::display_available(environment, argc, argv)) {
        std::fputs(kestrow::no_display_text(QString::fromLocal8Bit(argv[0])).toLocal8Bit().constData(), stderr);
        return 1;
    }

    QApplication app(argc, argv);
    CKestrowApp::SetRegistryKey();
    // Lets a Wayland desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTROW_APP_ID));
    // On a platform without a screen nobody could close a box: it is printed instead.
    kestrow::MsgBox::setPrintWithoutScreen(true);
    kestrow::install_font_substitutes();
    kestrow::install_japanese_qt_translation();
    // Someone who started the program from a desktop icon sees no terminal.
    const auto tell = [](const QString& text) {
        std::fputs((text + u'\n').toLocal8Bit().constData(), stderr);
        if (!kestrow::MsgBox::withoutScreen()) kestrow::MsgBox::error(nullptr, text);
    };
    // Every text of the catalogue is code page 932: without a converter the
    // window would show nothing but empty texts.
    if (!kestrow::cp932_available()) {
        tell(kestrow::utf8(kestrow::message_text(kestrow::Message::ConverterMissing)));
        return 1;
    }

    const auto request = kestrow::parse_command_line(QCoreApplication::arguments().mid(1), kestrow::default_data_folder);
    switch (request.kind) {
        case kestrow::StartRequest::Kind::Help:
            std::fputs((kestrow::usage_text({}) + u'\n').toLocal8Bit().constData(), stdout);
            return 0;
        case kestrow::StartRequest::Kind::Usage: tell(kestrow::usage_text(request.problem)); return 2;
        case kestrow::StartRequest::Kind::Run: break;
    }

    CKestrowApp kestrowApp(kestrow::to_path(request.data_dir));
    if (!kestrowApp.InitInstance()) return 1;

    // For the start-up benchmark: leave as soon as the first window was shown
    // and painted, saying how long that took.
    if (qEnvironmentVariableIsSet("KESTROW_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, [&] {
            const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started);
            std::printf("shown after %.1f ms\n", ms.count());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}
