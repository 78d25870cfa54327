#pragma once
// The tag at the head of a quest's Name ("[WS]", "[ENM]", "[ジョブAF]"): the
// one reading of it, for the status icon and for the tag categories alike.

#include <string>
#include <string_view>

namespace kestrow {

// The Name as stored (field 2, "<BR>" not replaced).
std::string_view stored_name(std::string_view line);

// The first twelve bytes of a Name ("<BR>" as a line break): all that the tag
// rules ever look at. Short enough to need no allocation when a whole
// catalogue is scanned.
std::string name_head_of(std::string_view stored_name);
std::string name_head(std::string_view line);

// The tag that a Name's head gives to the icon: "[" first, then AF at bytes
// 3-4, WS at 1-2, ENM at 1-3, tested in that order.
enum class Tag { None, WS, AF, ENM };
Tag quest_tag(std::string_view name_head);

// The tag categories a Name's head falls into, one bit each. Unlike the icon
// they need no "[": they look at the same bytes whatever stands first.
namespace tag_bit {
inline constexpr unsigned job = 1, af = 2, ws = 4, enm = 8;
}
unsigned tag_categories(std::string_view name_head);

}  // namespace kestrow
