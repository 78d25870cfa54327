#pragma once
// The document: the player's progress for one run. It owns the catalogue
// (through DocumentCore, which kestrow-cli shares), makes every change to it
// and announces each one; the models and the view follow those signals.
// Whether there are unsaved changes is derived from the catalogue, never set.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/document_core.h"

class QWidget;

class CKestrowDoc final : public QObject {
    Q_OBJECT
public:
    explicit CKestrowDoc(QObject* parent = nullptr);

    bool OnNewDocument();

    const kestrow::Catalogue& catalogue() const { return core_.catalogue(); }

    kestrow::LoadReport load(const std::filesystem::path& dir);
    // The catalogue of dir with one character's clear file.
    kestrow::LoadReport load(const std::filesystem::path& dir, const std::filesystem::path& clear_file);
    // Kestrow.txt read again, the unsaved ticks, the category and the search kept.
    kestrow::LoadReport reload();

    // The list shown: a chooser entry, or a search (the index of the search
    // entry, -1 without one, search_found_nothing when nothing changed).
    void selectEntry(int index);
    int search(std::string_view text, bool loose = false);
    void arrange(bool hide_cleared, int sort_column, bool descending);

    // Changes of clear states; each is announced with clearStatesChanged.
    bool applyTick(const kestrow::CurrentQuest& quest, int new_state);
    kestrow::DiskSave save();
    bool takeOutsideChanges();
    // A version of the clear file taken as the held state, unsaved: one step.
    void restore(std::string_view clear_text);
    // The steps to undo and redo; the step applied, or nothing.
    const kestrow::ClearStep* nextUndo() const { return core_.steps().nextUndo(); }
    const kestrow::ClearStep* nextRedo() const { return core_.steps().nextRedo(); }
    std::optional<kestrow::ClearStep> undo();
    std::optional<kestrow::ClearStep> redo();

    bool hasUnsavedChanges() const { return core_.hasUnsavedChanges(); }
    // What the last load found changed since the catalogue was last shown.
    const kestrow::CatalogueChanges& catalogueChanges() const { return core_.catalogueChanges(); }

    // Asks before closing with unsaved changes: close anyway, stay, or save
    // (with the view's Save command) and close if that worked. False keeps
    // the window open.
    bool CanCloseFrame(QWidget* frame);
    // The same question before another character's progress replaces this one.
    bool CanSwitchCharacter(QWidget* frame);
    void setSaveCommand(std::function<bool()> save) { saveCommand_ = std::move(save); }

signals:
    // A new catalogue: new chooser entries, nothing chosen.
    void loaded();
    // Another list is shown (a category chosen, a search).
    void listChanged();
    // The same list hides cleared quests or not, or is sorted otherwise.
    void rowsArranged();
    // A chooser entry's text changed (the search entry's label).
    void entryRelabelled(int index);
    // Clear flags are about to change, and did (the rows are filtered again).
    void clearStatesAboutToChange();
    void clearStatesChanged();
    void unsavedChangesChanged(bool unsaved);
    // Kestrow.txt on disk is no longer the one loaded (replaced, changed, gone).
    void catalogueChangedOnDisk();

private:
    // Runs change between the two announcements of a change of clear states.
    template <class Change>
    auto changeClearStates(Change change);
    void announceUnsaved();
    kestrow::LoadReport announceLoad(kestrow::LoadReport report);
    bool askToLeave(QWidget* frame, std::string_view prompt, std::string_view save_text);
    // Watches Kestrow.txt, and its folder for a file put in its place.
    void watchCatalogue();
    void checkCatalogue();

    kestrow::DocumentCore core_;
    bool unsavedAnnounced_ = false;
    std::function<bool()> saveCommand_;
    QFileSystemWatcher watcher_;
    QString catalogueFile_;
    QDateTime catalogueTime_;
    qint64 catalogueSize_ = -1;
    bool catalogueChanged_ = false;
};
