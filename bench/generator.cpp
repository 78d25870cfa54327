#include "generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace kestrow::bench {

namespace {

// Vocabulary, as code page 932 bytes. The words are invented for these
// catalogues; several contain a character whose second byte is '\' (0x5C),
// '[' (0x5B) or '~' (0x7E), which byte-wise searching gets wrong.

constexpr std::string_view region[] = {
    "\x83\x50\x83\x58\x83\x67\x83\x8D\x83\x45",  // ケストロウ
    "\x83\x5C\x83\x8C\x83\x43\x83\x86",  // ソレイユ
    "\x83\x5B\x83\x74\x83\x40\x81\x5B",  // ゼファー
    "\x83\x8B\x83\x7E\x83\x69",  // ルミナ
    "\x83\x41\x83\x8B\x83\x68",  // アルド
    "\x83\x78\x83\x8B\x83\x69",  // ベルナ
    "\x83\x4A\x83\x69\x83\x93",  // カナン
    "\x83\x68\x83\x89\x83\x93",  // ドラン
    "\x83\x7E\x83\x58\x83\x67",  // ミスト
    "\x83\x94\x83\x40\x83\x8B\x83\x67",  // ヴァルト
    "\x83\x5A\x83\x8C\x83\x58",  // セレス
    "\x83\x49\x83\x8B\x83\x4A",  // オルカ
    "\x83\x65\x83\x42\x83\x8B",  // ティル
    "\x83\x6D\x83\x8B\x83\x93",  // ノルン
    "\x83\x6E\x83\x43\x83\x80",  // ハイム
    "\x83\x74\x83\x48\x83\x8B\x83\x65",  // フォルテ
    "\x83\x4F\x83\x89\x83\x93",  // グラン
    "\x83\x8A\x83\x85\x83\x7E\x83\x47",  // リュミエ
    "\x83\x47\x83\x8B\x83\x5F",  // エルダ
    "\x83\x7D\x81\x5B\x83\x8C",  // マーレ
};

constexpr std::string_view feature[] = {
    "\x8D\xBB\x8B\x75",  // 砂丘
    "\x8E\xBC\x8C\xB4",  // 湿原
    "\x8D\x82\x8C\xB4",  // 高原
    "\x8B\xAC\x92\x4A",  // 峡谷
    "\x90\xE1\x8C\xB4",  // 雪原
    "\x88\xE2\x90\xD5",  // 遺跡
    "\x93\xB4\x8C\x41",  // 洞窟
    "\x8D\x60",  // 港
    "\x90\x58",  // 森
    "\x90\x5F\x93\x61",  // 神殿
};

constexpr std::string_view special_name[] = {
    "\x83\x4E\x83\x8A\x83\x41\x8D\xCF\x82\xDD",  // クリア済み
    "\x96\xA2\x83\x4E\x83\x8A\x83\x41",  // 未クリア
    "\x83\x57\x83\x87\x83\x75\x83\x4E\x83\x47\x83\x58\x83\x67",  // ジョブクエスト
    "AF\x83\x4E\x83\x47\x83\x58\x83\x67",  // AFクエスト
    "WS\x83\x4E\x83\x47\x83\x58\x83\x67",  // WSクエスト
    "ENM\x83\x4E\x83\x47\x83\x58\x83\x67",  // ENMクエスト
    "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA",  // 検索結果
};

constexpr std::string_view adjective[] = {
    "\x8E\xB8\x82\xED\x82\xEA\x82\xBD",  // 失われた
    "\x8C\xC3\x82\xCC",  // 古の
    "\x8D\x95\x82\xAB",  // 黒き
    "\x8F\xAC\x82\xB3\x82\xC8",  // 小さな
    "\x94\xE9\x96\xA7\x82\xCC",  // 秘密の
    "\x96\xF1\x91\xA9\x82\xCC",  // 約束の
    "\x96\x59\x82\xEA\x82\xE7\x82\xEA\x82\xBD",  // 忘れられた
    "\x94\x92\x8B\xE2\x82\xCC",  // 白銀の
    "\x95\x5C\x82\xCC",  // 表の
    "\x94\x52\x82\xA6\x82\xE9",  // 燃える
};

constexpr std::string_view noun[] = {
    "\x8C\x95",  // 剣
    "\x8E\x77\x97\xD6",  // 指輪
    "\x8E\xE8\x8E\x86",  // 手紙
    "\x95\xF3\x90\xCE",  // 宝石
    "\x96\xF2\x91\x90",  // 薬草
    "\x8C\xAE",  // 鍵
    "\x92\x6E\x90\x7D",  // 地図
    "\x97\xB3",  // 竜
    "\x89\xCC",  // 歌
    "\x95\x5C\x8E\x44",  // 表札
    "\x83\x5C\x83\x69\x83\x5E",  // ソナタ
    "\x83\x5B\x83\x93\x83\x7D\x83\x43",  // ゼンマイ
    "\x94\x5C\x96\xCA",  // 能面
    "\x93\x94\x91\xE4",  // 灯台
    "\x97\x85\x90\x6A\x94\xD5",  // 羅針盤
};

constexpr std::string_view ending[] = {
    "\x82\xF0\x92\x54\x82\xB5\x82\xC4",  // を探して
    "\x82\xCC\x8D\x73\x95\xFB",  // の行方
    "\x82\xF0\x93\xCD\x82\xAF\x82\xE6",  // を届けよ
    "\x82\xCC\x93\xE4",  // の謎
    "\x82\xF0\x82\xDF\x82\xAE\x82\xE9\x95\xA8\x8C\xEA",  // をめぐる物語
    "\x82\xCC\x8B\x4C\x89\xAF",  // の記憶
    "\x82\xF0\x8E\xE6\x82\xE8\x96\xDF\x82\xB9",  // を取り戻せ
    "\x82\xC6\x8F\xAD\x8F\x97",  // と少女
};

constexpr std::string_view reward_item[] = {
    "\x8B\xE0\x89\xDD" "100\x96\x87",  // 金貨100枚
    "\x8B\xE0\x89\xDD" "500\x96\x87",  // 金貨500枚
    "\x8B\xE2\x82\xCC\x8E\x77\x97\xD6",  // 銀の指輪
    "\x8A\x76\x82\xCC\x8A\x5A",  // 革の鎧
    "\x8D\x7C\x82\xCC\x8C\x95",  // 鋼の剣
    "\x96\x82\x96\x40\x82\xCC\x83\x7D\x83\x93\x83\x67",  // 魔法のマント
    "\x8C\x6F\x8C\xB1\x92\x6C" "1000",  // 経験値1000
    "\x8F\xCC\x8D\x86\x81\x75\x97\xB7\x90\x6C\x81\x76",  // 称号「旅人」
    "\x96\xF2\x91\x90\x81\x7E" "3",  // 薬草×3
    "\x83\x5C\x83\x45\x83\x8B\x83\x58\x83\x67\x81\x5B\x83\x93",  // ソウルストーン
    "\x95\x5C\x8F\xB2\x8F\xF3",  // 表彰状
    "\x83\x5B\x83\x8A\x81\x5B\x81\x7E" "12",  // ゼリー×12
    "\x8C\xC3\x82\xD1\x82\xBD\x8C\xAE",  // 古びた鍵
    "\x90\xAF\x82\xCC\x82\xA9\x82\xAF\x82\xE7\x81\x7E" "5",  // 星のかけら×5
};

constexpr std::string_view npc[] = {
    "\x98\x56\x90\x6C",  // 老人
    "\x8F\xAD\x8F\x97",  // 少女
    "\x89\x71\x95\xBA",  // 衛兵
    "\x8F\xA4\x90\x6C",  // 商人
    "\x8B\xE1\x97\x56\x8E\x8D\x90\x6C",  // 吟遊詩人
    "\x92\x62\x96\xE8\x89\xAE",  // 鍛冶屋
    "\x8E\x69\x8D\xD5",  // 司祭
    "\x83\x5C\x83\x74\x83\x42\x83\x41",  // ソフィア
    "\x83\x5B\x83\x6D\x83\x93",  // ゼノン
    "\x94\x4C",  // 猫
};

constexpr std::string_view condition[] = {
    "\x82\xC8\x82\xB5",  // なし
    "\x83\x89\x83\x93\x83\x4E" "3\x88\xC8\x8F\xE3",  // ランク3以上
    "\x83\x8C\x83\x78\x83\x8B" "30\x88\xC8\x8F\xE3",  // レベル30以上
    "\x83\x8C\x83\x78\x83\x8B" "50\x88\xC8\x8F\xE3",  // レベル50以上
    "\x91\x4F\x82\xCC\x83\x4E\x83\x47\x83\x58\x83\x67\x82\xF0\x83\x4E\x83\x8A\x83\x41\x8C\xE3",  // 前のクエストをクリア後
    "\x83\x7E\x83\x62\x83\x56\x83\x87\x83\x93" "2-3\x83\x4E\x83\x8A\x83\x41\x8C\xE3",  // ミッション2-3クリア後
    "\x96\xE9\x8A\xD4\x82\xCC\x82\xDD",  // 夜間のみ
    "\x90\xED\x8E\x6DLv40\x88\xC8\x8F\xE3",  // 戦士Lv40以上
    "\x93\xC1\x92\xE8\x82\xCC\x91\x95\x94\xF5\x82\xF0\x8F\x8A\x8E\x9D",  // 特定の装備を所持
};

constexpr std::string_view sentence[] = {
    "\x91\xBA\x82\xCC\x92\xB7\x98\x56\x82\xC9\x98\x62\x82\xB5\x82\xA9\x82\xAF\x82\xE9\x81\x42",  // 村の長老に話しかける。
    "\x93\x8C\x82\xCC\x93\xB4\x8C\x41\x82\xC5\x96\x82\x95\xA8\x82\xF0\x93\x7C\x82\xB7\x81\x42",  // 東の洞窟で魔物を倒す。
    "\x8E\xE8\x8E\x86\x82\xF0\x93\xCD\x82\xAF\x82\xE9\x81\x42",  // 手紙を届ける。
    "\x95\xF1\x8F\x56\x82\xF0\x8E\xF3\x82\xAF\x8E\xE6\x82\xE9\x81\x42",  // 報酬を受け取る。
    "\x96\xE9\x82\xC9\x82\xCC\x82\xDD\x94\xAD\x90\xB6\x82\xB7\x82\xE9\x81\x42",  // 夜にのみ発生する。
    "\x95\x5C\x8E\xA6\x82\xB3\x82\xEA\x82\xBD\x8F\xEA\x8F\x8A\x82\xD6\x8C\xFC\x82\xA9\x82\xA4\x81\x42",  // 表示された場所へ向かう。
    "\x83\x5C\x83\x74\x83\x40\x82\xCC\x89\xBA\x82\xF0\x92\xB2\x82\xD7\x82\xE9\x81\x42",  // ソファの下を調べる。
    "\x88\xE2\x90\xD5\x82\xCC\x89\x9C\x82\xC5\x90\xCE\x94\xE8\x82\xF0\x92\xB2\x82\xD7\x82\xE9\x81\x42",  // 遺跡の奥で石碑を調べる。
    "\x88\xCB\x97\x8A\x90\x6C\x82\xC9\x95\xF1\x8D\x90\x82\xB7\x82\xE9\x81\x42",  // 依頼人に報告する。
    "\x83\x41\x83\x43\x83\x65\x83\x80\x82\xF0" "3\x8C\xC2\x8F\x57\x82\xDF\x82\xC4\x93\x6E\x82\xB7\x81\x42",  // アイテムを3個集めて渡す。
    "\x90\xA7\x8C\xC0\x8E\x9E\x8A\xD4\x82\xCD" "30\x95\xAA\x81\x42",  // 制限時間は30分。
    "\x83\x5B\x83\x93\x83\x7D\x83\x43\x8E\x64\x8A\x7C\x82\xAF\x82\xCC\x94\xE0\x82\xF0\x8A\x4A\x82\xAF\x82\xE9\x81\x42",  // ゼンマイ仕掛けの扉を開ける。
    "\x93\x72\x92\x86\x82\xC5\x90\xED\x93\xAC\x82\xA0\x82\xE8\x81\x41\x83\x70\x81\x5B\x83\x65\x83\x42\x90\x84\x8F\xA7\x81\x42",  // 途中で戦闘あり、パーティ推奨。
    "\x88\xEA\x93\x78\x82\xBE\x82\xAF\x8E\xF3\x82\xAF\x82\xE7\x82\xEA\x82\xE9\x81\x42",  // 一度だけ受けられる。
    "\x94\x5C\x97\xCD\x92\x6C\x82\xAA\x91\xAB\x82\xE8\x82\xC8\x82\xA2\x82\xC6\x92\x66\x82\xE7\x82\xEA\x82\xE9\x81\x42",  // 能力値が足りないと断られる。
};

constexpr std::string_view job_char[] = {
    "\x90\xED",  // 戦
    "\x83\x82",  // モ
    "\x94\x92",  // 白
    "\x8D\x95",  // 黒
    "\x90\xD4",  // 赤
    "\x83\x56",  // シ
    "\x83\x69",  // ナ
    "\x88\xC3",  // 暗
    "\x8F\x62",  // 獣
    "\x8E\x8D",  // 詩
    "\x8E\xEB",  // 狩
    "\x8E\x98",  // 侍
    "\x94\x45",  // 忍
    "\x97\xB3",  // 竜
    "\x8F\xA2",  // 召
};

constexpr std::string_view job = "\x83\x57\x83\x87\x83\x75";  // ジョブ
constexpr std::string_view comma_jp = "\x81\x41";             // 、
constexpr std::string_view line_break = "<BR>";
constexpr std::string_view crlf = "\r\n";

// SplitMix64: tiny, fast and fully specified, so that a seed gives the same
// catalogue with every compiler and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n); n > 0. The modulo bias is irrelevant here.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    bool percent(std::size_t p) { return below(100) < p; }
    template <typename T, std::size_t N>
    std::string_view pick(const T (&words)[N]) {
        return words[below(N)];
    }

private:
    std::uint64_t state_;
};

struct Area {
    int code = 0;
    int prefix = 0;
    std::string name;
    std::size_t quests = 0;
};

std::string area_name_for(std::size_t i) {
    // Region and feature advance at different rates, so the first two
    // hundred names are all different; beyond that a number tells them apart.
    std::string name(region[i % std::size(region)]);
    name.append(feature[(i + i / std::size(region)) % std::size(feature)]);
    if (i >= std::size(region) * std::size(feature)) name.append(std::to_string(i / 200 + 1));
    return name;
}

// Area codes. A quest finds its area by the first two bytes of its Code, which
// are compared with the first two digits of the area's five-digit code, so
// there are only eighty ordinary prefixes ("10" to "89"; codes from 90000 are
// special categories). Up to eighty areas get prefixes spread over that range,
// one each. Beyond eighty, areas share prefixes, as sub-areas of one region
// would: with 100 areas, prefixes 10 to 29 carry two
// area lines each (xx000 and xx500) and 30 to 89 one. Both chooser entries of
// a shared prefix show the same quests, and the area column names the later
// one, which is exactly how such a catalogue behaves in the program.
std::vector<Area> make_areas(std::size_t count) {
    count = std::min<std::size_t>(count, area_prefix_count * 1000);
    std::vector<Area> areas(count);
    const std::size_t per_prefix = (count + area_prefix_count - 1) / area_prefix_count;
    for (std::size_t i = 0; i < count; ++i) {
        Area& a = areas[i];
        if (count <= area_prefix_count) {
            a.prefix = first_area_prefix + static_cast<int>(i * area_prefix_count / count);
            a.code = a.prefix * 1000;
        } else {
            a.prefix = first_area_prefix + static_cast<int>(i % area_prefix_count);
            const auto step = static_cast<int>(1000 / per_prefix);
            a.code = a.prefix * 1000 + static_cast<int>(i / area_prefix_count) * step;
        }
    }
    std::sort(areas.begin(), areas.end(), [](const Area& x, const Area& y) { return x.code < y.code; });
    for (std::size_t i = 0; i < count; ++i) areas[i].name = area_name_for(i);
    return areas;
}

// Splits the quests over the areas in proportion to random weights from 1 to
// 3, so that areas differ in size as real ones do.
void share_quests(std::vector<Area>& areas, std::size_t quests, Random& rng) {
    if (areas.empty()) return;
    std::vector<std::size_t> weight(areas.size());
    std::size_t total = 0;
    for (auto& w : weight) total += (w = 100 + rng.below(201));
    std::size_t given = 0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        areas[i].quests = static_cast<std::size_t>(static_cast<unsigned long long>(quests) * weight[i] / total);
        given += areas[i].quests;
    }
    for (std::size_t i = 0; given < quests; i = (i + 1) % areas.size(), ++given) ++areas[i].quests;
}

std::string quest_code(int prefix, std::size_t serial) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%05zu", prefix, serial);
    return buffer;
}

// Tags by share: 5 % WS, 5 % AF, 3 % ENM, 3 % job quests, the rest untagged.
std::string quest_name(Random& rng) {
    std::string name;
    const std::size_t r = rng.below(100);
    if (r < 5) {
        name = "[WS]";
    } else if (r < 10) {
        name = "[";
        name.append(rng.pick(job_char));
        name.append("AF");
        name.append(std::to_string(1 + rng.below(3)));
        name.append("]");
    } else if (r < 13) {
        name = "[ENM]";
    } else if (r < 16) {
        name = "[";
        name.append(rng.pick(job_char));
        name.append(job);
        name.append("]");
    }
    name.append(rng.pick(adjective));
    name.append(rng.pick(noun));
    name.append(rng.pick(ending));
    return name;
}

std::string quest_reward(Random& rng) {
    std::string reward(rng.pick(reward_item));
    if (rng.percent(30)) {
        const std::size_t more = 1 + rng.below(2);
        for (std::size_t i = 0; i < more; ++i) {
            reward.append(line_break);
            reward.append(rng.pick(reward_item));
        }
    } else if (rng.percent(30)) {
        reward.append(comma_jp);
        reward.append(rng.pick(reward_item));
    }
    return reward;
}

std::string quest_location(Random& rng, const std::vector<Area>& areas, const Area& own) {
    std::string location = rng.percent(80) ? own.name : areas[rng.below(areas.size())].name;
    location.append(" (");
    location.push_back(static_cast<char>('A' + rng.below(12)));
    location.push_back('-');
    location.append(std::to_string(1 + rng.below(12)));
    location.append(") ");
    location.append(rng.pick(npc));
    return location;
}

std::string_view repeatable(Random& rng) {
    const std::size_t r = rng.below(100);
    return r < 60 ? "0" : r < 90 ? "1" : "";
}

// One quest line of 100 to 300 bytes: the details grow by whole sentences
// until the line reaches a randomly chosen length.
std::string quest_line(Random& rng, const std::vector<Area>& areas, const Area& area, const std::string& code) {
    std::string line = code;
    line.push_back(',');
    line.append(quest_name(rng));
    line.push_back(',');
    line.append(quest_reward(rng));
    line.push_back(',');
    line.append(quest_location(rng, areas, area));
    line.push_back(',');
    line.append(rng.pick(condition));
    line.push_back(',');
    const std::string_view rep = repeatable(rng);
    const std::size_t target = 100 + rng.below(171) - rep.size() - 1;
    const bool breaks = rng.percent(30);
    bool first = true;
    while (first || line.size() < target) {
        const std::string_view s = rng.pick(sentence);
        const std::size_t extra = s.size() + (first || !breaks ? 0 : line_break.size());
        if (!first && line.size() + extra > 299 - rep.size()) break;
        if (!first && breaks) line.append(line_break);
        line.append(s);
        first = false;
    }
    line.push_back(',');
    line.append(rep);
    return line;
}

}  // namespace

std::string_view search_word() { return feature[5]; }

GeneratedCatalogue generate_catalogue(const GeneratorOptions& options) {
    Random rng(options.seed);
    GeneratedCatalogue out;
    std::vector<Area> areas = make_areas(options.areas);
    share_quests(areas, areas.empty() ? 0 : options.quests, rng);

    std::size_t total_quests = 0;
    for (const auto& a : areas) total_quests += a.quests;
    std::size_t orphans = static_cast<std::size_t>(std::llround(static_cast<double>(options.clear_keys) * options.orphan_share));
    orphans = std::min(orphans, options.clear_keys);
    std::size_t cleared = std::min(options.clear_keys - orphans, total_quests);
    if (areas.empty()) cleared = 0;
    orphans = areas.empty() ? 0 : options.clear_keys - cleared;

    std::vector<std::string> keys;
    keys.reserve(options.clear_keys);
    out.data.reserve(total_quests * 220 + areas.size() * 40 + 400);

    // The special category lines lead the file; the ordinary areas follow,
    // each area line directly before its quests, all in ascending code order.
    static constexpr std::array<int, 7> special_codes{91000, 92000, 93000, 94000, 95000, 96000, 99000};
    for (std::size_t i = 0; i < special_codes.size(); ++i) {
        out.data.push_back('0');
        out.data.append(std::to_string(special_codes[i]));
        out.data.push_back(',');
        out.data.append(special_name[i]);
        out.data.append(crlf);
    }

    // Selection sampling picks exactly `cleared` of the quests, uniformly.
    std::size_t need = cleared;
    std::size_t left = total_quests;
    std::array<std::size_t, 100> serial{};
    for (const auto& area : areas) {
        out.areas.push_back({area.code, area.quests});
        out.data.push_back('0');
        out.data.append(std::to_string(area.code));
        out.data.push_back(',');
        out.data.append(area.name);
        out.data.append(crlf);
        for (std::size_t q = 0; q < area.quests; ++q) {
            const std::string code = quest_code(area.prefix, ++serial[static_cast<std::size_t>(area.prefix)]);
            out.data.append(quest_line(rng, areas, area, code));
            out.data.append(crlf);
            if (rng.below(left) < need) {
                keys.push_back(code);
                --need;
            }
            --left;
        }
    }
    out.cleared_quests = cleared;

    // Orphan keys continue a prefix's numbering past its last quest.
    for (std::size_t j = 0; j < orphans; ++j) {
        const int prefix = areas[rng.below(areas.size())].prefix;
        keys.push_back(quest_code(prefix, ++serial[static_cast<std::size_t>(prefix)]));
    }
    out.orphan_keys = orphans;

    // Digits only: plain byte order is the program's sorted order.
    std::sort(keys.begin(), keys.end());
    out.clear.reserve(keys.size() * 9);
    for (const auto& k : keys) {
        out.clear.append(k);
        out.clear.append(crlf);
    }
    return out;
}

bool write_catalogue_files(const GeneratedCatalogue& catalogue, const std::filesystem::path& dir) {
    const auto put = [](const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.close();
        return static_cast<bool>(f);
    };
    return put(dir / "Kestrow.txt", catalogue.data) && put(dir / "ClrList.txt", catalogue.clear);
}

}  // namespace kestrow::bench
