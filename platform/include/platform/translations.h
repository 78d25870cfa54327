#pragma once
// Every text of the program is Japanese, so the standard buttons and menus
// that Qt draws itself (はい, いいえ, キャンセル, the text boxes' menus) must
// be too, whatever the system's language.

namespace kestrow {

// Installs Qt's own Japanese translation for the application. False when it
// is not installed (Debian: qt6-translations-l10n); Qt's English texts stay.
bool install_japanese_qt_translation();

}  // namespace kestrow
