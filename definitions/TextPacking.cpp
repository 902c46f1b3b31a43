#include "definitions/TextPacking.h"

#include <algorithm>

#include <array>

namespace wx {

namespace {

const char* const kGroups1to31[] = {"ed ", "es ", "al ", "er ", "ter", "on ", "con", "per", "ing", "res", "le ",
                                    "ers", "ver", "eri", "ine", "ant", "re ", "en ", "all", "se ", "pro", "ess",
                                    "str", "com", "ent", "is ", "tra", "est", "ste", "der", "low"};
const char* const kGroups35to38[] = {"p ", "ex", "sp", "ag"};
const char* const kGroups60to64[] = {"um", "ff", "gr", "fi", "bo"};
const char* const kGroups66to90[] = {"pi", "mb", "ck", "of", "ru", "wh", "e;", "em", "br", "im", "s;", "ab", "ph",
                                     "wa", "gi", "ap", "oo", "uc", "mp", "g ", "om", "od", "o ", "bi", "pr"};
const char* const kGroups91to96[] = {"in", "re", "k ", "ir", "n ", "qu"};
const char* const kGroups123to167[] = {
    "ation ", "tion ", "ical ", "having ", "relating ", "ing ", "ate ", "ment ", "manner ", "ness ", "able ",
    "some",   "form",  "one ",  "ive ",    "ted ",      "ther", "ous ", "ter ", "ent ",    "all ",  "tion",
    "nce ",   "tic ",  "ight ", ";the ",   "of ",       "the ", "for ", "and ", ";a ",     "a ",    "in ",
    "to ",    "with ", "that ", "or ",     "by ",       "from ", "especially ", "as ", "used ", "an ", "genus ",
    "ally "};
const char* const kGroups168to255[] = {
    "ar", "e ", "l ", "m ", "t ", "an", "or", "s ", "at", "it", "la", "ic", "ea", "el", "en", "li", "ac", "ri",
    "is", "ra", "th", "ou", "ro", "le", "st", "ch", "on", "al", "us", "ma", "er", "ti", "ha", "nd", "un", "il",
    "ta", "de", "di", "si", "ur", "ce", "as", "ho", "ol", "ca", "se", "d ", "ge", "sh", "te", "ec", "lo", "h ",
    "et", "ni", "he", "po", "co", "id", "be", "hi", "pa", "ct", "rt", "ne", "me", "mi", "mo", "es", "su", "no",
    "ut", "pe", "to", "am", "ad", "ul", "op", "ci", "ot", "ed", "pl", "ns", "ll", "ee", "tr", "os"};

struct GroupTable {
  std::array<std::string_view, 256> group{};
  GroupTable() {
    auto fill = [&](int first, const char* const* groups, int count) {
      for (int i = 0; i < count; ++i) group[size_t(first + i)] = groups[i];
    };
    fill(1, kGroups1to31, 31);
    fill(35, kGroups35to38, 4);
    fill(60, kGroups60to64, 5);
    fill(66, kGroups66to90, 25);
    fill(91, kGroups91to96, 6);
    fill(123, kGroups123to167, 45);
    fill(168, kGroups168to255, 88);
  }
};

const GroupTable& Groups() {
  static const GroupTable table;
  return table;
}

// Characters kept as they are by the packer (all others but "_" and "`" are escaped).
bool KeptLiterally(uint8_t c) {
  return (c >= 32 && c <= 34) || (c >= 39 && c <= 46) || (c >= 48 && c <= 59) || c == 65 || (c >= 97 && c <= 122);
}

}  // namespace

std::string_view LetterGroup(uint8_t code) { return Groups().group[code]; }

size_t UnpackText(const uint8_t* packed, const uint8_t* packedEnd, std::string& out) {
  out.clear();
  const auto& groups = Groups().group;
  // Appends what still fits below the limit; the rest of a longer text is
  // walked to its NUL but dropped, so that an overlong text is cut, not lost.
  auto append = [&out](std::string_view piece) {
    size_t room = kMaxUnpackedText - out.size();
    out.append(piece.substr(0, std::min(room, piece.size())));
  };
  const uint8_t* p = packed;
  while (p < packedEnd) {
    uint8_t c = *p++;
    if (c == 0) return size_t(p - packed);
    if (c == '/') {
      if (p >= packedEnd || *p == 0) return 0;  // an escape must be followed by its character
      c = *p++;
      append(std::string_view(reinterpret_cast<const char*>(&c), 1));
      continue;
    }
    std::string_view g = groups[c];
    if (g.empty()) append(std::string_view(reinterpret_cast<const char*>(&c), 1));
    else append(g);
  }
  return 0;
}

std::string PackText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (char ch : text) {
    uint8_t c = uint8_t(ch);
    if (c == 95) {
      escaped.push_back(' ');
    } else if (c == 96) {
      escaped.push_back('\'');
    } else if (KeptLiterally(c)) {
      escaped.push_back(char(c));
    } else {
      escaped.push_back('/');
      escaped.push_back(char(c));
    }
  }
  static const int kOrder[][2] = {{123, 167}, {1, 31}, {168, 255}, {91, 96}, {35, 38}, {60, 64}, {66, 90}};
  const auto& groups = Groups().group;
  std::string out;
  out.reserve(escaped.size());
  size_t start = 0;
  while (start < escaped.size()) {
    size_t end = escaped.find(' ', start);
    end = end == std::string::npos ? escaped.size() : end + 1;
    std::string chunk = escaped.substr(start, end - start);
    // No group can begin right after an escape byte, since escaped characters
    // are never letters, blanks or ";": escapes survive the replacements.
    for (const auto& range : kOrder) {
      for (int code = range[0]; code <= range[1]; ++code) {
        std::string_view g = groups[size_t(code)];
        size_t at = 0;
        while ((at = chunk.find(g, at)) != std::string::npos) {
          chunk.replace(at, g.size(), 1, char(code));
          ++at;
        }
      }
    }
    out += chunk;
    start = end;
  }
  return out;
}

}  // namespace wx
