#pragma once
// The sentences with which the program reports a failure (UTF-8). Each but
// the last is shown followed by the path concerned.

#include <string_view>

namespace kestrow {

enum class Message {
    DataFileMissing,
    DataFileUnreadable,
    ClearFileUnreadable,
    SaveRefusedUnreadClearFile,
    SaveCannotOpen,
    SaveCannotWrite,
    SaveLocked,
    DataFileCharsReplaced,
    ClearFileCharsReplaced,
    HistoryNotKept,
    ConverterMissing,
};

constexpr std::string_view message_text(Message m) {
    switch (m) {
        case Message::DataFileMissing: return "データファイルが見つかりません。\n\n";
        case Message::DataFileUnreadable: return "データファイルを読み込めません。\n\n";
        case Message::ClearFileUnreadable: return "クリア済みリストを読み込めません。\n\n";
        case Message::SaveRefusedUnreadClearFile:
            return "クリア済みリストを読み込めなかったため、上書き保存しません。\n\n";
        case Message::SaveCannotOpen: return "保存用ファイルを開けません。\n\n";
        case Message::SaveCannotWrite: return "保存用ファイルに書き込めません。\n\n";
        case Message::SaveLocked:
            return "クリア済みリストがほかのプログラムで保存中のため、保存できません。\n\n";
        case Message::DataFileCharsReplaced:
            return "データファイルにShift_JISで表せない文字があったため、〓に置き換えました。\n\n";
        case Message::ClearFileCharsReplaced:
            return "クリア済みリストにShift_JISで表せない文字があったため、〓に置き換えました。\n\n";
        case Message::HistoryNotKept: return "クリア済みリストの以前の内容を履歴に残せませんでした。\n\n";
        case Message::ConverterMissing: return "Shift_JIS（コードページ932）の変換器が見つからないため、起動できません。";
    }
    return {};
}

}  // namespace kestrow
