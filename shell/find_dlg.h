#pragma once
// The search dialog: a text box, the loose-search check box, OK and Cancel.
// While the box has the focus the input method is on and in kana mode; when
// the box loses it the earlier modes come back and the input method is
// switched off. The check box starts as it was at the last OK.

#include <QDialog>
#include <memory>

#include "desktop/input_method.h"

class QCheckBox;
class QLineEdit;

class CFindDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CFindDlg(QWidget* parent = nullptr);
    ~CFindDlg() override;

    // Set by the opener before DoModal; the box's text after Accepted (an
    // empty text is possible).
    QString text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    // Whether the search is loose (kana, width and case folded); valid once shown.
    bool loose() const { return loose_; }

    // The input method to switch; by default the window's own, taken when the
    // dialog starts.
    void setInputMethod(std::unique_ptr<kestrow::InputMethod> inputMethod);

    int DoModal();
    int OnInitDialog();
    void OnOK();

    // The box gained or lost the keyboard focus.
    void OnSetFocusEdit();
    void OnKillFocusEdit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateData(bool saveAndValidate);

    QLineEdit* edit_;
    QCheckBox* looseBox_;
    QString text_;
    bool loose_ = false;
    std::unique_ptr<kestrow::InputMethod> inputMethod_;
    kestrow::InputMethod::Modes savedModes_;
    bool switchedOn_ = false;
};
