#include "common/Captions.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace wx {

namespace {

const char* const kLanguageNames[kUiLanguageCount] = {
    "English (United States) [$0409]",
    "Danish [$0406]",
    "Dutch (Netherlands) [$0413]",
    "French (France) [$040C]",
    "German (Germany) [$0407]",
    "Italian (Italy) [$0410]",
    "Portuguese (Brazil) [$0416]",
    "Portuguese (Portugal) [$0816]",
    "Spanish (International Sort) [$0C0A]",
    "Swedish [$041D]",
};

UiLanguage g_active = UiLanguage::English;

struct ListenerEntry {
  uint64_t id;
  std::shared_ptr<std::function<void()>> call;
};
std::vector<ListenerEntry> g_listeners;
uint64_t g_nextListener = 1;

bool Subscribed(uint64_t id) {
  return std::any_of(g_listeners.begin(), g_listeners.end(), [id](const ListenerEntry& e) { return e.id == id; });
}

void Unsubscribe(uint64_t id) {
  std::erase_if(g_listeners, [id](const ListenerEntry& e) { return e.id == id; });
}

bool Empty(const char* s) { return s == nullptr || *s == 0; }

// "%s", "%d", "%5.2f" and "%name%" tokens, sorted; "%%" is a literal percent.
std::vector<std::string> Placeholders(std::string_view s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') continue;
    if (i + 1 < s.size() && s[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < s.size() && ((s[j] >= 'a' && s[j] <= 'z') || (s[j] >= 'A' && s[j] <= 'Z'))) ++j;
    if (j > i + 2 && j < s.size() && s[j] == '%') {  // %name%
      out.emplace_back(s.substr(i, j + 1 - i));
      i = j;
      continue;
    }
    j = i + 1;
    while (j < s.size() && std::string_view("0123456789.-+ #lhI").find(s[j]) != std::string_view::npos) ++j;
    if (j < s.size()) {
      out.emplace_back(s.substr(i, j + 1 - i));
      i = j;
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

int AccessKeys(std::string_view s) {
  int n = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '&') continue;
    if (i + 1 < s.size() && s[i + 1] == '&') {
      ++i;
      continue;
    }
    ++n;
  }
  return n;
}

}  // namespace

const char* UiLanguageName(UiLanguage language) {
  int i = int(language);
  return i >= 0 && i < kUiLanguageCount ? kLanguageNames[i] : kLanguageNames[0];
}

bool UiLanguageFromNumber(int number, UiLanguage& out) {
  if (number < 1 || number > kUiLanguageCount) return false;
  out = UiLanguage(number - 1);
  return true;
}

std::string_view CaptionTable::Text(int id, UiLanguage language) const {
  int l = int(language);
  if (l < 0 || l >= kUiLanguageCount) l = 0;
  for (const Caption& row : rows_) {
    if (row.id != id) continue;
    if (!Empty(row.text[size_t(l)])) return row.text[size_t(l)];
    return Empty(row.text[0]) ? std::string_view() : std::string_view(row.text[0]);
  }
  return {};
}

std::string_view CaptionTable::Text(int id) const { return Text(id, g_active); }

std::string CheckCaptionTable(const CaptionTable& table) {
  std::string problems;
  auto report = [&](const Caption& row, std::string what) {
    problems += std::string(table.Window()) + " text " + std::to_string(row.id) + ": " + what + "\n";
  };
  std::vector<int> ids;
  for (const Caption& row : table.Rows()) {
    if (std::find(ids.begin(), ids.end(), row.id) != ids.end()) report(row, "id used twice");
    ids.push_back(row.id);
    if (Empty(row.text[0])) {
      report(row, "no English text");
      continue;
    }
    std::vector<std::string> want = Placeholders(row.text[0]);
    int keys = AccessKeys(row.text[0]);
    for (int l = 0; l < kUiLanguageCount; ++l) {
      const char* t = row.text[size_t(l)];
      std::string lang = UiLanguageName(UiLanguage(l));
      if (Empty(t)) {
        report(row, "no text in " + lang);
        continue;
      }
      if (Placeholders(t) != want) report(row, "placeholders differ from English in " + lang);
      int k = AccessKeys(t);
      if (k > 1) report(row, "more than one access key in " + lang);
      // A translation may give a control an access key where the fixed
      // English text has none; it may not drop one English has.
      if (keys > 0 && k == 0) report(row, "no access key in " + lang + ", though English has one");
    }
  }
  return problems;
}

UiLanguage ActiveUiLanguage() { return g_active; }

void SetActiveUiLanguage(UiLanguage language) {
  if (int(language) >= kUiLanguageCount) language = UiLanguage::English;
  if (language == g_active) return;
  g_active = language;
  // A snapshot, so listeners may subscribe and unsubscribe while being called.
  std::vector<ListenerEntry> snapshot = g_listeners;
  for (const ListenerEntry& e : snapshot) {
    if (g_active != language) break;  // a listener switched again: that change told everyone
    if (Subscribed(e.id)) (*e.call)();
  }
}

CaptionListener::CaptionListener(std::function<void()> onChange) {
  id_ = g_nextListener++;
  g_listeners.push_back({id_, std::make_shared<std::function<void()>>(std::move(onChange))});
}

CaptionListener::~CaptionListener() {
  if (id_) Unsubscribe(id_);
}

CaptionListener::CaptionListener(CaptionListener&& other) noexcept : id_(std::exchange(other.id_, 0)) {}

CaptionListener& CaptionListener::operator=(CaptionListener&& other) noexcept {
  if (this != &other) {
    if (id_) Unsubscribe(id_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

}  // namespace wx
