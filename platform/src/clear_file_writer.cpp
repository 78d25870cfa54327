#include "platform/clear_file_writer.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

#include "platform/clear_history.h"
#include "platform/data_files.h"
#include "platform/cp932_codec.h"
#include "platform/paths.h"

namespace kestrow {

namespace {

// What the mode of a file holds. Qt's "User" permissions say instead what
// this user may do, and root may do everything.
constexpr QFileDevice::Permissions mode_bits = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                               QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions write_bits =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// QSaveFile writes the new content to the file's name, a dot and six letters
// or digits, and renames that over the file: a Save killed in between leaves
// it behind. Called under the lock, when no other Save can be writing one.
void remove_leftover_temporaries(const QString& clear_file) {
    const QFileInfo file(clear_file);
    const QString stem = file.fileName() + u'.';
    // A name a person would give (".backup", ".before") is all small letters;
    // the random six nearly never are, so those are left alone.
    const auto temporary = [&](const QString& name) {
        if (name.size() != stem.size() + 6 || !name.startsWith(stem)) return false;
        const QStringView tail = QStringView(name).mid(stem.size());
        return std::all_of(tail.begin(), tail.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); }) &&
               std::any_of(tail.begin(), tail.end(), [](QChar c) { return !c.isLower(); });
    };
    for (QDirIterator it(file.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks); it.hasNext();) {
        const QString path = it.next();
        if (temporary(it.fileName())) QFile::remove(path);
    }
}

}  // namespace

ClearFileWriter::ClearFileWriter(const QString& path) : file_(path) {}

bool ClearFileWriter::open() {
    // A file that no one may write was made so by its owner: it keeps its
    // content, also when root saves, whom the system lets write anything, and
    // although QSaveFile could rename over it. On Windows the read-only
    // attribute clears every write permission.
    const QFileInfo target(file_.fileName());
    const bool exists = target.exists();
    if (exists && (!target.isFile() || !target.isWritable() || !(target.permissions() & write_bits))) return false;
    if (!file_.open(QIODevice::WriteOnly)) return false;
    // QSaveFile copies the old file's permissions as Qt reports them, where
    // what this user may write counts as the owner's: root's Save of a file
    // only its group may write would let the owner write it too.
    if (exists) file_.setPermissions(target.permissions() & mode_bits);
    return true;
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
