#include "platform/profile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/text.h"

namespace kestrow {

namespace {

QString key(const settings::Setting& setting) { return utf8(setting.section) + u'/' + utf8(setting.entry); }

// The program's profile is a few hundred bytes. A file far larger is not
// one, and QSettings would hold all of it in memory.
constexpr qint64 largest_profile = 1 << 20;

// What QSettings may open without waiting for ever or reading without end:
// nothing, or a regular file of a profile's size. Opening a FIFO blocks until
// another program writes to it; a device may never end.
bool safe_to_open(const QString& path) {
    const QFileInfo file(path);
    return !file.exists() || (file.isFile() && file.size() <= largest_profile);
}

}  // namespace

void set_profile_names() {
    QCoreApplication::setOrganizationName(utf8(profile_organization));
    QCoreApplication::setApplicationName(utf8(app_title));
}

QString profile_file() {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return {};
#else
    // Where QSettings keeps the native format of the user scope here.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
#endif
}

Profile::Profile() {
    const QString file = profile_file();
    if (file.isEmpty()) {
        settings_.emplace(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                          QCoreApplication::applicationName());
        return;
    }
    // QSettings reads the file as it is made, and at a write reads the lock
    // file beside it when one is left there: both are checked first. Named
    // directly, the file is the only one read; the organisation-wide and
    // system-wide files that QSettings would read besides were never the
    // program's, and could hang it just the same.
    if (safe_to_open(file) && safe_to_open(file + QStringLiteral(".lock")))
        settings_.emplace(file, QSettings::NativeFormat);
}

std::optional<int> Profile::stored(const settings::Setting& setting) {
    if (!settings_) return std::nullopt;
    bool ok = false;
    const int value = settings_->value(key(setting)).toInt(&ok);
    return ok && value != settings::not_stored ? std::optional(value) : std::nullopt;
}

int Profile::read(const settings::Setting& setting) { return stored(setting).value_or(setting.fallback); }

void Profile::write(const settings::Setting& setting, int value) {
    if (settings_) settings_->setValue(key(setting), value);
}

QString Profile::readText(const settings::Setting& setting) {
    if (!settings_) return {};
    const QVariant value = settings_->value(key(setting));
    // An INI file turns a hand-written value with commas into a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void Profile::writeText(const settings::Setting& setting, const QString& value) {
    if (settings_) settings_->setValue(key(setting), value);
}

QString Profile::location() const { return settings_ ? settings_->fileName() : profile_file(); }

}  // namespace kestrow
