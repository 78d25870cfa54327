#pragma once
// The user profile: QSettings in the native format under the application's
// organisation and application names, which the program sets at start-up to
// those it always used, so that on Windows the values stay in
// HKEY_CURRENT_USER\Software\Local AppWizard-Generated Applications\Kestrow.
// What is kept there, with its defaults and ranges, is the table in
// platform/settings.h.

#include <QSettings>
#include <QString>
#include <optional>
#include <string_view>

#include "platform/settings.h"

namespace kestrow {

// The application's name, caption of every message box, and the key above it
// in the profile.
inline constexpr std::string_view app_title = "Kestrow";
inline constexpr std::string_view profile_organization = "Local AppWizard-Generated Applications";

// Sets them as the application's organisation and application names, which
// name the profile and the per-user data folder: both programs call it first.
void set_profile_names();

// The profile's file where it is one ("Kestrow.conf" under the organisation's
// folder in $XDG_CONFIG_HOME, else in ~/.config); empty where the system keeps
// the values itself (the registry, the preferences of macOS).
QString profile_file();

class Profile {
public:
    // Opens the profile, unless its file is something else than a regular
    // file of a profile's size: then every value reads as its fallback and
    // nothing is written.
    Profile();

    // A number of the table: its fallback when absent, not a number or -1.
    // The owner of the value holds it to its range.
    int read(const settings::Setting& setting);
    // The same, but nothing where the fallback would stand in.
    std::optional<int> stored(const settings::Setting& setting);
    void write(const settings::Setting& setting, int value);

    // A text of the table; empty when absent.
    QString readText(const settings::Setting& setting);
    void writeText(const settings::Setting& setting, const QString& value);

    // Where the values are kept (a registry path or a file), for people.
    QString location() const;

private:
    std::optional<QSettings> settings_;
};

}  // namespace kestrow
