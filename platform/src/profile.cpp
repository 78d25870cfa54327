#include "platform/profile.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/text.h"

namespace kestrow {

namespace {
QString key(const settings::Setting& setting) { return utf8(setting.section) + u'/' + utf8(setting.entry); }
}  // namespace

void set_profile_names() {
    QCoreApplication::setOrganizationName(utf8(profile_organization));
    QCoreApplication::setApplicationName(utf8(app_title));
}

Profile::Profile()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {}

int Profile::read(const settings::Setting& setting) {
    bool ok = false;
    const int value = settings_.value(key(setting)).toInt(&ok);
    return ok && value != settings::not_stored ? value : setting.fallback;
}

void Profile::write(const settings::Setting& setting, int value) { settings_.setValue(key(setting), value); }

QString Profile::readText(const settings::Setting& setting) {
    const QVariant value = settings_.value(key(setting));
    // An INI file turns a hand-written value with commas into a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void Profile::writeText(const settings::Setting& setting, const QString& value) {
    settings_.setValue(key(setting), value);
}

QString Profile::location() const { return settings_.fileName(); }

}  // namespace kestrow
