#include "find_dlg.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "dialog_units.h"
#include "platform/cp932_codec.h"
#include "platform/profile.h"
#include "resources.h"
#include "platform/text.h"

using namespace kestrow;

namespace {


// The box holds only what code page 932 can spell, as the box of an ANSI
// program did: a character that no catalogue line can contain is refused as
// it is typed or pasted rather than searched for in vain.
class Cp932Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return to_cp932(input) ? Acceptable : Invalid; }
};

}  // namespace

CFindDlg::CFindDlg(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)), looseBox_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(utf8(res::find_caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialog_font(res::form_font, res::form_font_points));
    const BaseUnits base = base_units(font());

    auto* ok = new QPushButton(utf8(res::ok_text), this);
    ok->setObjectName(QStringLiteral("buttonOK"));
    ok->setDefault(true);
    ok->setGeometry(du_to_px(res::find_ok, base));
    connect(ok, &QPushButton::clicked, this, &CFindDlg::OnOK);

    auto* cancel = new QPushButton(utf8(res::cancel_text), this);
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    cancel->setGeometry(du_to_px(res::find_cancel, base));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    edit_->setObjectName(QStringLiteral("editFind"));
    edit_->setGeometry(du_to_px(res::find_edit, base));
    if (cp932_available()) edit_->setValidator(new Cp932Validator(edit_));
    edit_->installEventFilter(this);

    looseBox_->setObjectName(QStringLiteral("checkLooseSearch"));
    looseBox_->setText(utf8(res::find_loose_text));
    looseBox_->setAccessibleName(QString(looseBox_->text()).remove(QStringLiteral("(&L)")));
    looseBox_->setGeometry(du_to_px(res::find_loose, base));

    setTabOrder(ok, cancel);
    setTabOrder(cancel, edit_);
    setTabOrder(edit_, looseBox_);
    setFixedSize(du_to_px(res::find_size, base).size());
}

CFindDlg::~CFindDlg() = default;

void CFindDlg::setInputMethod(std::unique_ptr<InputMethod> inputMethod) { inputMethod_ = std::move(inputMethod); }

int CFindDlg::DoModal() {
    OnInitDialog();
    return exec();
}

int CFindDlg::OnInitDialog() {
    if (!inputMethod_) inputMethod_ = window_input_method(this);
    loose_ = Profile().read(settings::loose_search) != 0;
    UpdateData(false);
    edit_->selectAll();
    edit_->setFocus();
    return 0;
}

void CFindDlg::OnOK() {
    UpdateData(true);
    Profile().write(settings::loose_search, loose_ ? 1 : 0);
    accept();
}

void CFindDlg::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        text_ = edit_->text();
        loose_ = looseBox_->isChecked();
    } else {
        edit_->setText(text_);
        looseBox_->setChecked(loose_);
    }
}

bool CFindDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // The box's own context menu takes the focus only for a moment; the
        // input method stays as it is.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
        if (event->type() == QEvent::FocusOut) {
            OnKillFocusEdit();
        } else {
            // Qt hands the window's input context back to the box only once
            // the focus change is complete, so switch after it.
            QMetaObject::invokeMethod(this, [this] {
                if (edit_->hasFocus()) OnSetFocusEdit();
            }, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CFindDlg::OnSetFocusEdit() {
    if (!inputMethod_ || switchedOn_) return;
    if (!inputMethod_->isOpen()) inputMethod_->setOpen(true);
    // Read once open: these are the modes of the opened input method.
    savedModes_ = inputMethod_->modes();
    inputMethod_->setModes({savedModes_.conversion | InputMethod::native_mode, savedModes_.sentence});
    switchedOn_ = true;
}

void CFindDlg::OnKillFocusEdit() {
    // Only what focus-gained switched on is put back.
    if (!inputMethod_ || !switchedOn_) return;
    inputMethod_->setModes(savedModes_);
    inputMethod_->setOpen(false);
    switchedOn_ = false;
}
