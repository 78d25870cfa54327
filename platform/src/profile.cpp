#include "platform/profile.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/text.h"

namespace kestrow {

namespace {
QString key(std::string_view section, std::string_view entry) { return utf8(section) + u'/' + utf8(entry); }
}  // namespace

void set_profile_names() {
    QCoreApplication::setOrganizationName(utf8(profile_organization));
    QCoreApplication::setApplicationName(utf8(app_title));
}

Profile::Profile()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {}

int Profile::readInt(std::string_view section, std::string_view entry) {
    bool ok = false;
    const int value = settings_.value(key(section, entry)).toInt(&ok);
    return ok ? value : -1;
}

void Profile::writeInt(std::string_view section, std::string_view entry, int value) {
    settings_.setValue(key(section, entry), value);
}

QString Profile::readString(std::string_view section, std::string_view entry) {
    const QVariant value = settings_.value(key(section, entry));
    // An INI file turns a hand-written value with commas into a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void Profile::writeString(std::string_view section, std::string_view entry, const QString& value) {
    settings_.setValue(key(section, entry), value);
}

QString Profile::location() const { return settings_.fileName(); }

}  // namespace kestrow
