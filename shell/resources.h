#pragma once
// The fixed user-interface data of the program: menu, accelerators, tool bar,
// strings, the dialog layouts and the status images.
// Texts are UTF-8 and are shown exactly as they stand.

#include <QKeySequence>
#include <QString>
#include <span>
#include <string_view>

#include "desktop/key_locks.h"

namespace kestrow::res {

// Command identifiers. They name the actions and route the commands, and they
// keep the numbers under which the first versions of the program knew them.
enum Command : int {
    ID_SEPARATOR = 0,
    ID_CHANGE = 32771,
    ID_FILE_RESTORE = 32772,
    ID_VIEW_HIDE_CLEARED = 32773,
    ID_EDIT_COPY_SHOWN = 32774,
    ID_VIEW_RELOAD = 32775,
    ID_FILE_SAVE = 57603,
    ID_EDIT_COPY = 57634,
    ID_EDIT_FIND = 57636,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// The object name of a command's action ("actionFileSave"), for tests and tools.
const char* action_name(int command);

// The prompt of a command: the status-bar text, a line feed, the tool tip.
std::string_view prompt(int command);
QString status_tip(int command);  // the prompt before its line feed
QString tool_tip(int command);    // the prompt after it

struct MenuItem {
    int command;           // ID_SEPARATOR draws a line
    std::string_view text; // "\t" separates the caption from the key shown at its right
};

struct DropDown {
    std::string_view text;
    std::span<const MenuItem> items;
    const char* object_name;
};

std::span<const DropDown> menu_bar();

// The keys that run commands, each the one that its menu item shows.
struct Accelerator {
    QKeyCombination key;
    int command;
};
std::span<const Accelerator> accelerators();

// Tool bar buttons in order; ID_SEPARATOR is a gap.
std::span<const int> toolbar_buttons();
QString toolbar_image(int command);  // a resource path; the @2x file serves high-DPI screens

inline constexpr std::string_view frame_title = "ケストロウ";     // the main window's fixed title
inline constexpr std::string_view idle_message = "ﾚﾃﾞｨ";
// The status bar's progress pane for the chosen category: cleared, shown.
inline constexpr std::string_view progress_text = "クリア済み %1 / %2";
// The whole catalogue's: cleared quest lines, all quest lines.
inline constexpr std::string_view overall_text = "全体 %1 / %2";
// The title of the status column that Copy as shown puts before the others.
inline constexpr std::string_view status_column_text = "状態";

// Status-bar key panes in order: kana, caps, num and scroll lock.
struct Indicator {
    LockKey key;
    std::string_view text;
    const char* object_name;
};
std::span<const Indicator> indicators();

// How the undo and redo entries name a step: a quest's state, or a restore.
inline constexpr std::string_view cleared_mark = "済";
inline constexpr std::string_view not_cleared_mark = "未";
inline constexpr std::string_view restore_step_text = "以前の状態に戻す";

// The close confirmation.
inline constexpr std::string_view close_prompt =
    "保存されていない変更があります。\n\nこのまま終了してよろしいですか？ （’◇’）ゞ";

// Told when Kestrow.txt changed on disk while the window shows it.
inline constexpr std::string_view catalogue_changed_text = "Kestrow.txt が更新されました。F5 で読み直せます。";

// Shown once after loading a catalogue that differs from the one last shown.
inline constexpr std::string_view catalogue_changes_text =
    "カタログが変わりました。\n\n新しいクエスト: %1 件\nなくなったクエスト: %2 件（うちクリア済み %3 件。"
    "クリア済みリストには残ります）\n\n新しいクエストは一覧の「新しいクエスト」に表示されます。";

inline constexpr std::string_view save_and_close_text = "保存して終了(&S)";

// The characters of the data folder: the submenu of ファイル, the name
// question, the removal question, the title and the quest dialog's line.
inline constexpr std::string_view characters_menu_text = "キャラクター(&C)";
inline constexpr std::string_view character_new_text = "新しいキャラクター(&N)...";
inline constexpr std::string_view character_rename_text = "名前の変更(&R)...";
inline constexpr std::string_view character_remove_text = "削除(&D)...";
inline constexpr std::string_view character_new_caption = "新しいキャラクター";
inline constexpr std::string_view character_rename_caption = "名前の変更";
inline constexpr std::string_view character_name_label = "キャラクターの名前:";
inline constexpr std::string_view character_remove_prompt =
    "キャラクター「%1」を削除しますか？\n\nクリア済みリストは キャラクター/.削除済み に移されます。";
inline constexpr std::string_view character_switch_prompt =
    "保存されていない変更があります。\n\n保存せずにキャラクターを切り替えてよろしいですか？";
inline constexpr std::string_view save_and_switch_text = "保存して切り替え(&S)";
inline constexpr std::string_view character_title = "ケストロウ - %1";
inline constexpr std::string_view other_characters_text = "ほかのキャラクター: %1";
inline constexpr std::string_view other_characters_separator = ", ";

// Dialog layouts, in dialog units.
struct DlgRect {
    int x, y, width, height;
};

// The form of the main view.
inline constexpr std::string_view form_font = "ＭＳ Ｐゴシック";
inline constexpr int form_font_points = 9;
inline constexpr DlgRect form_size{0, 0, 120, 29};
inline constexpr DlgRect form_category_chooser{7, 7, 106, 159};  // height: the open drop-down list
inline constexpr DlgRect form_quest_list{7, 7, 27, 15};          // moved and sized by the view

// The About box.
inline constexpr std::string_view about_caption = "ケストロウのバージョン （’◇’）ゞ";
inline constexpr DlgRect about_size{0, 0, 205, 48};
inline constexpr DlgRect about_icon{7, 13, 20, 20};
inline constexpr DlgRect about_version{40, 12, 93, 8};
inline constexpr DlgRect about_rights{40, 27, 95, 8};
inline constexpr DlgRect about_ok{148, 7, 50, 14};
inline constexpr std::string_view about_version_text = "Kestrow Version 1.1";
inline constexpr std::string_view about_rights_text = "Copyright (C) 2026 Kestrow developers";
inline constexpr std::string_view ok_text = "OK";
inline constexpr std::string_view cancel_text = "キャンセル";

// The quest detail dialog: a sizing border, the controls in template order
// (also the tab order). Its layout rule moves and stretches them at run time.
inline constexpr int quest_font_points = 10;
// The base units of its font on the systems it was drawn on. The layout
// rule's pixel offsets fit the template only at these units.
inline constexpr int quest_base_x = 7;
inline constexpr int quest_base_y = 13;
inline constexpr DlgRect quest_size{0, 0, 361, 240};
inline constexpr DlgRect quest_cleared{175, 200, 72, 10};
inline constexpr DlgRect quest_reward{14, 19, 330, 14};
inline constexpr DlgRect quest_location{14, 54, 330, 14};
inline constexpr DlgRect quest_condition{14, 90, 330, 14};
inline constexpr DlgRect quest_details{14, 125, 330, 58};
inline constexpr DlgRect quest_ok{117, 219, 50, 14};
inline constexpr DlgRect quest_cancel{193, 219, 50, 14};
inline constexpr DlgRect quest_group_reward{7, 7, 347, 33};
inline constexpr DlgRect quest_group_location{7, 41, 347, 33};
inline constexpr DlgRect quest_group_condition{7, 77, 347, 33};
inline constexpr DlgRect quest_repeat_label{113, 200, 30, 8};
inline constexpr DlgRect quest_repeat_mark{146, 200, 20, 8};
inline constexpr DlgRect quest_group_details{7, 112, 347, 77};
inline constexpr DlgRect quest_next{304, 219, 50, 14};
inline constexpr DlgRect quest_previous{7, 219, 50, 14};
inline constexpr std::string_view quest_cleared_text = "クリア済みチェック";
inline constexpr std::string_view quest_reward_text = "報酬";
inline constexpr std::string_view quest_location_text = "場所";
inline constexpr std::string_view quest_condition_text = "発生条件";
inline constexpr std::string_view quest_details_text = "詳細";
inline constexpr std::string_view quest_repeat_text = "複数回 ：";  // ASCII space, full-width colon
inline constexpr std::string_view quest_repeat_mark_text = "Static";  // replaced before it is ever seen
inline constexpr std::string_view quest_next_text = "次へ (&N)";     // with a space
inline constexpr std::string_view quest_previous_text = "前へ(&P)";  // without

// The search dialog, and the status-bar text of a search that found nothing.
inline constexpr std::string_view find_caption = "検索文字列";
inline constexpr DlgRect find_size{0, 0, 200, 60};
inline constexpr DlgRect find_ok{7, 39, 50, 14};
inline constexpr DlgRect find_cancel{69, 39, 50, 14};
inline constexpr DlgRect find_edit{7, 7, 186, 14};
inline constexpr DlgRect find_loose{7, 25, 186, 10};
inline constexpr std::string_view find_loose_text = "かな・全角半角・大文字小文字を区別しない(&L)";
inline constexpr std::string_view find_nothing_text = "「%1」は見つかりませんでした。";

// The restore dialog: the versions kept of the clear list above, what the
// chosen one would change below. Its caption is restore_step_text.
inline constexpr DlgRect restore_size{0, 0, 280, 240};
inline constexpr std::string_view restore_versions_label = "保存した時点(&V):";
inline constexpr std::string_view restore_changes_label = "戻すと変わるクエスト(&Q):";
inline constexpr std::string_view restore_version_headers[] = {"日時", "コード数", "差分"};
inline constexpr std::string_view restore_change_headers[] = {"名前", "エリア", "戻した後"};
inline constexpr std::string_view restore_time_format = "yyyy/MM/dd HH:mm:ss";
inline constexpr std::string_view restore_same_second = "%1 (%2)";  // the second version of that second on
inline constexpr std::string_view restore_difference = "+%1 −%2";  // quests ticked, unticked (U+2212)
inline constexpr std::string_view restore_unreadable = "読めません";
inline constexpr std::string_view restore_button_text = "戻す";

// The quest list's columns, in order.
inline constexpr int column_count = 7;
std::string_view column_header(int column);

// The quest list's status images in image-list order (index = icon index of a
// row): 済/未 for cleared/not cleared, with the WS, AF or NM letters of a tag.
QString status_image(int index);
inline constexpr int status_image_count = 8;

// The program icon at every size drawn.
QString program_icon(int size);
inline constexpr int program_icon_sizes[] = {16, 32, 48, 64, 256};

}  // namespace kestrow::res
