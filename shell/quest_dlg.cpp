#include "quest_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QWindow>
#include <algorithm>

#include "bitmaps.h"
#include "dialog_units.h"
#include "placement.h"
#include "platform/cp932_codec.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "resources.h"

using namespace kestrow;

namespace {

// A "<BR>" of the catalogue arrives as CR LF; a text box breaks the line at LF.
QString display(const std::string& bytes) {
    QString text = from_cp932(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The frame that the layout rule's offsets were measured against: a sizing
// border of 4 pixels and a client edge of 2 on each side, and a caption of 19.
constexpr QMargins drawn_frame{6, 25, 6, 6};

WinRect to_win(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

QPlainTextEdit* text_box(QWidget* parent, const char* name, bool scrollBar) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    // Read-only, but the text can still be selected and copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // The one-line boxes are only as high as a line of text and a border.
    box->document()->setDocumentMargin(1);
    return box;
}

}  // namespace

CQuestDlg::CQuestDlg(QWidget* parent)
    : QDialog(parent),
      staticRepeatMark_(new QLabel(utf8(res::quest_repeat_mark_text), this)),
      staticRepeat_(new QLabel(utf8(res::quest_repeat_text), this)),
      editDetails_(text_box(this, "editDetails", true)),
      editCondition_(text_box(this, "editCondition", false)),
      editReward_(text_box(this, "editReward", false)),
      editLocation_(text_box(this, "editLocation", false)),
      buttonOK_(new QPushButton(utf8(res::ok_text), this)),
      buttonCancel_(new QPushButton(utf8(res::cancel_text), this)),
      buttonPrevious_(new QPushButton(utf8(res::quest_previous_text), this)),
      buttonNext_(new QPushButton(utf8(res::quest_next_text), this)),
      groupDetails_(new QGroupBox(utf8(res::quest_details_text), this)),
      groupCondition_(new QGroupBox(utf8(res::quest_condition_text), this)),
      groupLocation_(new QGroupBox(utf8(res::quest_location_text), this)),
      groupReward_(new QGroupBox(utf8(res::quest_reward_text), this)),
      checkCleared_(new QCheckBox(utf8(res::quest_cleared_text), this)),
      labelOtherCharacters_(new QLabel(this)) {
    setObjectName(QStringLiteral("questDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialog_font_within(res::form_font, res::quest_font_points, {res::quest_base_x, res::quest_base_y}));
    const BaseUnits base = base_units(font());

    staticRepeatMark_->setObjectName(QStringLiteral("labelRepeatMark"));
    staticRepeat_->setObjectName(QStringLiteral("labelRepeat"));
    buttonOK_->setObjectName(QStringLiteral("buttonOK"));
    buttonCancel_->setObjectName(QStringLiteral("buttonCancel"));
    buttonPrevious_->setObjectName(QStringLiteral("buttonPrevious"));
    buttonNext_->setObjectName(QStringLiteral("buttonNext"));
    groupDetails_->setObjectName(QStringLiteral("groupDetails"));
    groupCondition_->setObjectName(QStringLiteral("groupCondition"));
    groupLocation_->setObjectName(QStringLiteral("groupLocation"));
    groupReward_->setObjectName(QStringLiteral("groupReward"));
    checkCleared_->setObjectName(QStringLiteral("checkCleared"));
    labelOtherCharacters_->setObjectName(QStringLiteral("labelOtherCharacters"));
    for (QLabel* label : {staticRepeatMark_, staticRepeat_, labelOtherCharacters_}) label->setTextFormat(Qt::PlainText);
    buttonOK_->setDefault(true);

    controls_ = {groupReward_, groupLocation_, groupCondition_, groupDetails_, buttonNext_,
                 buttonPrevious_, buttonCancel_, buttonOK_, editReward_, editLocation_,
                 editCondition_, editDetails_, staticRepeat_, staticRepeatMark_, checkCleared_};
    const std::array<res::DlgRect, quest_control_count> layout{
        res::quest_group_reward, res::quest_group_location, res::quest_group_condition, res::quest_group_details,
        res::quest_next,         res::quest_previous,       res::quest_cancel,          res::quest_ok,
        res::quest_reward,       res::quest_location,       res::quest_condition,       res::quest_details,
        res::quest_repeat_label, res::quest_repeat_mark,    res::quest_cleared};
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->setGeometry(du_to_px(layout[i], base));
    // The form's size is the smallest the dialog takes, by hand or from the
    // profile: the layout rule was drawn for it, and well below it the rule
    // runs the Details box out of sight and the buttons into each other.
    const QSize form = du_to_px(res::quest_size, base).size();
    setMinimumSize(form);
    resize(form);

    // The template's order, which is the tab order.
    QWidget* tab_order[] = {checkCleared_, editReward_, editLocation_, editCondition_, editDetails_,
                            buttonOK_,     buttonCancel_, buttonNext_, buttonPrevious_};
    for (std::size_t i = 1; i < std::size(tab_order); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);

    connect(buttonNext_, &QPushButton::clicked, this, &CQuestDlg::OnNext);
    connect(buttonPrevious_, &QPushButton::clicked, this, &CQuestDlg::OnPrevious);
    connect(buttonOK_, &QPushButton::clicked, this, &CQuestDlg::OnOK);
    connect(buttonCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

CQuestDlg::~CQuestDlg() = default;

int CQuestDlg::DoModal() {
    OnInitDialog();
    return exec();
}

int CQuestDlg::OnInitDialog() {
    // The native window exists from here on, so that its frame is known
    // wherever the platform can tell it before the window is shown.
    winId();
    setWindowIcon(program_window_icon());
    RefreshFromView();
    checkCleared_->setFocus();
    initialised_ = 1;
    placeAtDialogGeometry();
    // A placement that keeps the size causes no size change: lay out anyway.
    OnSize();
    return 0;
}

void CQuestDlg::RefreshFromView() {
    const CurrentQuest& quest = view_->currentQuest();
    name_ = quest.name;
    reward_ = quest.reward;
    location_ = quest.location;
    condition_ = quest.condition;
    details_ = quest.details;
    repeatMark_ = quest.repeat_mark;
    cleared_ = quest.cleared;
    otherCharacters_ = view_->otherCharactersText();
    setWindowTitle(display(name_));
    UpdateData(false);
}

void CQuestDlg::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        // The text boxes are read-only: they give back what they show.
        cleared_ = checkCleared_->isChecked() ? 1 : 0;
        return;
    }
    editReward_->setPlainText(display(reward_));
    editCondition_->setPlainText(display(condition_));
    editDetails_->setPlainText(display(details_));
    editLocation_->setPlainText(display(location_));
    checkCleared_->setChecked(cleared_ != 0);
    staticRepeatMark_->setText(from_cp932(repeatMark_));
    placeOtherCharacters();
}

void CQuestDlg::placeOtherCharacters() {
    // From beside the tick to the right edge of the group boxes; a line too
    // long for that ends in an ellipsis and shows whole as a tool tip.
    const QRect tick = checkCleared_->geometry();
    const int left = tick.right() + 1 + tick.height() / 2;
    const int width = std::max(0, groupDetails_->geometry().right() + 1 - left);
    labelOtherCharacters_->setGeometry(left, tick.y(), width, tick.height());
    const QString shown = labelOtherCharacters_->fontMetrics().elidedText(otherCharacters_, Qt::ElideRight, width);
    labelOtherCharacters_->setText(shown);
    labelOtherCharacters_->setToolTip(shown == otherCharacters_ ? QString() : otherCharacters_);
}

void CQuestDlg::OnNext() { step(Step::Next); }
void CQuestDlg::OnPrevious() { step(Step::Previous); }

void CQuestDlg::step(Step direction) {
    if (view_->selectedRow() < 0) return;  // nothing left to step to
    UpdateData(true);
    const int count = view_->rowCount();
    view_->UpdateClearState(cleared_);
    switch (after_tick(direction, count, view_->rowCount(), view_->selectedRow())) {
        case AfterTick::KeepShown: return;  // the host's quest carries the tick just applied
        case AfterTick::ShowSelected: view_->LoadCurrentQuest(); break;
        case AfterTick::StepOn:
            if (direction == Step::Next)
                view_->SelectNextRow();
            else
                view_->SelectPreviousRow();
            break;
    }
    RefreshFromView();
}

void CQuestDlg::OnOK() {
    UpdateData(true);
    accept();
}

void CQuestDlg::done(int result) {
    if (view_ && isVisible()) DestroyWindow();
    QDialog::done(result);
}

bool CQuestDlg::DestroyWindow() {
    // Closed before the window manager told its frame, the dialog has the
    // frame it was placed with: reopening then gives the same rectangle.
    const QMargins own = ownFrame();
    const QRect outer = geometry().marginsAdded(own.isNull() ? placedFrame_ : own);
    view_->dialogGeometry() = {outer.x(), outer.y(), outer.width(), outer.height()};
    return true;
}

// The dialog geometry is the outer rectangle, frame included, and Qt places
// the client area: the frame is taken off. A window manager tells a window's
// frame only once it has framed it, after the window is shown, so the dialog
// is placed with the main window's frame first (the same manager draws both)
// and placed again if its own turns out otherwise.
void CQuestDlg::placeAtDialogGeometry() {
    const DialogGeometry& g = view_->dialogGeometry();
    QMargins frame = ownFrame();
    if (frame.isNull() && parentWidget() && parentWidget()->window()->windowHandle())
        frame = parentWidget()->window()->windowHandle()->frameMargins();
    // A rectangle that no screen shows any more (a monitor since unplugged)
    // would hide a modal dialog and with it the way out of the program; one
    // larger than the screen would take its size in memory.
    placedOuter_ = fit_on_screens(QPoint(g.left, g.top), QSize(g.width, g.height), minimumSize().grownBy(frame),
                                  available_screen_rects(), settings::dialog_width, settings::dialog_height);
    applyOuterRect(frame);
    frameSettled_ = false;
}

DialogGeometry CQuestDlg::LoadGeometry(Profile& profile) {
    return {profile.read(settings::dialog_left), profile.read(settings::dialog_top),
            profile.read(settings::dialog_width), profile.read(settings::dialog_height)};
}

void CQuestDlg::StoreGeometry(Profile& profile, const DialogGeometry& geometry) {
    profile.write(settings::dialog_left, geometry.left);
    profile.write(settings::dialog_top, geometry.top);
    profile.write(settings::dialog_width, geometry.width);
    profile.write(settings::dialog_height, geometry.height);
}

void CQuestDlg::applyOuterRect(const QMargins& frame) {
    placedFrame_ = frame;
    setGeometry(placedOuter_.x() + frame.left(), placedOuter_.y() + frame.top(),
                std::max(0, placedOuter_.width() - frame.left() - frame.right()),
                std::max(0, placedOuter_.height() - frame.top() - frame.bottom()));
}

void CQuestDlg::settleFrame() {
    if (frameSettled_ || !isVisible()) return;
    const QMargins frame = ownFrame();
    if (frame.isNull()) return;  // not framed yet, or never (no window manager)
    frameSettled_ = true;
    if (frame != placedFrame_) applyOuterRect(frame);
}

QMargins CQuestDlg::ownFrame() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QMargins CQuestDlg::layoutFrame() const {
#ifdef Q_OS_WIN
    // Windows draws the kind of frame the rule was made for.
    const QMargins frame = ownFrame();
    if (!frame.isNull()) return frame;
#endif
    // Elsewhere the window manager's frame has a size of its own, or there
    // is none at all: lay out as if the frame of the rule were there.
    return drawn_frame;
}

void CQuestDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    OnSize();
}

bool CQuestDlg::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    switch (event->type()) {
        // One of these comes once the window manager has framed the window.
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
        case QEvent::WindowActivate: settleFrame(); break;
        default: break;
    }
    return handled;
}

void CQuestDlg::OnSize() {
    if (!initialised_) return;
    setUpdatesEnabled(false);
    const QMargins frame = layoutFrame();
    const WinRect outer{-frame.left(), -frame.top(), width() + frame.right(), height() + frame.bottom()};
    QuestControlRects current;
    for (std::size_t i = 0; i < controls_.size(); ++i) current[i] = to_win(controls_[i]->geometry());
    const QuestControlRects placed = quest_dialog_layout(outer, current);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const WinRect& r = placed[i];
        controls_[i]->setGeometry(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
        controls_[i]->raise();
        controls_[i]->show();
    }
    placeOtherCharacters();
    setUpdatesEnabled(true);
}
