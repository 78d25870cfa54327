// kestrow-cli as a script runs it: every command on a copy of the sample, the
// clear list it saves, and its exit statuses.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "platform/cp932_codec.h"

namespace {

struct Result {
    int status = -1;
    QString out, err;
    QByteArray raw;  // stdout as written
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"Kestrow.txt", "ClrList.txt"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(KESTROW_SAMPLE_DIR "/") + name, path(name)));
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QByteArray clearList() const {
        QFile f(path("ClrList.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Result run(QStringList args, bool withDir = true) const {
        if (withDir) args = QStringList{"--dir", dir_.path()} + args;
        QProcess p;
        p.start(QStringLiteral(KESTROW_CLI), args);
        Result r;
        if (!p.waitForFinished(30000)) return r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.raw = p.readAllStandardOutput();
        r.out = QString::fromUtf8(r.raw);
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    QTemporaryDir dir_;
};

TEST_F(Cli, ReadingCommandsPrintTheCategoriesRowsAndCopyText) {
    const Result categories = run({"categories"});
    EXPECT_EQ(categories.status, 0);
    const QStringList entries = categories.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(entries.size(), 13);
    EXPECT_EQ(entries[0], QStringLiteral("11000\tハーヴェル港"));
    EXPECT_TRUE(entries[12].startsWith(QStringLiteral("99000\t")));
    const QStringList stats = run({"stats"}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(stats.size(), 13);
    EXPECT_EQ(stats[0], QStringLiteral("11000\tハーヴェル港\t2\t9"));
    // Code page 932 bytes on request, the same text.
    const Result raw = run({"--cp932", "categories"});
    EXPECT_EQ(kestrow::from_cp932(raw.raw.toStdString()), categories.out);

    const Result list = run({"list", "11000"});
    EXPECT_EQ(list.status, 0);
    const QStringList rows = list.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], QStringLiteral("0\t 港の見張り番\t200ギル\tハーヴェル港 第2桟橋\tなし\t見張り番のオルドに夜食を届ける。\t×\tハーヴェル港"));
    EXPECT_TRUE(rows[1].contains(QStringLiteral("逃げた。\\n港の")));  // a line break in a cell
    EXPECT_EQ(run({"search", "見張り番"}).out, rows[0] + u'\n');
    EXPECT_EQ(run({"search", "😀"}).out, QString());  // no code page 932 form: nothing found

    const Result copy = run({"copy", "31000"});
    EXPECT_EQ(copy.status, 0);
    EXPECT_TRUE(copy.out.startsWith(QStringLiteral("31001\t"))) << copy.out.toStdString();
    EXPECT_TRUE(copy.out.contains(QStringLiteral("<BR>")));    // the held line as stored
    EXPECT_TRUE(copy.out.contains(QStringLiteral("\t1\r\n")));  // with its clear flag
}

TEST_F(Cli, TheSampleReadsTheSameSavedAsUTF8OrUTF16) {
    // Every quest is in one area, and Copy shows its clear flag.
    QStringList areas;
    for (const QString& entry : run({"categories"}).out.split(u'\n', Qt::SkipEmptyParts))
        if (!entry.startsWith(u'9')) areas << entry.section(u'\t', 0, 0);
    const auto everything = [&] {
        QString all;
        for (const QString& area : areas) all += run({"copy", area}).out;
        return all;
    };
    const QString expected = everything();
    ASSERT_TRUE(expected.contains(QStringLiteral("\t1\r\n")));
    const QString clear = kestrow::from_cp932(clearList().toStdString());
    const auto store = [&](const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    store("ClrList.txt", utf16.encode(clear));
    EXPECT_EQ(everything(), expected) << "UTF-16 LE";
    store("ClrList.txt", "\xEF\xBB\xBF" + clear.toUtf8());
    EXPECT_EQ(everything(), expected) << "UTF-8 with a BOM";
    const QByteArray list = run({"list", "11000"}).raw;
    QFile data(path("Kestrow.txt"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    store("Kestrow.txt", kestrow::from_cp932(data.readAll().toStdString()).toUtf8());
    EXPECT_EQ(run({"list", "11000"}).raw, list) << "a UTF-8 catalogue";
}

TEST_F(Cli, TickAndUntickSaveKeepingTheHistoryAndRestoreBringsAVersionBack) {
    const QByteArray sample = clearList();
    ASSERT_TRUE(sample.startsWith("11001\r\n11003\r\n"));
    ASSERT_EQ(run({"tick", "11002"}).status, 0);
    ASSERT_EQ(run({"untick", "11001"}).status, 0);
    EXPECT_EQ(clearList(), "11002\r\n" + sample.mid(7));
    const QStringList versions = run({"history"}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(versions.size(), 2);
    // Number, file name, Codes; the sample had 8.
    EXPECT_TRUE(versions[0].startsWith(u"1\tClrList-") && versions[0].endsWith(u".txt\t9")) << versions[0].toStdString();
    EXPECT_TRUE(versions[1].startsWith(u"2\tClrList-") && versions[1].endsWith(u"\t8")) << versions[1].toStdString();
    EXPECT_EQ(run({"restore", "2"}).status, 0);
    EXPECT_EQ(clearList(), sample);
    EXPECT_EQ(run({"history"}).out.count(u'\n'), 3);  // what restore replaced is kept too
    EXPECT_EQ(run({"restore", "4"}).status, 2);
}

TEST_F(Cli, FileProblemsExitWithOne) {
    // A clear list that cannot be replaced: reported, and the status says so.
    ASSERT_TRUE(QFile::remove(path("ClrList.txt")) && QDir().mkdir(path("ClrList.txt")));
    const Result refused = run({"tick", "11002"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("クリア済みリストを読み込めません。"))) << refused.err.toStdString();
    ASSERT_TRUE(QFile::remove(path("Kestrow.txt")));
    const Result missing = run({"categories"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("データファイルが見つかりません。\n\n") +
                                     QDir::toNativeSeparators(path("Kestrow.txt"))))
        << missing.err.toStdString();
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    const QList<QStringList> wrong = {{}, {"frobnicate"}, {"list", "x"}, {"list"}, {"categories", "more"},
                                      {"--verbose", "categories"}};
    for (const QStringList& args : wrong) EXPECT_EQ(run(args).status, 2) << args.join(u' ').toStdString();
    EXPECT_EQ(run({"--dir"}, false).status, 2);
    const Result unknown = run({"tick", "NOPE"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("no quest carries that Code")));
    const Result help = run({"--help"}, false);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: kestrow-cli")));
}

}  // namespace
