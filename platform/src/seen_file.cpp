#include <QSaveFile>

#include "platform/data_files.h"
#include "platform/paths.h"

namespace kestrow {

void write_seen(const std::filesystem::path& dir, const SeenCatalogue& seen) {
    const std::string bytes = seen_bytes(seen);
    QSaveFile file(to_qstring(dir / seen_file_name));
    if (!file.open(QIODevice::WriteOnly)) return;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

}  // namespace kestrow
