#pragma once
// Every message box of the program goes through here: the caption is always
// the application's name (the program sets it to its title at start-up), and
// tests answer the boxes in advance instead of clicking them.

#include <QMessageBox>
#include <QString>
#include <functional>

namespace kestrow {

struct MessageRequest {
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    // The Save button's own text, where the box has one.
    QString save_text;
};

class MsgBox {
public:
    using Responder = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

    // Runs a modal box (or asks the responder) and returns the button chosen.
    static QMessageBox::StandardButton show(QWidget* parent, const MessageRequest& request);

    // An error: exclamation icon and an OK button.
    static void error(QWidget* parent, const QString& text);

    // A question with Yes and No, No being the default (Enter answers No).
    // True for Yes.
    static bool askYesNo(QWidget* parent, const QString& text);

    // The same with a third button, Save, named save_text: Yes, No or Save.
    static QMessageBox::StandardButton askYesNoSave(QWidget* parent, const QString& text, const QString& save_text);

    // Replaces the real boxes by a function, or restores them with nullptr.
    // A responder answers before anything else.
    static void setResponder(Responder responder);

    // Whether the platform has no screen (offscreen, minimal): there nobody
    // could close a modal box.
    static bool withoutScreen();

    // On, a box on such a platform is not shown: its text goes to stderr and
    // the default button is the answer. The program turns it on; off, the
    // tests can drive a real box there.
    static void setPrintWithoutScreen(bool on);

    static QString caption();
};

}  // namespace kestrow
