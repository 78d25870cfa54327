#include "platform/clear_file_writer.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/paths.h"

namespace kestrow {

namespace {

// QSaveFile writes the new content to the file's name, a dot and six letters
// or digits, and renames that over the file: a Save killed in between leaves
// it behind. Called under the lock, when no other Save can be writing one.
void remove_leftover_temporaries(const QString& clear_file) {
    const QFileInfo file(clear_file);
    const QString stem = file.fileName() + u'.';
    const auto temporary = [&](const QString& name) {
        return name.size() == stem.size() + 6 && name.startsWith(stem) &&
               std::all_of(name.cbegin() + stem.size(), name.cend(), [](QChar c) {
                   return c.unicode() < 0x80 && c.isLetterOrNumber();
               });
    };
    for (QDirIterator it(file.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks); it.hasNext();) {
        const QString path = it.next();
        if (temporary(it.fileName())) QFile::remove(path);
    }
}

}  // namespace

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

DiskSave save_clear_file_to_disk(Catalogue& state, std::chrono::milliseconds lock_wait) {
    // Read, merge and write under the lock: a Save that read the file while
    // another one was replacing it would drop the other one's Codes.
    ClearFileLock lock(state.clear_file_path);
    switch (lock.take(lock_wait)) {
        case ClearFileLock::Result::Held: break;
        case ClearFileLock::Result::HeldElsewhere: return {SaveOutcome::Locked, false, lock.path()};
        case ClearFileLock::Result::CannotCreate: return {SaveOutcome::CannotOpen, false, state.clear_file_path};
    }
    const QString path = to_qstring(state.clear_file_path);
    remove_leftover_temporaries(path);
    const TextFile now = read_text_file(state.clear_file_path, FileKind::Clear, cp932_converter());
    ClearFileWriter writer(path);
    if (now.status == ReadStatus::Ok) writer.keepHistoryOf(now.bytes);
    const SaveOutcome outcome = save_clear_file(state, writer, &now);
    return {outcome, writer.historyFailed(), state.clear_file_path};
}

}  // namespace kestrow
