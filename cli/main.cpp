// kestrow-cli: the catalogue from the command line, for scripts and for
// checking a catalogue without the window. The commands live in commands.cpp.

#include <QCoreApplication>

#include "cli/commands.h"
#include "platform/profile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    kestrow::set_profile_names();
    kestrow::cli::FileSink out(stdout);
    kestrow::cli::FileSink err(stderr);
    return kestrow::cli::run(QCoreApplication::arguments().mid(1), out, err);
}
