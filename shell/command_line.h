#pragma once
// What the command line asks for, and whether there is a display to show the
// window on.

#include <QString>
#include <QStringList>
#include <functional>

namespace kestrow {

struct StartRequest {
    enum class Kind { Run, Help, Usage } kind = Kind::Run;
    QString data_dir;  // Run: the folder of Kestrow.txt and ClrList.txt
    QString problem;   // Usage: what was wrong, one line
};

// arguments: the command line without the program name and without the
// options Qt took for itself. No argument: the folder default_dir gives (asked
// only then); one: a folder that exists; "-h"/"--help": Help; anything else:
// Usage.
StartRequest parse_command_line(const QStringList& arguments, const std::function<QString()>& default_dir);

// The usage text, with the problem (if any) in front.
QString usage_text(const QString& problem);

// Whether Qt will find a display: on X11/Wayland systems one of DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM must be set (or "-platform" given);
// other systems always have one.
bool display_available(const std::function<QString(const char*)>& environment, int argc, char** argv);

// What to tell someone who started the program without a display.
QString no_display_text(const QString& program);

}  // namespace kestrow
