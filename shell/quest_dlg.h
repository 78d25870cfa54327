#pragma once
// The quest detail dialog: one quest of the quest list at a time, its cleared
// tick, and Next and Previous to step through the list without closing. It
// holds no catalogue data: it works through the list that opened it.

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <array>
#include <string>

#include "catalogue/current_quest.h"
#include "quest_dlg_layout.h"
#include "quest_host.h"

namespace kestrow {
class Profile;
}

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CQuestDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CQuestDlg(QWidget* parent = nullptr);
    ~CQuestDlg() override;

    // The list that opened the dialog; set before DoModal.
    void setView(QuestDialogHost* view) { view_ = view; }
    // The tick of the quest shown last, read by the opener after Accepted.
    int clearedValue() const { return cleared_; }

    int DoModal();
    int OnInitDialog();
    // Shows the view's current quest.
    void RefreshFromView();
    void OnNext();
    void OnPrevious();
    void OnOK();
    // The layout rule, on every size change once the dialog is set up.
    void OnSize();
    // Runs as the dialog ends, however it ends: keeps its outer rectangle as
    // the view's dialog geometry.
    bool DestroyWindow();

    // The geometry in the profile, a value not stored read as its default.
    // The view holds it from one opening to the next; the dialog holds it to
    // the screen it opens on.
    static DialogGeometry LoadGeometry(kestrow::Profile& profile);
    static void StoreGeometry(kestrow::Profile& profile, const DialogGeometry& geometry);

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateData(bool saveAndValidate);
    void placeOtherCharacters();
    void placeAtDialogGeometry();
    void applyOuterRect(const QMargins& frame);
    void settleFrame();
    QMargins ownFrame() const;
    QMargins layoutFrame() const;
    // Next and Previous: apply the tick, then show the quest the step leads to.
    void step(kestrow::Step direction);

    QLabel* staticRepeatMark_;
    QLabel* staticRepeat_;
    QPlainTextEdit* editDetails_;
    QPlainTextEdit* editCondition_;
    QPlainTextEdit* editReward_;
    QPlainTextEdit* editLocation_;
    QPushButton* buttonOK_;
    QPushButton* buttonCancel_;
    QPushButton* buttonPrevious_;
    QPushButton* buttonNext_;
    QGroupBox* groupDetails_;
    QGroupBox* groupCondition_;
    QGroupBox* groupLocation_;
    QGroupBox* groupReward_;
    QCheckBox* checkCleared_;
    // Who else cleared the quest. Not one of the rule's controls: it stands
    // beside the tick, wherever the rule puts that.
    QLabel* labelOtherCharacters_;
    QString otherCharacters_;
    // The controls in the order of the layout rule.
    std::array<QWidget*, kestrow::quest_control_count> controls_{};

    // Code page 932 bytes, as the catalogue holds them.
    std::string reward_, condition_, details_, location_;
    int cleared_ = 0;
    std::string repeatMark_;
    std::string name_;
    QuestDialogHost* view_ = nullptr;
    int initialised_ = 0;

    // The outer rectangle asked for, and the frame it was placed with.
    QRect placedOuter_;
    QMargins placedFrame_;
    bool frameSettled_ = false;
};
