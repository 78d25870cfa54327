#pragma once
// Where Kestrow.txt and ClrList.txt live when no folder is named. A copy that
// keeps its files beside it (a portable folder, a build tree, every Windows
// copy) goes on using its own folder; an installed copy, whose folder is the
// system's, uses a folder of the user's own.

#include <QString>

namespace kestrow {

struct DataFolderFacts {
    QString program_dir;           // the folder of the running program
    bool holds_catalogue = false;  // program_dir holds Kestrow.txt
    bool writable = false;         // this user may write there
    // The folder the installed program lives in (the install prefix's bin),
    // or empty. Root may write there too, yet it is no place for a player's
    // files, so there only a Kestrow.txt already beside the program counts.
    QString installed_dir;
    bool always_portable = false;  // Windows: the program's folder, whatever it holds
    QString user_dir;              // the per-user data folder
};

// The folder the facts call for: program_dir or user_dir.
QString choose_data_folder(const DataFolderFacts& facts);

// The folder to use without a folder argument, from the running program's
// facts; the per-user one (QStandardPaths::AppDataLocation) is made when
// missing. Needs the application's names set first (set_profile_names).
QString default_data_folder();

}  // namespace kestrow
