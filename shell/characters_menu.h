#pragma once
// ファイル > キャラクター: the characters of the data folder, the one shown
// ticked (Ctrl+1 to Ctrl+9 for the first nine), and the commands that make,
// rename and remove one. The list is built again after every change.

#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class CKestrowView;

class CCharactersMenu final : public QObject {
    Q_OBJECT
public:
    // Puts the submenu into the frame's ファイル menu, before its last separator.
    CCharactersMenu(QMainWindow* frame, QMenu* fileMenu, CKestrowView* view);

    QMenu* menu() const { return menu_; }

    void OnCharacterNew();
    void OnCharacterRename();
    void OnCharacterRemove();

private:
    void rebuild();
    // Asks for a name until the folder takes it or the player cancels.
    template <class Apply>
    std::optional<QString> askName(const QString& caption, const QString& text, Apply apply);

    QMainWindow* frame_;
    CKestrowView* view_;
    QMenu* menu_;
    QAction* newAction_;
    QAction* renameAction_;
    QAction* removeAction_;
    QActionGroup* group_;
    QList<QAction*> characterActions_;
};
