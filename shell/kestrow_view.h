#pragma once
// The main view: a form with the category chooser and the quest list. It
// owns the catalogue for the whole run, turns the user's commands into
// catalogue calls and shows their results.

#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/clear_steps.h"
#include "catalogue/current_quest.h"
#include "catalogue/loader.h"
#include "platform/characters.h"
#include "quest_host.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QStatusBar;
class QTreeView;
class CKestrowDoc;

namespace kestrow {
class ChooserModel;
class QuestListModel;
class Profile;
}  // namespace kestrow

// The frame's actions whose availability and handling the view decides, and
// the status pane it fills.
struct ViewCommands {
    QAction* save = nullptr;
    QAction* copy = nullptr;
    QAction* change = nullptr;
    QAction* find = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* hideCleared = nullptr;
    QAction* copyShown = nullptr;
    QAction* restore = nullptr;
    QAction* reload = nullptr;
    QStatusBar* status = nullptr;
    QLabel* progress = nullptr;
    QLabel* overall = nullptr;
};

class CKestrowView final : public QWidget, public QuestDialogHost {
    Q_OBJECT
public:
    CKestrowView(CKestrowDoc* doc, std::filesystem::path dataDir, QWidget* parent = nullptr);
    ~CKestrowView() override;

    void bindCommands(const ViewCommands& commands);

    // Sets up the quest list, reads the profile, loads the catalogue and fills
    // the category chooser. Once, before the frame is first shown.
    void OnInitialUpdate();

    // The form's own size; the frame fits itself to it until a placement is stored.
    QSize sizeHint() const override;
    // The size that shows about fifteen rows of every column: a first start's.
    QSize firstStartSize() const;

    // Availability of the commands: an update handler only ever disables.
    bool OnUpdateChange() const;
    bool OnUpdateEditCopy() const;
    bool OnUpdateFileSave() const;

    // True when the clear list now holds the player's progress.
    bool OnFileSave();
    // Lets the user pick a version of the clear file's history to go back to.
    void OnFileRestore();
    // The window became active: takes what another program saved meanwhile.
    void OnActivateFrame();
    void OnEditCopy();
    // The rows as shown with a header row, for a spreadsheet.
    void OnEditCopyShown();
    void OnChange();
    void OnEditFind();
    // Kestrow.txt read again, keeping the unsaved ticks and the category.
    void OnViewReload();
    void OnEditUndo();
    void OnEditRedo();
    void OnDblclkQuestList();
    void OnCategoryChosen(int index);
    // A click on a column header: sorted by it, reversed, then file order again.
    void OnColumnClick(int column);
    void OnViewHideCleared(bool hide);

    // The quest detail dialog's side of the view. The current quest is the
    // selected row's fields, copied out when the dialog opens or steps.
    const kestrow::CurrentQuest& currentQuest() const override { return quest_; }
    bool LoadCurrentQuest() override;
    void SelectNextRow() override;
    void SelectPreviousRow() override;
    // Hands a cleared tick of the current quest to the document; the rows
    // follow its announcement, the selection kept by the catalogue's rule and
    // the topmost row back at the top.
    bool UpdateClearState(int new_state) override;
    int selectedRow() const override;
    int rowCount() const override;
    DialogGeometry& dialogGeometry() override { return geometry_; }
    QString otherCharactersText() const override;

    // The character whose progress is shown, and the data folder it is one of.
    const QString& character() const { return character_; }
    const std::filesystem::path& dataDir() const { return dataDir_; }
    // Asks as closing does when there are unsaved changes, then shows that
    // character's progress in the same category. False when the player stays.
    bool switchCharacter(const QString& name);
    // Shows that character's progress without asking (the main one's when
    // there is none of that name): after a rename moved its files, or a
    // removal. A rename that moved nothing only changes the name shown.
    void showCharacter(const QString& name);

    const kestrow::Catalogue& catalogue() const;
    CKestrowDoc* document() const { return doc_; }
    QTreeView* questList() const { return questList_; }
    QComboBox* categoryChooser() const { return categoryChooser_; }

    // Refreshes the enabled state of the bound commands.
    void updateCommands();

signals:
    // Another character is shown, or the characters changed.
    void charactersChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSize(int type, int cx, int cy);
    void OnDestroy();
    void buildImageList();
    void readProfile(kestrow::Profile& profile);
    void showNotices(const kestrow::LoadReport& report);
    void selectCategory(int code);
    // Columns without a stored width fit what they show.
    void fitUnsizedColumns();
    // How the list was left: hidden cleared quests, the sort and the category.
    void restoreListSettings(kestrow::Profile& profile);
    bool PreTranslateMessage(const QKeyEvent* key);
    void selectRow(int row);
    // After a category was chosen or searched: its rows, none selected, from the top.
    void showNewRows();
    // Where the user is in the list, and the list shown again there after
    // clear flags changed, with the given row selected.
    struct ListPlace {
        int selected, top, across;
    };
    ListPlace listPlace() const;
    // After clear flags changed: the rows shown again where the user was.
    void showRebuiltRows();
    // The chosen category's figures in the status pane.
    void showProgress();
    // The rows arranged anew, the selected quest still selected.
    void arrangeRows(bool hide_cleared, int sort_column, bool descending);
    void showSortIndicator();
    // Selects the row that shows a quest line, if one does, and shows it.
    void selectLine(std::uint32_t line);
    // After an undo or redo: the quest's row selected where it is shown.
    void showStep(const std::optional<kestrow::ClearStep>& step);

    CKestrowDoc* doc_;
    ListPlace placeBefore_{-1, -1, 0};
    std::filesystem::path dataDir_;
    int initialised_ = 0;
    bool historyFailureReported_ = false;
    DialogGeometry geometry_;
    std::vector<int> unsizedColumns_;
    kestrow::CurrentQuest quest_;
    QString character_;
    mutable kestrow::OtherCharactersClears otherClears_;
    ViewCommands commands_;
    // The menu texts of undo and redo without a step's name.
    QString undoText_, redoText_;
    QComboBox* categoryChooser_;
    QTreeView* questList_;
    std::unique_ptr<kestrow::QuestListModel> model_;
    std::unique_ptr<kestrow::ChooserModel> chooserModel_;
};
