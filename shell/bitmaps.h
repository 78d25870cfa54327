#pragma once
// Images from the resources with their transparent colour applied, as the
// image lists and the tool bar of the first versions of the program drew them.

#include <QIcon>

namespace kestrow {

// The quest list's status image with icon index `index` (0 to 7).
QIcon status_icon(int index);

// A tool bar button's image: its light grey background takes the colour of
// the bar. High-DPI screens get the double-size drawing.
QIcon toolbar_icon(int command);

// The program's icon at every size drawn: the main window's and the quest
// detail dialog's.
QIcon program_window_icon();

}  // namespace kestrow
