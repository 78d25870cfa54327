#include "message_box.h"

#include <QCoreApplication>

namespace kestrow {

namespace {
MsgBox::Responder& responder() {
    static MsgBox::Responder instance;
    return instance;
}
}  // namespace

QString MsgBox::caption() { return QCoreApplication::applicationName(); }

QMessageBox::StandardButton MsgBox::show(QWidget* parent, const MessageRequest& request) {
    if (responder()) return responder()(request);
    QMessageBox box(request.icon, caption(), request.text, request.buttons, parent);
    if (request.default_button != QMessageBox::NoButton) box.setDefaultButton(request.default_button);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MsgBox::error(QWidget* parent, const QString& text) {
    show(parent, {text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

bool MsgBox::askYesNo(QWidget* parent, const QString& text) {
    return show(parent, {text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) ==
           QMessageBox::Yes;
}

void MsgBox::setResponder(Responder r) { responder() = std::move(r); }

}  // namespace kestrow
