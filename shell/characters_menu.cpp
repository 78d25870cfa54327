#include "characters_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>

#include "desktop/message_box.h"
#include "kestrow_doc.h"
#include "kestrow_view.h"
#include "platform/characters.h"
#include "platform/text.h"
#include "resources.h"

using namespace kestrow;

namespace {

QAction* command(QObject* parent, std::string_view text, const char* name) {
    auto* a = new QAction(utf8(text), parent);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

CCharactersMenu::CCharactersMenu(QMainWindow* frame, QMenu* fileMenu, CKestrowView* view)
    : QObject(frame), frame_(frame), view_(view) {
    menu_ = new QMenu(utf8(res::characters_menu_text), fileMenu);
    menu_->setObjectName(QStringLiteral("menuCharacters"));
    QAction* before = nullptr;
    for (QAction* a : fileMenu->actions())
        if (a->isSeparator()) before = a;
    QAction* submenu = fileMenu->insertMenu(before, menu_);
    submenu->setObjectName(QStringLiteral("actionCharacters"));
    fileMenu->insertSeparator(submenu);

    group_ = new QActionGroup(this);
    newAction_ = command(this, res::character_new_text, "actionCharacterNew");
    renameAction_ = command(this, res::character_rename_text, "actionCharacterRename");
    removeAction_ = command(this, res::character_remove_text, "actionCharacterRemove");
    connect(newAction_, &QAction::triggered, this, &CCharactersMenu::OnCharacterNew);
    connect(renameAction_, &QAction::triggered, this, &CCharactersMenu::OnCharacterRename);
    connect(removeAction_, &QAction::triggered, this, &CCharactersMenu::OnCharacterRemove);
    connect(view_, &CKestrowView::charactersChanged, this, &CCharactersMenu::rebuild);
    rebuild();
}

void CCharactersMenu::rebuild() {
    for (QAction* a : characterActions_) {
        frame_->removeAction(a);
        a->deleteLater();
    }
    characterActions_.clear();
    menu_->clear();

    const CharacterList characters = list_characters(view_->dataDir());
    int number = 0;
    bool currentIsMain = true;
    for (const Character& character : characters.characters) {
        ++number;
        // An & in a name is shown, not taken for a mnemonic.
        auto* a = new QAction(QString(character.name).replace(u'&', QStringLiteral("&&")), group_);
        a->setObjectName(QStringLiteral("actionCharacter%1").arg(number));
        a->setCheckable(true);
        if (character.name == view_->character()) {
            a->setChecked(true);
            currentIsMain = character.main;
        }
        if (number <= 9) {
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number)));
            a->setShortcutContext(Qt::WindowShortcut);
            // The keys work with the menu closed too.
            frame_->addAction(a);
        }
        const QString name = character.name;
        connect(a, &QAction::triggered, this, [this, name] {
            // A switch the player declined leaves the tick where it was.
            if (!view_->switchCharacter(name)) rebuild();
        });
        menu_->addAction(a);
        characterActions_.append(a);
    }
    menu_->addSeparator();
    menu_->addAction(newAction_);
    menu_->addAction(renameAction_);
    menu_->addAction(removeAction_);
    // The main character holds the progress beside Kestrow.txt: it stays.
    removeAction_->setEnabled(!currentIsMain);
    frame_->setWindowTitle(characters.characters.size() > 1 ? utf8(res::character_title).arg(view_->character())
                                                            : utf8(res::frame_title));
}

template <class Apply>
std::optional<QString> CCharactersMenu::askName(const QString& caption, const QString& text, Apply apply) {
    QString name = text;
    for (;;) {
        QInputDialog dlg(frame_);
        dlg.setObjectName(QStringLiteral("characterNameDialog"));
        dlg.setWindowTitle(caption);
        dlg.setLabelText(utf8(res::character_name_label));
        dlg.setTextValue(name);
        dlg.setOkButtonText(utf8(res::ok_text));
        dlg.setCancelButtonText(utf8(res::cancel_text));
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        name = dlg.textValue();
        const CharacterResult result = apply(name);
        if (result.ok()) return name;
        MsgBox::error(frame_, character_message(result));
    }
}

void CCharactersMenu::OnCharacterNew() {
    const auto name = askName(utf8(res::character_new_caption), {},
                              [&](const QString& n) { return create_character(view_->dataDir(), n); });
    if (!name) return;
    if (!view_->switchCharacter(*name)) rebuild();
}

void CCharactersMenu::OnCharacterRename() {
    const QString current = view_->character();
    const CharacterList characters = list_characters(view_->dataDir());
    const Character* character = characters.find(current);
    // Another character's files move with its folder: the progress shown is
    // read again from there, so unsaved ticks are settled first.
    if (character && !character->main && !view_->document()->CanSwitchCharacter(frame_)) return;
    const auto name = askName(utf8(res::character_rename_caption), current, [&](const QString& n) {
        return rename_character(view_->dataDir(), current, n);
    });
    if (name) view_->showCharacter(*name);
}

void CCharactersMenu::OnCharacterRemove() {
    const QString current = view_->character();
    if (!MsgBox::askYesNo(frame_, utf8(res::character_remove_prompt).arg(current))) return;
    const CharacterResult result = remove_character(view_->dataDir(), current);
    if (!result.ok()) {
        MsgBox::error(frame_, character_message(result));
        return;
    }
    // The main character is shown now, its ticks as saved.
    view_->showCharacter(QString());
}
