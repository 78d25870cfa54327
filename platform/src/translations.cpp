#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kestrow {

bool install_japanese_qt_translation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Qt's own folder, or one beside the program where a Windows copy brings it.
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder)) return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

}  // namespace kestrow
