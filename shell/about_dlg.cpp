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

    setFixedSize(du_to_px(res::about_size, base).size());
}
