#pragma once
// The user profile: QSettings in the native format under the application's
// organisation and application names, which the program sets at start-up to
// those it always used, so that on Windows the values stay in
// HKEY_CURRENT_USER\Software\Local AppWizard-Generated Applications\Kestrow.

#include <QSettings>
#include <QString>
#include <string_view>

namespace kestrow {

// The application's name, caption of every message box, and the key above it
// in the profile.
inline constexpr std::string_view app_title = "Kestrow";
inline constexpr std::string_view profile_organization = "Local AppWizard-Generated Applications";

// Sets them as the application's organisation and application names, which
// name the profile and the per-user data folder: both programs call it first.
void set_profile_names();

class Profile {
public:
    Profile();

    // The integer stored under section/entry, or -1 when there is none or it
    // is not an integer.
    int readInt(std::string_view section, std::string_view entry);
    void writeInt(std::string_view section, std::string_view entry, int value);

    // Empty when absent.
    QString readString(std::string_view section, std::string_view entry);
    void writeString(std::string_view section, std::string_view entry, const QString& value);

    // Where the values are kept (a registry path or a file), for people.
    QString location() const;

private:
    QSettings settings_;
};

}  // namespace kestrow
