#include "message_box.h"

#include <QAbstractButton>

#include <QGuiApplication>
#include <cstdio>

namespace kestrow {

namespace {
MsgBox::Responder& responder() {
    static MsgBox::Responder instance;
    return instance;
}
bool print_without_screen = false;
}  // namespace

QString MsgBox::caption() { return QCoreApplication::applicationName(); }

QMessageBox::StandardButton MsgBox::show(QWidget* parent, const MessageRequest& request) {
    if (responder()) return responder()(request);
    if (print_without_screen && withoutScreen()) {
        std::fputs((request.text + u'\n').toLocal8Bit().constData(), stderr);
        return request.default_button;
    }
    QMessageBox box(request.icon, caption(), request.text, request.buttons, parent);
    if (request.default_button != QMessageBox::NoButton) box.setDefaultButton(request.default_button);
    box.setTextFormat(Qt::PlainText);
    if (QAbstractButton* save = box.button(QMessageBox::Save); save && !request.save_text.isEmpty())
        save->setText(request.save_text);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MsgBox::error(QWidget* parent, const QString& text) {
    show(parent, {text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, {}});
}

bool MsgBox::askYesNo(QWidget* parent, const QString& text) {
    return show(parent, {text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, {}}) ==
           QMessageBox::Yes;
}

QMessageBox::StandardButton MsgBox::askYesNoSave(QWidget* parent, const QString& text, const QString& save_text) {
    return show(parent, {text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Save,
                         QMessageBox::No, save_text});
}

void MsgBox::setResponder(Responder r) { responder() = std::move(r); }

bool MsgBox::withoutScreen() {
    const QString platform = QGuiApplication::platformName();
    return platform == u"offscreen" || platform == u"minimal";
}

void MsgBox::setPrintWithoutScreen(bool on) { print_without_screen = on; }

}  // namespace kestrow
