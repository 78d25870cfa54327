#include "restore_dlg.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

#include "catalogue/area_index.h"
#include "catalogue/field.h"
#include "dialog_units.h"
#include "kestrow_doc.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "resources.h"

using namespace kestrow;

namespace {

// When a version was kept, as its file name says: "2026/12/08 10:15:30".
QString version_time(const std::filesystem::path& path) {
    const auto stamp = history_stamp(path);
    if (!stamp) return to_qstring(path.filename());
    const QString when = stamp->when.toString(utf8(res::restore_time_format));
    return stamp->number > 1 ? utf8(res::restore_same_second).arg(when).arg(stamp->number) : when;
}

// What a screen reader calls a labelled control: the label without its key and colon.
QString spoken(std::string_view label) {
    const QString text = utf8(label);
    return text.left(text.indexOf(u'('));
}

QTreeView* set_up_list(QTreeView* list, const char* name, std::string_view label) {
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(spoken(label));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    return list;
}

}  // namespace

// The quests whose state the selected version would change: Name, area and
// the state each would get. It reads the catalogue's lines; it holds none.
class CRestoreDlg::ChangeModel final : public QAbstractTableModel {
public:
    explicit ChangeModel(const Catalogue& state) : state_(state) {}

    void show(const std::vector<FlagChange>* changes) {
        beginResetModel();
        changes_ = changes;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !changes_ ? 0 : static_cast<int>(changes_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(std::size(res::restore_change_headers));
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        const FlagChange& change = (*changes_)[static_cast<std::size_t>(index.row())];
        if (change.line >= state_.quest_lines.size()) return {};
        const std::string& line = state_.quest_lines[change.line];
        switch (index.column()) {
            case 0: return from_cp932(field(line, 2)).simplified();
            case 1: return from_cp932(area_name(state_, area_number(line)));
            default: return utf8(change.after == cleared_flag ? res::cleared_mark : res::not_cleared_mark);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
            return {};
        return utf8(res::restore_change_headers[section]);
    }

private:
    const Catalogue& state_;
    const std::vector<FlagChange>* changes_ = nullptr;
};

CRestoreDlg::CRestoreDlg(CKestrowDoc* doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      versionList_(new QTreeWidget(this)),
      changeList_(new QTreeView(this)),
      changeModel_(std::make_unique<ChangeModel>(doc->catalogue())),
      restore_(new QPushButton(utf8(res::restore_button_text), this)) {
    setObjectName(QStringLiteral("restoreDialog"));
    setWindowTitle(utf8(res::restore_step_text));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialog_font(res::form_font, res::form_font_points));

    auto* versionsLabel = new QLabel(utf8(res::restore_versions_label), this);
    versionsLabel->setObjectName(QStringLiteral("labelVersions"));
    versionsLabel->setBuddy(set_up_list(versionList_, "versionList", res::restore_versions_label));
    QStringList headers;
    for (const auto header : res::restore_version_headers) headers << utf8(header);
    versionList_->setHeaderLabels(headers);
    connect(versionList_, &QTreeWidget::itemSelectionChanged, this, &CRestoreDlg::OnSelChangeVersion);
    connect(versionList_, &QTreeWidget::itemDoubleClicked, this, &CRestoreDlg::OnOK);

    auto* changesLabel = new QLabel(utf8(res::restore_changes_label), this);
    changesLabel->setObjectName(QStringLiteral("labelChanges"));
    changesLabel->setBuddy(set_up_list(changeList_, "changeList", res::restore_changes_label));
    changeList_->setModel(changeModel_.get());

    restore_->setObjectName(QStringLiteral("buttonRestore"));
    restore_->setAccessibleName(restore_->text());
    restore_->setDefault(true);
    connect(restore_, &QPushButton::clicked, this, &CRestoreDlg::OnOK);
    auto* cancel = new QPushButton(utf8(res::cancel_text), this);
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    cancel->setAccessibleName(cancel->text());
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(versionsLabel);
    layout->addWidget(versionList_, 2);
    layout->addWidget(changesLabel);
    layout->addWidget(changeList_, 3);
    layout->addLayout(buttons);

    setTabOrder(versionList_, changeList_);
    setTabOrder(changeList_, restore_);
    setTabOrder(restore_, cancel);
    resize(du_to_px(res::restore_size, base_units(font())).size());
}

CRestoreDlg::~CRestoreDlg() {
    // The list view lets go of the model before the model goes.
    changeList_->setModel(nullptr);
}

int CRestoreDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CRestoreDlg::OnInitDialog() {
    const Catalogue& state = doc_->catalogue();
    for (const auto& path : history_versions(state.clear_file_path)) {
        const TextFile file = read_text_file(path, FileKind::Clear, cp932_converter());
        Version version;
        version.readable = file.status == ReadStatus::Ok;
        auto* item = new QTreeWidgetItem(versionList_);
        item->setText(0, version_time(path));
        if (version.readable) {
            version.text = file.text();
            version.changes = clear_text_changes(state, version.text);
            item->setText(1, QString::number(code_count(version.text)));
            item->setText(2, utf8(res::restore_difference).arg(version.changes.ticked).arg(version.changes.unticked));
        } else {
            item->setText(1, utf8(res::restore_unreadable));
        }
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        versions_.push_back(std::move(version));
    }
    for (int column = 0; column < versionList_->columnCount(); ++column) versionList_->resizeColumnToContents(column);
    if (versionList_->topLevelItemCount() > 0) versionList_->setCurrentItem(versionList_->topLevelItem(0));
    OnSelChangeVersion();
    versionList_->setFocus();
}

const CRestoreDlg::Version* CRestoreDlg::selectedVersion() const {
    const QList<QTreeWidgetItem*> selected = versionList_->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const auto index = static_cast<std::size_t>(versionList_->indexOfTopLevelItem(selected.front()));
    return index < versions_.size() ? &versions_[index] : nullptr;
}

void CRestoreDlg::OnSelChangeVersion() {
    const Version* version = selectedVersion();
    const bool readable = version && version->readable;
    changeModel_->show(readable ? &version->changes.lines : nullptr);
    for (int column = 0; column < changeModel_->columnCount(); ++column) changeList_->resizeColumnToContents(column);
    restore_->setEnabled(readable);
}

void CRestoreDlg::OnOK() {
    const Version* version = selectedVersion();
    if (!version || !version->readable) return;
    doc_->restore(version->text);
    accept();
}
