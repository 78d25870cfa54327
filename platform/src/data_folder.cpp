#include "platform/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "catalogue/loader.h"
#include "platform/text.h"

namespace kestrow {

QString choose_data_folder(const DataFolderFacts& facts) {
    const bool installed =
        !facts.installed_dir.isEmpty() && QDir::cleanPath(facts.program_dir) == QDir::cleanPath(facts.installed_dir);
    const bool portable = facts.always_portable || facts.holds_catalogue || (facts.writable && !installed);
    return portable ? facts.program_dir : facts.user_dir;
}

QString default_data_folder() {
    DataFolderFacts facts;
    // Resolved, so that a link to either folder still matches; the installed
    // one is empty where nothing is installed.
    facts.program_dir = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    facts.installed_dir = QFileInfo(QStringLiteral(KESTROW_INSTALL_BINDIR)).canonicalFilePath();
    facts.holds_catalogue = QFileInfo::exists(facts.program_dir + u'/' + utf8(data_file_name));
    facts.writable = QFileInfo(facts.program_dir).isWritable();
#ifdef Q_OS_WIN
    facts.always_portable = true;
#endif
    facts.user_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString chosen = choose_data_folder(facts);
    if (chosen == facts.user_dir) QDir().mkpath(chosen);
    return chosen;
}

}  // namespace kestrow
