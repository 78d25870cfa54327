#include "about_dlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "resources.h"
#include "platform/text.h"

using namespace kestrow;

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(utf8(res::about_caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialog_font(res::form_font, res::form_font_points));
    const BaseUnits base = base_units(font());

    // An icon control takes the icon's own size, whatever the layout says.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const QRect iconRect = du_to_px(res::about_icon, base);
    icon->setPixmap(QIcon(res::program_icon(32)).pixmap(32, 32));
    icon->setGeometry(iconRect.x(), iconRect.y(), 32, 32);

    auto* version = new QLabel(utf8(res::about_version_text), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(du_to_px(res::about_version, base));

    auto* rights = new QLabel(utf8(res::about_rights_text), this);
    rights->setObjectName(QStringLiteral("aboutRights"));
    rights->setTextFormat(Qt::PlainText);
    rights->setGeometry(du_to_px(res::about_rights, base));

    auto* ok = new QPushButton(utf8(res::ok_text), this);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setDefault(true);
    ok->setGeometry(du_to_px(res::about_ok, base));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // A font that runs wider than the one the box was drawn for must not cut
    // a text: each gets the room it needs, and the box grows with them,
    // keeping the template's margin of 7 units.
    QSize size = du_to_px(res::about_size, base).size();
    const QSize margin(du_to_px_x(7, base), du_to_px_y(7, base));
    for (QLabel* text : {version, rights}) {
        text->resize(text->size().expandedTo(text->sizeHint()));
        size = size.expandedTo(QSize(text->geometry().right() + 1, text->geometry().bottom() + 1) + margin);
    }
    setFixedSize(size);
}
