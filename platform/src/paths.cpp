#include "platform/paths.h"

namespace kestrow {

QString to_qstring(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QString::fromLocal8Bit(path.native());
#endif
}

std::filesystem::path to_path(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(path.toLocal8Bit().toStdString());
#endif
}

}  // namespace kestrow
