#include "command_line.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

namespace kestrow {

StartRequest parse_command_line(const QStringList& arguments, const std::function<QString()>& default_dir) {
    if (arguments.isEmpty()) return {StartRequest::Kind::Run, default_dir(), {}};
    if (arguments.size() == 1 && (arguments[0] == u"-h" || arguments[0] == u"--help"))
        return {StartRequest::Kind::Help, {}, {}};
    if (arguments.size() > 1)
        return {StartRequest::Kind::Usage, {}, QStringLiteral("引数が多すぎます。 / Too many arguments.")};
    const QString& arg = arguments[0];
    if (arg.startsWith(u'-'))
        return {StartRequest::Kind::Usage, {}, QStringLiteral("不明なオプションです: %1 / Unknown option: %1").arg(arg)};
    const QFileInfo folder(arg);
    if (!folder.isDir())
        return {StartRequest::Kind::Usage, {},
                QStringLiteral("フォルダーが見つかりません: %1 / No such folder: %1").arg(QDir::toNativeSeparators(arg))};
    return {StartRequest::Kind::Run, folder.absoluteFilePath(), {}};
}

QString usage_text(const QString& problem) {
    QString text;
    if (!problem.isEmpty()) text = problem + QStringLiteral("\n\n");
    text += QStringLiteral(
        "使い方: kestrow [フォルダー]\n"
        "Kestrow.txt と ClrList.txt を読み書きするフォルダーを指定できます。"
        "省略すると、kestrow と同じフォルダーに Kestrow.txt があるか、そこに書き込めてインストール先でなければ"
        "そのフォルダー、そうでなければユーザーのデータフォルダーを使います。\n\n"
        "Usage: kestrow [FOLDER]\n"
        "Reads Kestrow.txt and ClrList.txt from FOLDER and saves ClrList.txt there;\n"
        "without FOLDER, the folder of the program if it holds Kestrow.txt, or if it may\n"
        "be written and is not where the program is installed; else the user's data folder.");
    return text;
}

bool display_available(const std::function<QString(const char*)>& environment, int argc, char** argv) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Q_UNUSED(environment);
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!environment(name).isEmpty()) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    return false;
#endif
}

QString no_display_text(const QString& program) {
    return QStringLiteral(
               "kestrow: no graphical display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
               "Start it from a desktop session, or give it a virtual display, for example:\n"
               "    xvfb-run %1\n")
        .arg(program);
}

}  // namespace kestrow
