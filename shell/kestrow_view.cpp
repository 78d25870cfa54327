#include "kestrow_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>
#include <string>

#include "catalogue/area_index.h"
#include "catalogue/clear_state.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/filter.h"
#include "catalogue/progress.h"
#include "catalogue/save.h"
#include "bitmaps.h"
#include "chooser_model.h"
#include "dialog_units.h"
#include "find_dlg.h"
#include "kestrow_doc.h"
#include "platform/clear_file_writer.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "desktop/message_box.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "quest_dlg.h"
#include "quest_list_model.h"
#include "resources.h"

using namespace kestrow;

namespace {

constexpr std::string_view width_section = "CWidth";
constexpr std::string_view geometry_section = "CDlgSize";
constexpr int default_column_width = 100;
constexpr int not_stored = -1;

// The quest list keeps this distance to the form's edges; the band above it
// holds the category chooser.
constexpr int list_inset = 10;
constexpr int list_top = 40;

// The parent for a message box: none until the window is shown, so that a
// box raised during start-up stands on its own.
QWidget* box_parent(QWidget* w) { return w->window()->isVisible() ? w->window() : nullptr; }

}  // namespace

CKestrowView::CKestrowView(CKestrowDoc* doc, std::filesystem::path dataDir, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      dataDir_(std::move(dataDir)),
      categoryChooser_(new QComboBox(this)),
      questList_(new QTreeView(this)),
      model_(std::make_unique<QuestListModel>(state_)),
      chooserModel_(std::make_unique<ChooserModel>(state_)) {
    setObjectName(QStringLiteral("questView"));
    setFont(dialog_font(res::form_font, res::form_font_points));
    const BaseUnits base = base_units(font());

    categoryChooser_->setObjectName(QStringLiteral("categoryChooser"));
    categoryChooser_->setModel(chooserModel_.get());
    categoryChooser_->setItemDelegate(new ChooserDelegate(categoryChooser_));
    const QRect chooser = du_to_px(res::form_category_chooser, base);
    categoryChooser_->setGeometry(chooser.x(), chooser.y(), chooser.width(), categoryChooser_->sizeHint().height());
    // The form gives the height of the open list; show as many entries as fit in it.
    const int entry_height = std::max(1, categoryChooser_->fontMetrics().height() + 2);
    categoryChooser_->setMaxVisibleItems(
        std::max(1, (chooser.height() - categoryChooser_->sizeHint().height()) / entry_height));

    questList_->setObjectName(QStringLiteral("questList"));
    questList_->setGeometry(du_to_px(res::form_quest_list, base));
    questList_->setModel(model_.get());
    questList_->setRootIsDecorated(false);
    questList_->setItemsExpandable(false);
    questList_->setUniformRowHeights(true);
    questList_->setSelectionMode(QAbstractItemView::SingleSelection);
    questList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    questList_->setIconSize(QSize(16, 16));
    questList_->setTextElideMode(Qt::ElideRight);
    questList_->header()->setStretchLastSection(false);
    questList_->header()->setSectionsMovable(false);
    questList_->header()->setSectionResizeMode(QHeaderView::Interactive);
    questList_->header()->setMinimumSectionSize(0);

    connect(categoryChooser_, &QComboBox::activated, this, &CKestrowView::OnCategoryChosen);
    connect(questList_, &QTreeView::doubleClicked, this, &CKestrowView::OnDblclkQuestList);
    connect(questList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CKestrowView::updateCommands);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &CKestrowView::updateCommands);
    connect(doc_, &CKestrowDoc::modifiedMarkChanged, this, &CKestrowView::updateCommands);
    // Enter opens the selected quest wherever the focus is in the form.
    for (QObject* o : {static_cast<QObject*>(this), static_cast<QObject*>(questList_),
                       static_cast<QObject*>(categoryChooser_)})
        o->installEventFilter(this);
}

CKestrowView::~CKestrowView() { OnDestroy(); }

void CKestrowView::bindCommands(const ViewCommands& commands) {
    commands_ = commands;
    connect(commands_.save, &QAction::triggered, this, &CKestrowView::OnFileSave);
    connect(commands_.copy, &QAction::triggered, this, &CKestrowView::OnEditCopy);
    connect(commands_.change, &QAction::triggered, this, &CKestrowView::OnChange);
    connect(commands_.find, &QAction::triggered, this, &CKestrowView::OnEditFind);
    updateCommands();
}

QSize CKestrowView::sizeHint() const { return du_to_px(res::form_size, base_units(font())).size(); }

void CKestrowView::OnInitialUpdate() {
    fitParentFrame();
    buildImageList();
    doc_->setModifiedMark(0);
    initialised_ = 1;
    OnSize(0, width(), height());

    questList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    questList_->setAllColumnsShowFocus(true);
    Profile profile;
    readProfile(profile);

    const LoadReport report = load_catalogue(state_, dataDir_, cp932_converter());
    model_->refresh();
    showNotices(report);
    fillCategoryChooser();
    refreshProgress();
    updateCommands();
    // Another program may write the clear list while this window is elsewhere.
    window()->installEventFilter(this);
}

void CKestrowView::fitParentFrame() {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!frame || frame->centralWidget() != this) return;
    if (frame->layout()) frame->layout()->activate();
    // Shrink only: in each direction in which the view is larger than the form.
    const QSize form = sizeHint();
    const QSize extra = size() - form;
    QSize target = frame->size();
    if (extra.width() > 0) target.rwidth() -= extra.width();
    if (extra.height() > 0) target.rheight() -= extra.height();
    frame->resize(target);
}

void CKestrowView::buildImageList() {
    QList<QIcon> icons;
    for (int i = 0; i < res::status_image_count; ++i) icons.append(status_icon(i));
    model_->setIcons(std::move(icons));
}

void CKestrowView::readProfile(Profile& profile) {
    for (int column = 0; column < res::column_count; ++column) {
        int w = profile.readInt(width_section, std::to_string(column + 1));
        if (w == not_stored) w = default_column_width;
        // Qt has no use for negative widths (Windows read some as "fit the
        // contents"); they give a column of no width.
        questList_->header()->resizeSection(column, std::max(w, 0));
    }
    const DialogGeometry defaults;
    auto geometry = [&](const char* entry, int fallback) {
        const int v = profile.readInt(geometry_section, entry);
        return v == not_stored ? fallback : v;
    };
    geometry_.left = geometry("left", defaults.left);
    geometry_.top = geometry("top", defaults.top);
    geometry_.width = geometry("width", defaults.width);
    geometry_.height = geometry("height", defaults.height);
}

void CKestrowView::showNotices(const LoadReport& report) {
    for (const auto& notice : report.notices) MsgBox::error(box_parent(this), report_text(notice.message, notice.path));
}

void CKestrowView::fillCategoryChooser() {
    fill_category_chooser(state_);
    chooserModel_->reload();
    categoryChooser_->setCurrentIndex(state_.selected_entry);
}

void CKestrowView::OnDestroy() {
    // A view that never had its initial update read nothing: it must not
    // overwrite what is stored.
    if (!initialised_) return;
    Profile profile;
    for (int column = 0; column < res::column_count; ++column)
        profile.writeInt(width_section, std::to_string(column + 1), questList_->header()->sectionSize(column));
    profile.writeInt(geometry_section, "left", geometry_.left);
    profile.writeInt(geometry_section, "top", geometry_.top);
    profile.writeInt(geometry_section, "width", geometry_.width);
    profile.writeInt(geometry_section, "height", geometry_.height);
}

void CKestrowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    OnSize(0, event->size().width(), event->size().height());
}

void CKestrowView::OnSize(int /*type*/, int /*cx*/, int /*cy*/) {
    if (!initialised_) return;
    const QRect r = rect();
    questList_->setGeometry(r.left() + list_inset, r.top() + list_top, std::max(r.width() - 2 * list_inset, 0),
                            std::max(r.height() - list_top - list_inset, 0));
    questList_->raise();
    questList_->show();
}

bool CKestrowView::OnUpdateChange() const { return questList_->selectionModel()->hasSelection(); }
bool CKestrowView::OnUpdateEditCopy() const { return model_->rowCount() > 0; }
bool CKestrowView::OnUpdateFileSave() const { return doc_->modifiedMark() != 0; }

void CKestrowView::updateCommands() {
    if (commands_.change) commands_.change->setEnabled(OnUpdateChange());
    if (commands_.copy) commands_.copy->setEnabled(OnUpdateEditCopy());
    if (commands_.save) commands_.save->setEnabled(OnUpdateFileSave());
}

void CKestrowView::OnCategoryChosen(int index) {
    select_entry(state_, index);
    showNewRows();
    showProgress();
}

void CKestrowView::showNewRows() {
    if (model_->refresh() == QuestListModel::Refresh::Reset) return;
    // The same lines as before, but shown anew.
    questList_->selectionModel()->clear();
    questList_->scrollToTop();
}

void CKestrowView::OnFileSave() {
    const ListPlace place = listPlace();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DiskSave saved = save_clear_file_to_disk(state_);
    QApplication::restoreOverrideCursor();
    // What another program saved meanwhile is now held too.
    showFlagsTaken(place);
    if (saved.outcome != SaveOutcome::Saved) {
        MsgBox::error(box_parent(this), report_text(save_message(saved.outcome), saved.path));
        return;
    }
    doc_->setModifiedMark(0);
    if (saved.history_failed && !historyFailureReported_) {
        historyFailureReported_ = true;
        MsgBox::error(box_parent(this), report_text(Message::HistoryNotKept, history_folder(state_.clear_file_path)));
    }
}

void CKestrowView::OnActivateFrame() {
    const TextFile now = read_text_file(state_.clear_file_path, FileKind::Clear, cp932_converter());
    if (!changed_on_disk(state_, now)) return;
    const ListPlace place = listPlace();
    take_clear_file(state_, now);
    showFlagsTaken(place);
}

void CKestrowView::showFlagsTaken(const ListPlace& place) {
    apply_filter(state_);
    showRebuiltRows(place, row_kept_after_update(place.selected, static_cast<int>(state_.rows.size())));
    refreshProgress();
}

void CKestrowView::refreshProgress() {
    chooserModel_->setProgress(chooser_progress(state_));
    // The open list is as wide as its widest entry with its figures.
    QAbstractItemView* list = categoryChooser_->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    showProgress();
}

void CKestrowView::showProgress() {
    if (!commands_.progress) return;
    const Progress p = chooserModel_->progress(state_.selected_entry);
    commands_.progress->setText(state_.selected_entry < 0 ? QString()
                                                          : utf8(res::progress_text).arg(p.cleared).arg(p.shown));
}

void CKestrowView::OnEditCopy() {
    const std::string text = copy_text(state_);
    if (text.empty()) return;
    QGuiApplication::clipboard()->setText(from_cp932(text));
}

bool CKestrowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && watched != this) {
        if (event->type() == QEvent::WindowActivate) OnActivateFrame();
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && PreTranslateMessage(static_cast<const QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

bool CKestrowView::PreTranslateMessage(const QKeyEvent* key) {
    // Either Enter key, the keypad's too; with Alt held it is a system key
    // and keeps its own meaning. So does Enter while no row is selected.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & Qt::AltModifier) || selectedRow() < 0) return false;
    OnChange();
    return true;
}

void CKestrowView::OnDblclkQuestList() { OnChange(); }

void CKestrowView::OnChange() {
    // The dialog shows the selected row: without one there is nothing to open.
    if (selectedRow() < 0) return;
    CQuestDlg dlg(window());
    LoadCurrentQuest();
    dlg.setView(this);
    if (dlg.DoModal() == QDialog::Accepted) UpdateClearState(dlg.clearedValue());
}

int CKestrowView::selectedRow() const {
    const QModelIndexList selected = questList_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

int CKestrowView::rowCount() const { return model_->rowCount(); }

bool CKestrowView::LoadCurrentQuest() {
    const int row = selectedRow();
    // Never read a row that is not there.
    if (row < 0 || row >= rowCount()) return false;
    quest_ = load_current_quest(state_, static_cast<std::size_t>(row));
    return true;
}

void CKestrowView::SelectNextRow() {
    selectRow(next_row(selectedRow(), rowCount()));
    LoadCurrentQuest();
}

void CKestrowView::SelectPreviousRow() {
    selectRow(previous_row(selectedRow(), rowCount()));
    LoadCurrentQuest();
}

void CKestrowView::selectRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    // The row is selected and focused where it is; the list does not scroll
    // to it.
    const bool autoScroll = questList_->hasAutoScroll();
    questList_->setAutoScroll(false);
    questList_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    questList_->setAutoScroll(autoScroll);
}

CKestrowView::ListPlace CKestrowView::listPlace() const {
    return {selectedRow(), questList_->indexAt(QPoint(0, 0)).row(), questList_->horizontalScrollBar()->value()};
}

void CKestrowView::showRebuiltRows(const ListPlace& before, int selected) {
    if (model_->refresh() != QuestListModel::Refresh::Reset) return;
    // Quests left or joined the list: the row kept selected, and the row that
    // was topmost back at the top (or the list's end where it must end now).
    selectRow(selected);
    if (before.top >= 0 && rowCount() > 0)
        questList_->scrollTo(model_->index(std::min(before.top, rowCount() - 1), 0), QAbstractItemView::PositionAtTop);
    questList_->horizontalScrollBar()->setValue(before.across);
}

bool CKestrowView::UpdateClearState(int new_state) {
    const ListPlace place = listPlace();
    const ClearUpdate update = update_clear_state(state_, quest_, new_state, place.selected);
    showRebuiltRows(place, update.selected_row);
    if (update.changed) {
        doc_->setModifiedMark(1);
        refreshProgress();
    }
    return update.changed;
}

void CKestrowView::OnEditFind() {
    CFindDlg dlg(window());
    dlg.setText(from_cp932(state_.search_text));
    if (dlg.DoModal() != QDialog::Accepted || dlg.text().isEmpty()) return;
    // A character that code page 932 cannot spell is in no line of the
    // catalogue: such a text finds nothing, and nothing changes.
    const std::optional<std::string> text = to_cp932(dlg.text());
    if (!text) return;
    // Without a search entry the text is only kept for the next Find.
    const int entry = search_quests(state_, *text);
    if (entry < 0) return;
    chooserModel_->entryChanged(entry);
    categoryChooser_->setCurrentIndex(entry);
    showNewRows();
    refreshProgress();
}
