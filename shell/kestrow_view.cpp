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
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <string>

#include "catalogue/area_index.h"
#include "catalogue/clear_state.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/filter.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"
#include "bitmaps.h"
#include "chooser_model.h"
#include "dialog_units.h"
#include "find_dlg.h"
#include "kestrow_doc.h"
#include "platform/clear_file_writer.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"
#include "desktop/message_box.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "quest_dlg.h"
#include "quest_list_model.h"
#include "restore_dlg.h"
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
      model_(std::make_unique<QuestListModel>(doc->catalogue())),
      chooserModel_(std::make_unique<ChooserModel>(doc->catalogue())) {
    // The models follow the document first, so that the view finds them
    // up to date when it hears of the same change.
    model_->follow(doc_);
    chooserModel_->follow(doc_);
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
    questList_->header()->setSectionsClickable(true);
    questList_->header()->setSortIndicatorShown(true);
    questList_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(questList_->header(), &QHeaderView::sectionClicked, this, &CKestrowView::OnColumnClick);

    connect(categoryChooser_, &QComboBox::activated, this, &CKestrowView::OnCategoryChosen);
    connect(questList_, &QTreeView::doubleClicked, this, &CKestrowView::OnDblclkQuestList);
    connect(questList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CKestrowView::updateCommands);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &CKestrowView::updateCommands);
    connect(doc_, &CKestrowDoc::unsavedChangesChanged, this, &CKestrowView::updateCommands);
    doc_->setSaveCommand([this] { return OnFileSave(); });
    connect(doc_, &CKestrowDoc::listChanged, this, &CKestrowView::showNewRows);
    connect(doc_, &CKestrowDoc::clearStatesAboutToChange, this, [this] { placeBefore_ = listPlace(); });
    connect(doc_, &CKestrowDoc::clearStatesChanged, this, &CKestrowView::showRebuiltRows);
    connect(doc_, &CKestrowDoc::clearStatesChanged, this, &CKestrowView::updateCommands);
    for (auto signal : {&CKestrowDoc::loaded, &CKestrowDoc::clearStatesChanged, &CKestrowDoc::listChanged})
        connect(doc_, signal, this, &CKestrowView::showProgress);
    connect(doc_, &CKestrowDoc::entryRelabelled, this, &CKestrowView::showProgress);
    // Enter opens the selected quest wherever the focus is in the form.
    for (QObject* o : {static_cast<QObject*>(this), static_cast<QObject*>(questList_),
                       static_cast<QObject*>(categoryChooser_)})
        o->installEventFilter(this);
}

CKestrowView::~CKestrowView() { OnDestroy(); }

const Catalogue& CKestrowView::catalogue() const { return doc_->catalogue(); }

void CKestrowView::bindCommands(const ViewCommands& commands) {
    commands_ = commands;
    connect(commands_.save, &QAction::triggered, this, &CKestrowView::OnFileSave);
    connect(commands_.copy, &QAction::triggered, this, &CKestrowView::OnEditCopy);
    connect(commands_.change, &QAction::triggered, this, &CKestrowView::OnChange);
    connect(commands_.find, &QAction::triggered, this, &CKestrowView::OnEditFind);
    connect(commands_.undo, &QAction::triggered, this, &CKestrowView::OnEditUndo);
    if (commands_.reload) connect(commands_.reload, &QAction::triggered, this, &CKestrowView::OnViewReload);
    if (commands_.status)
        connect(doc_, &CKestrowDoc::catalogueChangedOnDisk, commands_.status,
                [this] { commands_.status->showMessage(utf8(res::catalogue_changed_text)); });
    if (commands_.copyShown) connect(commands_.copyShown, &QAction::triggered, this, &CKestrowView::OnEditCopyShown);
    connect(commands_.redo, &QAction::triggered, this, &CKestrowView::OnEditRedo);
    if (commands_.hideCleared) {
        commands_.hideCleared->setCheckable(true);
        connect(commands_.hideCleared, &QAction::toggled, this, &CKestrowView::OnViewHideCleared);
    }
    connect(commands_.restore, &QAction::triggered, this, &CKestrowView::OnFileRestore);
    // Whether the history holds a version is a look into a folder: taken at
    // start and whenever a Save or another program's may have added one,
    // not at every selection as the other commands are.
    const auto refreshRestore = [this] {
        const std::filesystem::path& path = doc_->catalogue().clear_file_path;
        if (commands_.restore) commands_.restore->setEnabled(!path.empty() && !history_versions(path).empty());
    };
    for (auto signal : {&CKestrowDoc::loaded, &CKestrowDoc::clearStatesChanged})
        connect(doc_, signal, this, refreshRestore);
    refreshRestore();
    undoText_ = commands_.undo->text();
    redoText_ = commands_.redo->text();
    updateCommands();
}

QSize CKestrowView::sizeHint() const { return du_to_px(res::form_size, base_units(font())).size(); }

void CKestrowView::OnInitialUpdate() {
    buildImageList();
    initialised_ = 1;
    OnSize(0, width(), height());

    questList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    questList_->setAllColumnsShowFocus(true);
    Profile profile;
    readProfile(profile);

    // A character that is gone since gives way to the main one.
    const CharacterList characters = list_characters(dataDir_);
    const Character* character = characters.find(profile.readText(settings::current_character));
    if (!character) character = &characters.characters.front();
    character_ = character->name;
    showNotices(doc_->load(dataDir_, character->clear_file()));
    fitUnsizedColumns();
    restoreListSettings(profile);
    emit charactersChanged();
    updateCommands();
    // Another program may write the clear list while this window is elsewhere.
    window()->installEventFilter(this);
}

void CKestrowView::buildImageList() {
    QList<QIcon> icons;
    for (int i = 0; i < res::status_image_count; ++i) icons.append(status_icon(i));
    model_->setIcons(std::move(icons));
}

void CKestrowView::readProfile(Profile& profile) {
    static_assert(settings::column_widths.size() == res::column_count);
    // No column is narrower than nothing, and none wider than the screen is of use.
    const int screen = questList_->screen()->size().width();
    for (int column = 0; column < res::column_count; ++column) {
        const settings::Setting& width = settings::column_widths[column];
        const std::optional<int> stored = profile.stored(width);
        if (!stored) unsizedColumns_.push_back(column);
        questList_->header()->resizeSection(column, settings::clamp(width, stored.value_or(width.fallback), {0, screen}));
    }
    geometry_ = CQuestDlg::LoadGeometry(profile);
}

void CKestrowView::fitUnsizedColumns() {
    // The widest of the header and the first quests' cells: enough to read a
    // catalogue's columns without measuring every line of a large one.
    constexpr std::size_t lines_measured = 300;
    const Catalogue& c = doc_->catalogue();
    const QFontMetrics metrics = questList_->fontMetrics();
    const int padding = 2 * questList_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    const int widest = questList_->screen()->availableGeometry().width() / 3;
    for (const int column : unsizedColumns_) {
        int width = questList_->header()->fontMetrics().horizontalAdvance(utf8(res::column_header(column))) + padding + 16;
        for (std::uint32_t line = 0; line < std::min(c.quest_lines.size(), lines_measured); ++line) {
            const QString cell = from_cp932(cell_text(c, Row{line, 0}, column)).section(u'\n', 0, 0);
            const int icon = column == 0 ? questList_->iconSize().width() + 4 : 0;
            width = std::max(width, metrics.horizontalAdvance(cell) + icon + padding);
        }
        questList_->header()->resizeSection(column, std::min(width, widest));
    }
}

QSize CKestrowView::firstStartSize() const {
    // About fifteen rows of every column, as the form places the list.
    constexpr int rows_shown = 15;
    const int row = std::max(questList_->iconSize().height(), questList_->fontMetrics().height()) + 4;
    int columns = 0;
    for (int column = 0; column < res::column_count; ++column) columns += questList_->header()->sectionSize(column);
    const int frame = 2 * questList_->frameWidth();
    const int scrollBar = questList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return QSize(columns + frame + scrollBar + 2 * list_inset,
                 questList_->header()->sizeHint().height() + rows_shown * row + frame + list_top + list_inset);
}

void CKestrowView::showNotices(const LoadReport& report) {
    for (const auto& notice : report.notices) MsgBox::error(box_parent(this), report_text(notice.message, notice.path));
    const CatalogueChanges& changes = doc_->catalogueChanges();
    if (changes.any())
        MsgBox::show(box_parent(this), {utf8(res::catalogue_changes_text)
                                            .arg(changes.added.size())
                                            .arg(changes.gone.size())
                                            .arg(changes.gone_cleared),
                                        QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, {}});
}

void CKestrowView::OnDestroy() {
    // A view that never had its initial update read nothing: it must not
    // overwrite what is stored.
    if (!initialised_) return;
    Profile profile;
    for (int column = 0; column < res::column_count; ++column)
        profile.write(settings::column_widths[column], questList_->header()->sectionSize(column));
    CQuestDlg::StoreGeometry(profile, geometry_);
    const Catalogue& c = doc_->catalogue();
    profile.write(settings::hide_cleared, c.hide_cleared ? 1 : 0);
    profile.write(settings::sort_column, c.sort_column);
    profile.write(settings::sort_descending, c.sort_descending ? 1 : 0);
    // A search result is gone with its text; the category before it is not kept either.
    const int code = selected_code(c);
    if (c.selected_entry >= 0 && code != category::search)
        profile.writeText(settings::chosen_category, QString::number(code));
}

void CKestrowView::restoreListSettings(Profile& profile) {
    const int column = profile.read(settings::sort_column);
    doc_->arrange(profile.read(settings::hide_cleared) != 0, column >= 0 && column < res::column_count ? column : -1,
                  profile.read(settings::sort_descending) != 0);
    if (commands_.hideCleared) commands_.hideCleared->setChecked(doc_->catalogue().hide_cleared);
    showSortIndicator();
    bool known = false;
    const int code = profile.readText(settings::chosen_category).toInt(&known);
    if (known) selectCategory(code);
    categoryChooser_->setCurrentIndex(doc_->catalogue().selected_entry);
}

void CKestrowView::selectCategory(int code) {
    if (const int entry = entry_of_code(doc_->catalogue(), code); entry >= 0) doc_->selectEntry(entry);
}

bool CKestrowView::switchCharacter(const QString& name) {
    if (name == character_) return true;
    if (!doc_->CanSwitchCharacter(box_parent(this))) return false;
    showCharacter(name);
    return true;
}

void CKestrowView::showCharacter(const QString& name) {
    const CharacterList characters = list_characters(dataDir_);
    const Character* character = characters.find(name);
    if (!character) character = &characters.characters.front();
    // The list keeps its arrangement and category; a search is not carried over.
    const Catalogue& c = doc_->catalogue();
    const bool hide_cleared = c.hide_cleared;
    const int sort_column = c.sort_column;
    const bool descending = c.sort_descending;
    const int code = c.selected_entry >= 0 ? selected_code(c) : category::search;
    character_ = character->name;
    Profile().writeText(settings::current_character, character->main ? QString() : character_);
    // The main character's new name moves no file: its unsaved ticks stay.
    if (character->clear_file() == c.clear_file_path) {
        emit charactersChanged();
        return;
    }
    showNotices(doc_->load(dataDir_, character->clear_file()));
    doc_->arrange(hide_cleared, sort_column, descending);
    showSortIndicator();
    if (code != category::search) selectCategory(code);
    categoryChooser_->setCurrentIndex(doc_->catalogue().selected_entry);
    updateCommands();
    emit charactersChanged();
}

QString CKestrowView::otherCharactersText() const {
    const QStringList names = otherClears_.names(dataDir_, character_, quest_.code);
    if (names.isEmpty()) return {};
    return utf8(res::other_characters_text).arg(names.join(utf8(res::other_characters_separator)));
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
bool CKestrowView::OnUpdateFileSave() const { return doc_->hasUnsavedChanges(); }

void CKestrowView::updateCommands() {
    if (commands_.change) commands_.change->setEnabled(OnUpdateChange());
    if (commands_.copy) commands_.copy->setEnabled(OnUpdateEditCopy());
    if (commands_.copyShown) commands_.copyShown->setEnabled(OnUpdateEditCopy());
    if (commands_.save) commands_.save->setEnabled(OnUpdateFileSave());
    // The undo and redo entries name their step: "元に戻す(&U) Name 済".
    const auto name = [](const QString& base, const ClearStep* step) {
        if (!step) return base;
        const qsizetype tab = base.indexOf(u'\t');
        QString what = step->restore ? utf8(res::restore_step_text)
                                     : from_cp932(step->name).simplified().replace(u'&', QStringLiteral("&&")) + u' ' +
                                           utf8(step->cleared ? res::cleared_mark : res::not_cleared_mark);
        return base.left(tab) + u' ' + what + base.mid(tab);
    };
    if (commands_.undo) {
        commands_.undo->setEnabled(doc_->nextUndo() != nullptr);
        commands_.undo->setText(name(undoText_, doc_->nextUndo()));
    }
    if (commands_.redo) {
        commands_.redo->setEnabled(doc_->nextRedo() != nullptr);
        commands_.redo->setText(name(redoText_, doc_->nextRedo()));
    }
}

void CKestrowView::OnCategoryChosen(int index) { doc_->selectEntry(index); }

void CKestrowView::showNewRows() {
    if (model_->lastRefresh() == QuestListModel::Refresh::Reset) return;
    // The same lines as before, but shown anew.
    questList_->selectionModel()->clear();
    questList_->scrollToTop();
}

bool CKestrowView::OnFileSave() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DiskSave saved = doc_->save();
    QApplication::restoreOverrideCursor();
    const std::filesystem::path& path = doc_->catalogue().clear_file_path;
    if (saved.outcome != SaveOutcome::Saved) {
        MsgBox::error(box_parent(this), report_text(save_message(saved.outcome), saved.path));
        return false;
    }
    if (saved.history_failed && !historyFailureReported_) {
        historyFailureReported_ = true;
        MsgBox::error(box_parent(this), report_text(Message::HistoryNotKept, history_folder(path)));
    }
    return true;
}

void CKestrowView::OnActivateFrame() { doc_->takeOutsideChanges(); }

void CKestrowView::showProgress() {
    // The open list is as wide as its widest entry with its figures.
    QAbstractItemView* list = categoryChooser_->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    if (commands_.overall) {
        const Progress all = chooserModel_->overall();
        commands_.overall->setText(utf8(res::overall_text).arg(all.cleared).arg(all.shown));
    }
    if (!commands_.progress) return;
    const int entry = doc_->catalogue().selected_entry;
    const Progress p = chooserModel_->progress(entry);
    commands_.progress->setText(entry < 0 ? QString() : utf8(res::progress_text).arg(p.cleared).arg(p.shown));
}

void CKestrowView::OnEditCopy() {
    const std::string text = copy_text(doc_->catalogue());
    if (text.empty()) return;
    QGuiApplication::clipboard()->setText(from_cp932(text));
}

void CKestrowView::OnEditCopyShown() {
    const std::string rows = copy_shown_text(doc_->catalogue());
    if (rows.empty()) return;
    QStringList header{utf8(res::status_column_text)};
    for (int column = 0; column < res::column_count; ++column) header << utf8(res::column_header(column));
    QGuiApplication::clipboard()->setText(header.join(u'\t') + QStringLiteral("\r\n") + from_cp932(rows));
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
    quest_ = load_current_quest(doc_->catalogue(), static_cast<std::size_t>(row));
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

void CKestrowView::showRebuiltRows() {
    if (model_->lastRefresh() != QuestListModel::Refresh::Reset) return;
    // Quests left or joined the list: the row kept selected, and the row that
    // was topmost back at the top (or the list's end where it must end now).
    const ListPlace& before = placeBefore_;
    selectRow(row_kept_after_update(before.selected, rowCount()));
    if (before.top >= 0 && rowCount() > 0)
        questList_->scrollTo(model_->index(std::min(before.top, rowCount() - 1), 0), QAbstractItemView::PositionAtTop);
    questList_->horizontalScrollBar()->setValue(before.across);
}

bool CKestrowView::UpdateClearState(int new_state) {
    const bool changed = doc_->applyTick(quest_, new_state);
    // The quest shown now carries the tick just applied.
    quest_.cleared = new_state != 0 ? 1 : 0;
    return changed;
}

void CKestrowView::OnViewReload() {
    showNotices(doc_->reload());
    categoryChooser_->setCurrentIndex(doc_->catalogue().selected_entry);
    if (commands_.status) commands_.status->clearMessage();
}

void CKestrowView::OnEditUndo() { showStep(doc_->undo()); }
void CKestrowView::OnEditRedo() { showStep(doc_->redo()); }

void CKestrowView::showStep(const std::optional<ClearStep>& step) {
    // A quest not in this list leaves the list where it was.
    if (step && !step->changes.empty()) selectLine(step->changes.front().line);
}

void CKestrowView::selectLine(std::uint32_t line) {
    const auto& rows = doc_->catalogue().rows;
    const auto it = std::find_if(rows.begin(), rows.end(), [line](const Row& r) { return r.line == line; });
    if (it == rows.end()) return;
    const int row = static_cast<int>(it - rows.begin());
    selectRow(row);
    questList_->scrollTo(model_->index(row, 0));
}

void CKestrowView::OnColumnClick(int column) {
    const Catalogue& c = doc_->catalogue();
    if (c.sort_column != column) arrangeRows(c.hide_cleared, column, false);
    else if (!c.sort_descending) arrangeRows(c.hide_cleared, column, true);
    else arrangeRows(c.hide_cleared, -1, false);
}

void CKestrowView::OnViewHideCleared(bool hide) {
    const Catalogue& c = doc_->catalogue();
    if (hide != c.hide_cleared) arrangeRows(hide, c.sort_column, c.sort_descending);
}

void CKestrowView::arrangeRows(bool hide_cleared, int sort_column, bool descending) {
    const int selected = selectedRow();
    const auto& rows = doc_->catalogue().rows;
    const auto line = selected >= 0 ? std::optional(rows[static_cast<std::size_t>(selected)].line) : std::nullopt;
    doc_->arrange(hide_cleared, sort_column, descending);
    showSortIndicator();
    if (model_->lastRefresh() != QuestListModel::Refresh::Reset) return;
    questList_->scrollToTop();
    if (line) selectLine(*line);
}

void CKestrowView::showSortIndicator() {
    const Catalogue& c = doc_->catalogue();
    questList_->header()->setSortIndicator(c.sort_column, c.sort_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CKestrowView::OnEditFind() {
    CFindDlg dlg(window());
    dlg.setText(from_cp932(doc_->catalogue().search_text));
    if (dlg.DoModal() != QDialog::Accepted || dlg.text().isEmpty()) return;
    // A character that code page 932 cannot spell is in no line of the
    // catalogue: such a text finds nothing.
    const std::optional<std::string> text = to_cp932(dlg.text());
    // Without a search entry the text is only kept for the next Find.
    const int entry = text ? doc_->search(*text, dlg.loose()) : search_found_nothing;
    if (entry >= 0) categoryChooser_->setCurrentIndex(entry);
    // Finding nothing leaves the list as it was, and says so until the next search.
    const QString said = entry == search_found_nothing ? utf8(res::find_nothing_text).arg(dlg.text()) : QString();
    if (auto* frame = qobject_cast<QMainWindow*>(window())) frame->statusBar()->showMessage(said);
}

void CKestrowView::OnFileRestore() {
    CRestoreDlg dlg(doc_, window());
    dlg.DoModal();
}
