#pragma once
// The restore dialog: the versions of the clear list kept in its history,
// newest first, each with its number of Codes and how far it is from the
// held state; below, which quests the chosen one would tick and untick.
// 戻す takes it as the held state in one step that Undo takes back; nothing
// is written before Save.

#include <QDialog>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/clear_sync.h"

class QPushButton;
class QTreeView;
class QTreeWidget;
class CKestrowDoc;

class CRestoreDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CRestoreDlg(CKestrowDoc* doc, QWidget* parent = nullptr);
    ~CRestoreDlg() override;

    int DoModal();
    // Reads the versions and lists them, the newest selected.
    void OnInitDialog();
    // Another version selected: its changes shown, 戻す only for one that was read.
    void OnSelChangeVersion();
    void OnOK();

private:
    struct Version {
        bool readable = false;
        std::string text;  // code page 932
        kestrow::ClearTextChanges changes;
    };
    class ChangeModel;

    const Version* selectedVersion() const;

    CKestrowDoc* doc_;
    std::vector<Version> versions_;
    QTreeWidget* versionList_;
    QTreeView* changeList_;
    std::unique_ptr<ChangeModel> changeModel_;
    QPushButton* restore_;
};
