#pragma once
// What the quest detail dialog needs of the list that opened it: the quest it
// shows, applying a tick, stepping to the next or previous row, and where the
// dialog stands on the screen. The main view provides it; tests can too.

#include <QString>

#include "catalogue/current_quest.h"
#include "platform/settings.h"

// The quest detail dialog's outer rectangle in screen pixels, frame included.
struct DialogGeometry {
    int left = kestrow::settings::dialog_left.fallback;
    int top = kestrow::settings::dialog_top.fallback;
    int width = kestrow::settings::dialog_width.fallback;
    int height = kestrow::settings::dialog_height.fallback;
    bool operator==(const DialogGeometry&) const = default;
};

class QuestDialogHost {
public:
    virtual ~QuestDialogHost() = default;

    // The fields of the quest shown, copied out of its row.
    virtual const kestrow::CurrentQuest& currentQuest() const = 0;
    // Copies the selected row into the current quest; false without one.
    virtual bool LoadCurrentQuest() = 0;
    // The dialog's tick for the current quest: applied, and from then on the
    // current quest's cleared value. True when a flag changed.
    virtual bool UpdateClearState(int new_state) = 0;
    // Select the next or previous row (wrapping round) and load it.
    virtual void SelectNextRow() = 0;
    virtual void SelectPreviousRow() = 0;
    // The selected row, -1 for none, and the number of rows.
    virtual int selectedRow() const = 0;
    virtual int rowCount() const = 0;
    virtual DialogGeometry& dialogGeometry() = 0;
    // The line that names the other characters who cleared the current
    // quest; empty when none did.
    virtual QString otherCharactersText() const = 0;
};
