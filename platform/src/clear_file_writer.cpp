#include "platform/clear_file_writer.h"

#include <QDateTime>
#include <QFileInfo>

#include "platform/clear_history.h"
#include "platform/data_files.h"
#include "platform/cp932_codec.h"
#include "platform/paths.h"

namespace kestrow {

ClearFileWriter::ClearFileWriter(const QString& path) : file_(path) {}

bool ClearFileWriter::open() {
    // QSaveFile would replace a read-only file by renaming over it; the old
    // program refused to open such a file, and so do we.
    const QFileInfo target(file_.fileName());
    if (target.exists() && (!target.isFile() || !target.isWritable())) return false;
    return file_.open(QIODevice::WriteOnly);
}

bool ClearFileWriter::write(std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    if (old_) written_.append(bytes);  // only to tell whether the history needs a version
    // Push the bytes out of Qt's buffer now: QSaveFile::commit() does not notice
    // a failure of its own final flush and would rename a truncated file (a full
    // disk) over the old one.
    if (file_.write(bytes.data(), size) == size && file_.flush()) return true;
    file_.cancelWriting();
    return false;
}

bool ClearFileWriter::commit() {
    if (old_ && *old_ != written_)
        historyFailed_ = !keep_history_version(to_path(file_.fileName()), *old_, QDateTime::currentDateTime());
    return file_.commit();
}

DiskSave save_clear_file_to_disk(Catalogue& state) {
    const TextFile now = read_text_file(state.clear_file_path, FileKind::Clear, cp932_converter());
    ClearFileWriter writer(to_qstring(state.clear_file_path));
    if (now.status == ReadStatus::Ok) writer.keepHistoryOf(now.bytes);
    const SaveOutcome outcome = save_clear_file(state, writer, &now);
    return {outcome, writer.historyFailed()};
}

}  // namespace kestrow
