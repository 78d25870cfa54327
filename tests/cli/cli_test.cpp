// kestrow-cli's commands run in process on a copy of the sample, their output
// recorded or refused; and the program itself, for what main wires up.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli/commands.h"
#include "platform/characters.h"
#include "platform/cp932_codec.h"
#include "platform/paths.h"

namespace {

using namespace kestrow::cli;

// Records what is written, or refuses it as a full disk does: at once or, behind a buffer, at the flush.
struct Recorder final : Sink {
    enum Refuse { Nothing, AtWrite, AtFlush } refuse = Nothing;
    std::string bytes;
    bool write(std::string_view b) override {
        bytes.append(b);
        return refuse != AtWrite;
    }
    bool flush() override { return refuse != AtFlush; }
    QString text() const { return QString::fromStdString(bytes); }
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"Kestrow.txt", "ClrList.txt"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(KESTROW_SAMPLE_DIR "/") + name, path(name)));
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QByteArray contents(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void put(const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    // In process, on the copy; err, and out unless another sink is given, hold what it wrote.
    int run(const QStringList& args, Sink* sink = nullptr) {
        out.bytes.clear();
        err.bytes.clear();
        return kestrow::cli::run(QStringList{"--dir", dir_.path()} + args, sink ? *sink : out, err);
    }
    QStringList lines(const QStringList& args) {
        return run(args) == 0 ? out.text().split(u'\n', Qt::SkipEmptyParts) : QStringList{};
    }
    // The program itself; its output to stdoutFile when one is given.
    int program(const QStringList& args, const QString& stdoutFile = {}) {
        QProcess p;
        if (!stdoutFile.isEmpty()) p.setStandardOutputFile(stdoutFile);
        p.start(QStringLiteral(KESTROW_CLI), QStringList{"--dir", dir_.path()} + args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return -1;
        out.bytes = p.readAllStandardOutput().toStdString();
        err.bytes = p.readAllStandardError().toStdString();
        return p.exitCode();
    }
    QTemporaryDir dir_;
    Recorder out, err;
};

TEST_F(Cli, ReadingCommandsPrintTextCodePage932OrJsonInAFixedKeyOrderAndWriteNothing) {
    const QStringList entries = lines({"categories"});
    ASSERT_EQ(entries.size(), 13);
    EXPECT_EQ(entries[0], QStringLiteral("11000\tハーヴェル港"));
    EXPECT_EQ(lines({"stats"}).value(0), QStringLiteral("11000\tハーヴェル港\t2\t9"));
    // Code page 932 bytes on request, the same text.
    ASSERT_EQ(run({"--cp932", "categories"}), 0);
    EXPECT_EQ(kestrow::from_cp932(out.bytes), entries.join(u'\n') + u'\n');
    const QStringList rows = lines({"list", "11000"});
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], QStringLiteral("0\t 港の見張り番\t200ギル\tハーヴェル港 第2桟橋\tなし\t見張り番のオルドに夜食を届ける。\t×\tハーヴェル港"));
    EXPECT_TRUE(rows[1].contains(QStringLiteral("逃げた。\\n港の")));  // a line break in a cell
    EXPECT_EQ(lines({"search", "見張り番"}), QStringList{rows[0]});
    // --loose: half-width finds the katakana.
    EXPECT_EQ(lines({"search", "ｾﾞﾘｰ"}), QStringList{});
    EXPECT_EQ(lines({"search", "--loose", "ｾﾞﾘｰ"}), lines({"search", "ゼリー職人"}));
    EXPECT_EQ(run({"copy", "31000"}), 0);
    EXPECT_TRUE(out.text().startsWith(u"31001\t")) << out.bytes;

    auto json = [&](const QStringList& args) {
        EXPECT_EQ(run(QStringList{"--json"} + args), 0);
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out.bytes));
        EXPECT_TRUE(document.isArray()) << out.bytes;
        return document.array();
    };
    json({"categories"});
    EXPECT_TRUE(out.text().startsWith(QStringLiteral("[\n{\"code\":11000,\"text\":\"ハーヴェル港\"},\n{"))) << out.bytes;
    json({"stats"});
    EXPECT_TRUE(out.text().startsWith(QStringLiteral("[\n{\"code\":11000,\"text\":\"ハーヴェル港\",\"cleared\":2,\"shown\":9},\n")))
        << out.bytes;
    // cleared a boolean; a backslash (5C in 月\星) escaped.
    EXPECT_EQ(json({"list", "12000"}).at(1)["cleared"], true);  // 12002
    EXPECT_EQ(json({"search", "月\\星"}).at(0)["details"], QStringLiteral("合言葉は「月\\星」。扉の前で唱える。"));
    // The Code as a string, the Name without the list's leading space, a line break as \n.
    json({"search", "噴気孔"});
    EXPECT_EQ(out.text(), QStringLiteral(
        "[\n{\"code\":\"31007\",\"name\":\"火山ガスの調査\",\"reward\":\"調査報告書\\n600ギル\",\"location\":\"ゼルト火山 噴気孔\","
        "\"condition\":\"なし\",\"details\":\"学者ゼフィールの依頼で噴気孔を3\uFF5E5か所調べる。\",\"repeat\":\"×\","
        "\"area\":\"ゼルト火山\",\"cleared\":false,\"icon\":1}\n]\n"));
    EXPECT_TRUE(json({"search", "😀"}).isEmpty());  // found nothing: still an array

    // changes compares with Kestrow.seen as the window left it, and writes nothing.
    EXPECT_EQ(lines({"changes"}), (QStringList{"new\t0", "gone\t0", "gone cleared\t0"}));  // nothing seen yet
    EXPECT_FALSE(QFile::exists(path("Kestrow.seen")));
    const QByteArray seen = "Kestrow.seen 1\r\n11001\r\n11002\r\n99999\r\n";
    put("Kestrow.seen", seen);
    const QStringList report = lines({"changes"});
    EXPECT_EQ(report.mid(1, 2), (QStringList{"gone\t1", "gone cleared\t0"}));
    EXPECT_TRUE(report.contains(QStringLiteral("-\t99999")));
    EXPECT_TRUE(report.contains(QStringLiteral("+\t11003")));
    EXPECT_EQ(contents("Kestrow.seen"), seen);
}

TEST_F(Cli, TickUntickAndRestoreSaveTheChosenCharactersListKeepingItsHistory) {
    const QByteArray sample = contents("ClrList.txt");  // 11001, 11003, ...
    ASSERT_EQ(run({"tick", "11002"}), 0);
    ASSERT_EQ(run({"untick", "11001"}), 0);
    EXPECT_EQ(contents("ClrList.txt"), "11002\r\n" + sample.mid(7));
    // Number, file name, Codes (the sample had 8); newest first.
    const QRegularExpression versions(QStringLiteral("^1\tClrList-[-0-9]+\\.txt\t9\n2\tClrList-[-0-9]+\\.txt\t8\n$"));
    EXPECT_EQ(run({"history"}), 0);
    EXPECT_TRUE(versions.match(out.text()).hasMatch()) << out.bytes;
    EXPECT_EQ(run({"restore", "2"}), 0);
    EXPECT_EQ(contents("ClrList.txt"), sample);
    EXPECT_EQ(lines({"history"}).size(), 3);  // what restore replaced is kept too

    // Another character ticks into its own list, and keeps its own history.
    ASSERT_TRUE(kestrow::create_character(kestrow::to_path(dir_.path()), QStringLiteral("アキ")).ok());
    for (const char* code : {"11002", "11004"}) ASSERT_EQ(run({"--character", "アキ", "tick", code}), 0) << err.bytes;
    EXPECT_EQ(contents("ClrList.txt"), sample);
    EXPECT_EQ(contents("キャラクター/アキ/ClrList.txt"), "11002\r\n11004\r\n");
    EXPECT_EQ(lines({"--character", "アキ", "history"}).size(), 1);  // the list before the second tick
    EXPECT_EQ(lines({"characters"}), (QStringList{QStringLiteral("メイン\t8\t50"), QStringLiteral("アキ\t2\t50")}));
    // An unknown name is a failure to find the files, not a usage error.
    EXPECT_EQ(run({"--character", "ユウ", "stats"}), 1);
    EXPECT_TRUE(err.text().contains(QStringLiteral("その名前のキャラクターはいません。\n\nユウ"))) << err.bytes;
    // Only the main character where the characters' folder is a file, and says so.
    ASSERT_TRUE(QDir(path("キャラクター")).removeRecursively());
    put("キャラクター", "");
    EXPECT_EQ(run({"characters"}), 1);
    EXPECT_EQ(out.text(), QStringLiteral("メイン\t8\t50\n"));
    EXPECT_TRUE(err.text().startsWith(QStringLiteral("キャラクターのフォルダーの場所にファイルがあるため"))) << err.bytes;
}

TEST_F(Cli, UsageErrorsExitWithTwoAndFileProblemsAndOutputThatCannotBeWrittenWithOne) {
    // The program itself writes to stdout and stderr, and exits with the status.
    EXPECT_EQ(program({"list", "11000"}), 0);
    EXPECT_TRUE(out.text().startsWith(QStringLiteral("0\t 港の見張り番\t"))) << out.bytes;
    EXPECT_EQ(program({"copy"}), 2);
    // A full disk behind stdout.
    EXPECT_EQ(program({"list", "11000"}, QStringLiteral("/dev/full")), 1);
    EXPECT_TRUE(err.text().contains(QStringLiteral("出力を書き込めません"))) << err.bytes;

    // Output refused by every command, at once or at the flush.
    ASSERT_EQ(run({"tick", "11002"}), 0);  // a version in the history to list
    Recorder refuser;
    for (const auto refuse : {Recorder::AtWrite, Recorder::AtFlush}) {
        refuser.refuse = refuse;
        for (const QStringList& args : QList<QStringList>{{"categories"}, {"stats"}, {"list", "11000"}, {"search", "港"},
                                                          {"copy", "11000"}, {"history"}, {"--help"}}) {
            EXPECT_EQ(run(args, &refuser), 1) << args.join(u' ').toStdString() << " refused " << refuse;
            EXPECT_EQ(err.text(), QStringLiteral("kestrow-cli: 出力を書き込めません。\n"));
        }
    }
    const QList<QStringList> wrong = {{}, {"frobnicate"}, {"list", "x"}, {"list"}, {"categories", "more"},
                                      {"--verbose", "categories"}, {"--dir"}, {"--json", "copy", "11000"},
                                      {"history", "--json"}, {"--json", "--cp932", "stats"}, {"restore", "3"},
                                      {"list", "--loose", "11000"}, {"list", "11000", "--character"},
                                      {"tick", "NOPE"}};
    for (const QStringList& args : wrong) EXPECT_EQ(run(args), 2) << args.join(u' ').toStdString();
    EXPECT_TRUE(err.text().startsWith(QStringLiteral("kestrow-cli: no quest carries that Code\n\nUsage:")));
    // After the command an unknown option is its argument; the options still count.
    const auto request = std::get<Request>(parse_arguments({"search", "--x", "--dir", "D", "--cp932"}));
    EXPECT_TRUE(request.command == Command::Search && request.argument == "--x" && request.cp932 && request.dir == "D");
    // A clear list that cannot be replaced, a catalogue that is not there: reported.
    ASSERT_TRUE(QFile::remove(path("ClrList.txt")) && QDir().mkdir(path("ClrList.txt")));
    EXPECT_EQ(run({"tick", "11002"}), 1);
    ASSERT_TRUE(QFile::remove(path("Kestrow.txt")));
    EXPECT_EQ(run({"categories"}), 1);
    const QString missing = QStringLiteral("データファイルが見つかりません。\n\n") + QDir::toNativeSeparators(path("Kestrow.txt"));
    EXPECT_TRUE(err.text().contains(missing)) << err.bytes;
    EXPECT_EQ(run({"untick", "11001"}), 1);
}

}  // namespace
