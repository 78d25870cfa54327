#include "resources.h"

#include <QtGlobal>
#include <array>

#include "platform/text.h"

// The images are compiled into this static library; a reference from here
// keeps the linker from dropping them.
static void load_image_resources() { Q_INIT_RESOURCE(kestrow); }

namespace kestrow::res {

namespace {

struct CommandText {
    int command;
    const char* object_name;
    std::string_view prompt;
};

// Half-width katakana in the prompts are part of the texts; keep them.
constexpr std::array<CommandText, 14> commands{{
    {ID_FILE_SAVE, "actionFileSave", "作業中のﾌｧｲﾙを上書きして保存\n保存"},
    {ID_FILE_RESTORE, "actionFileRestore", "以前に保存したｸﾘｱ済みﾘｽﾄを選んで戻す\n以前の状態に戻す"},
    {ID_EDIT_UNDO, "actionEditUndo", "直前の済ﾁｪｯｸの変更を元に戻す\n元に戻す"},
    {ID_EDIT_REDO, "actionEditRedo", "元に戻した済ﾁｪｯｸの変更をやり直す\nやり直し"},
    {ID_EDIT_COPY_SHOWN, "actionEditCopyShown", "表示どおりの一覧を見出し付きでｺﾋﾟｰ\n表示どおりにｺﾋﾟｰ"},
    {ID_VIEW_RELOAD, "actionViewReload", "ｶﾀﾛｸﾞ (Kestrow.txt) を読み直す。保存していない済ﾁｪｯｸは残る\nｶﾀﾛｸﾞを読み直す"},
    {ID_VIEW_HIDE_CLEARED, "actionViewHideCleared", "ｸﾘｱ済みのｸｴｽﾄを一覧に表示しない\nｸﾘｱ済みを隠す"},
    {ID_APP_EXIT, "actionAppExit", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_EDIT_COPY, "actionEditCopy", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
    {ID_CHANGE, "actionChange", "ダイアログを表示して済チェックを変更する\n変更"},
    {ID_EDIT_FIND, "actionEditFind", "指定した文字列の検索\n検索"},
    {ID_VIEW_TOOLBAR, "actionViewToolbar", "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {ID_VIEW_STATUS_BAR, "actionViewStatusBar", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    {ID_APP_ABOUT, "actionAppAbout", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
}};

const CommandText* lookup(int command) {
    for (const auto& c : commands)
        if (c.command == command) return &c;
    return nullptr;
}

constexpr MenuItem file_items[] = {
    {ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S"},
    {ID_FILE_RESTORE, "以前の状態に戻す(&R)..."},
    {ID_SEPARATOR, {}},
    {ID_APP_EXIT, "アプリケーションの終了(&X)"},
};
constexpr MenuItem edit_items[] = {
    {ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z"},
    {ID_EDIT_REDO, "やり直し(&R)\tCtrl+Y"},
    {ID_SEPARATOR, {}},
    {ID_EDIT_COPY, "コピー(&C)\tCtrl+C"},
    {ID_EDIT_COPY_SHOWN, "表示どおりにコピー(&T)\tCtrl+Shift+C"},
    {ID_SEPARATOR, {}},
    {ID_CHANGE, "変更(&M)\tCtrl+M"},
    {ID_SEPARATOR, {}},
    {ID_EDIT_FIND, "検索(&F)\tCtrl+F"},
};
constexpr MenuItem view_items[] = {
    {ID_VIEW_TOOLBAR, "ツールバー(&T)"},
    {ID_VIEW_STATUS_BAR, "ステータスバー(&S)"},
    {ID_SEPARATOR, {}},
    {ID_VIEW_HIDE_CLEARED, "クリア済みを隠す(&H)"},
    {ID_VIEW_RELOAD, "カタログを読み直す(&L)\tF5"},
};
constexpr MenuItem help_items[] = {
    {ID_APP_ABOUT, "バージョン情報(&A)..."},
};

constexpr std::array<DropDown, 4> drop_downs{{
    {"ファイル(&F)", file_items, "menuFile"},
    {"編集(&E)", edit_items, "menuEdit"},
    {"表示(&V)", view_items, "menuView"},
    {"ヘルプ(&H)", help_items, "menuHelp"},
}};

const std::array<Accelerator, 8> accelerator_table{{
    {QKeyCombination(Qt::NoModifier, Qt::Key_F5), ID_VIEW_RELOAD},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), ID_EDIT_UNDO},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Y), ID_EDIT_REDO},
    {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_C), ID_EDIT_COPY_SHOWN},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_C), ID_EDIT_COPY},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_F), ID_EDIT_FIND},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_M), ID_CHANGE},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_S), ID_FILE_SAVE},
}};

constexpr std::array<int, 7> toolbar_table{
    ID_FILE_SAVE, ID_SEPARATOR, ID_EDIT_COPY, ID_SEPARATOR, ID_EDIT_FIND, ID_SEPARATOR, ID_APP_ABOUT,
};

constexpr std::array<Indicator, 4> indicator_table{{
    {LockKey::Kana, "ｶﾅ", "indicatorKana"},
    {LockKey::Caps, "CAP", "indicatorCaps"},
    {LockKey::Num, "NUM", "indicatorNum"},
    {LockKey::Scroll, "SCRL", "indicatorScroll"},
}};

constexpr std::array<std::string_view, column_count> headers{
    "クエスト名称", "報酬", "場所", "発生条件", "詳細", "複数回", "エリア",
};

// Images enter the quest list's image list in this order of bitmap numbers, so
// that 134 (cleared AF) and 136 (not cleared ENM) swap places.
constexpr std::array<int, status_image_count> status_bitmaps{130, 131, 132, 133, 136, 135, 134, 137};

// Every image path passes here first.
QString image(QString path) {
    static const bool loaded = (load_image_resources(), true);
    Q_UNUSED(loaded);
    return path;
}

}  // namespace

const char* action_name(int command) {
    const auto* c = lookup(command);
    return c ? c->object_name : "";
}

std::string_view prompt(int command) {
    const auto* c = lookup(command);
    return c ? c->prompt : std::string_view{};
}

QString status_tip(int command) {
    const auto p = prompt(command);
    return utf8(p.substr(0, p.find('\n')));
}

QString tool_tip(int command) {
    const auto p = prompt(command);
    const auto lf = p.find('\n');
    return lf == std::string_view::npos ? QString() : utf8(p.substr(lf + 1));
}

std::span<const DropDown> menu_bar() { return drop_downs; }
std::span<const Accelerator> accelerators() { return accelerator_table; }
std::span<const int> toolbar_buttons() { return toolbar_table; }
std::span<const Indicator> indicators() { return indicator_table; }

QString toolbar_image(int command) {
    switch (command) {
        case ID_FILE_SAVE: return image(QStringLiteral(":/toolbar/save.png"));
        case ID_EDIT_COPY: return image(QStringLiteral(":/toolbar/copy.png"));
        case ID_EDIT_FIND: return image(QStringLiteral(":/toolbar/find.png"));
        case ID_APP_ABOUT: return image(QStringLiteral(":/toolbar/about.png"));
        default: return {};
    }
}

std::string_view column_header(int column) {
    return column >= 0 && column < column_count ? headers[static_cast<std::size_t>(column)] : std::string_view{};
}

QString status_image(int index) {
    if (index < 0 || index >= status_image_count) return {};
    return image(QStringLiteral(":/icons/status_%1.png").arg(status_bitmaps[static_cast<std::size_t>(index)]));
}

QString program_icon(int size) { return image(QStringLiteral(":/icons/kestrow_%1.png").arg(size)); }

}  // namespace kestrow::res
