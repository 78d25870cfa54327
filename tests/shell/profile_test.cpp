// The real program on hostile profiles: sizes far beyond any screen, and
// profiles that are no regular file.

#include <QDir>
#include <QProcess>

#include "platform/profile.h"
#include "shell_fixture.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>

namespace kestrow::test {
namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr long most_kb = LONG_MAX;  // the sanitizer's own bookkeeping outweighs the program
#else
constexpr long most_kb = 200 * 1024;
#endif

using HostileProfile = ShellTest;

TEST_F(HostileProfile, SizesBeyondTheScreenCostNoMemoryAndWhatIsNoProfileIsNeitherWaitedForNorWritten) {
    const QString file = profile_file();
    ASSERT_TRUE(file.startsWith(root_.path()) && QDir().mkpath(QFileInfo(file).path()));
    qputenv("KESTROW_EXIT_AFTER_SHOW", "1");
    // Starts the program on the fixture's data and profile (on the tests'
    // platform), to leave once its window is shown. True when it did so in
    // time and by itself; one that hangs, the destructor kills.
    const auto run = [&] {
        QProcess program;
        program.start(QStringLiteral(KESTROW_PROGRAM), {dataDir_});
        return program.waitForFinished(20000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    };
    // The profile's folder: names, kinds and sizes.
    const auto listing = [&] {
        QStringList entries;
        const QDir folder = QFileInfo(file).dir();
        for (const QFileInfo& f : folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            entries << QStringLiteral("%1 %2 %3").arg(f.fileName()).arg(f.isFile()).arg(f.size());
        return entries;
    };
    write_file(file, "[Settings]\nWindowPos=0:1:-1:-1:-1:-1:0:0:32767:32767\n[CWidth]\n1=2147483647\n"
                     "[CDlgSize]\nleft=2147483647\ntop=-2147483648\nwidth=2147483647\nheight=2147483647\n");
    ASSERT_TRUE(run());
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    RecordProperty("peak_rss_kb", std::to_string(usage.ru_maxrss));
    EXPECT_LT(usage.ru_maxrss, most_kb);

    // A FIFO blocks its reader until someone writes to it; the lock file is
    // read at a write. A file far larger than any profile would be read whole.
    ASSERT_TRUE(QFile::remove(file));
    for (const QString& fifo : {file, file + QStringLiteral(".lock"), QString()}) {
        if (fifo.isEmpty())
            write_file(file, QByteArray(2 << 20, '\n').prepend("[CWidth]\n1=50\n"));
        else
            ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QStringList before = listing();
        EXPECT_TRUE(run()) << fifo.toStdString();
        EXPECT_EQ(listing(), before);
        ASSERT_TRUE(fifo.isEmpty() || QFile::remove(fifo));
    }
}

}  // namespace
}  // namespace kestrow::test
#endif
