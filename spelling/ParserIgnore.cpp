#include "spelling/ParserIgnore.h"

#include "common/AnsiText.h"

namespace wx {

namespace {

bool IsAddressDelimiter(uint8_t c) {
  switch (c) {
    case 0: case '\r': case '\n': case '\t': case ' ': case '"': case '(': case ')': case '[':
    case ']': case '{': case '}': case ',': case '<': case '>': case '\'':
      return true;
    default:
      return false;
  }
}

// Compares the characters from the cursor on with Prefix, advancing. On a
// mismatch the cursor goes back to where the test started; on success it is
// left on the last matched character.
bool MatchPrefix(TControlParser& p, const char* prefix) {
  int x, y;
  p.GetPosition(x, y);
  for (size_t i = 0; prefix[i]; ++i) {
    if ((i > 0 && !p.MoveNext()) || p.GetChar() != static_cast<uint8_t>(prefix[i])) {
      p.SetPosition(x, y, kMoveCursor);
      return false;
    }
  }
  return true;
}

bool StartsWithLower(const std::string& word, const char* prefix) {
  const std::string lower = AnsiLower(word);
  return lower.rfind(prefix, 0) == 0;
}

}  // namespace

bool TURLIgnore::SkipAfterWord(const std::string& word, TControlParser& p) {
  const uint8_t c = p.GetChar();
  bool address = false;
  if (c == ':') {
    static const char* const schemes[] = {"http", "ftp",   "news",   "mailto", "nntp",
                                          "file", "https", "telnet", "wais"};
    const std::string lower = AnsiLower(word);
    for (const char* s : schemes) address = address || lower == s;
  } else if (c == '@') {
    address = true;
  } else if (c == '/' || c == '\\') {
    address = StartsWithLower(word, "www.");
  }
  if (!address) return false;
  while (!IsAddressDelimiter(p.GetChar()))
    if (!p.MoveNext()) break;
  return true;
}

bool TURLIgnore::IgnoreWord(const std::string& word, TControlParser*) {
  return StartsWithLower(word, "www.");
}

bool TUppercaseWordIgnore::IgnoreWord(const std::string& word, TControlParser*) {
  return word == AnsiUpper(word);
}

bool TNumbersIgnore::IgnoreWord(const std::string& word, TControlParser*) {
  for (char c : word)
    if (c >= '0' && c <= '9') return true;
  return false;
}

bool THTMLIgnore::SkipAtCharacter(uint8_t ch, TControlParser& p) {
  if (ch != '<') return false;
  if (!p.MoveNext()) return true;
  if (MatchPrefix(p, "!--")) {
    // Comment: up to the first following "-->".
    for (;;) {
      if (!p.MoveNext()) return true;
      if (p.GetChar() == '-' && MatchPrefix(p, "-->")) return true;
    }
  }
  const uint8_t first = p.GetChar();
  if (first == '%' || first == '?') {
    // Server block: up to the first ">" preceded by the same character.
    uint8_t prev = 0;
    for (;;) {
      if (!p.MoveNext()) return true;
      const uint8_t c = p.GetChar();
      if (c == 0) return true;
      if (c == '>' && prev == first) return true;
      prev = c;
    }
  }
  for (;;) {
    const uint8_t c = p.GetChar();
    if (c == '>' || c == 0) return true;
    if (!p.MoveNext()) return true;
  }
}

bool THTMLIgnore::IgnoreWord(const std::string& word, TControlParser*) {
  return !word.empty() && word[0] == '&';
}

bool TQuotedLineIgnore::IgnoreLine(const std::string& line) {
  return !line.empty() && quoteChars_.find(line[0]) != std::string::npos;
}

bool TQuotedLineIgnore::IgnoreWord(const std::string&, TControlParser* parser) {
  if (!parser) return false;
  std::string line;
  parser->GetLine(line);
  return IgnoreLine(line);
}

bool TAbbreviationsIgnore::IgnoreWord(const std::string& word, TControlParser*) {
  if (word.find('.') == std::string::npos) return false;
  size_t start = 0;
  while (word.size() - start >= 3 && word[start + 1] == '.') start += 2;
  return word.size() - start < 3;
}

void TIgnoreRules::Register(std::unique_ptr<TParserIgnore> rule) {
  if (!rule) return;
  if (rule->ScansCharacters()) characterList_.push_back(rule.get());
  if (rule->ScansLines()) lineList_.push_back(rule.get());
  all_.push_back(std::move(rule));
}

void TIgnoreRules::Clear() {
  characterList_.clear();
  lineList_.clear();
  all_.clear();
}

bool TIgnoreRules::CharacterHook(uint8_t ch, TControlParser& parser) {
  for (auto* r : characterList_)
    if (r->SkipAtCharacter(ch, parser)) return true;
  return false;
}

bool TIgnoreRules::WordHook(const std::string& word, TControlParser& parser) {
  for (auto* r : characterList_)
    if (r->SkipAfterWord(word, parser)) return true;
  return false;
}

bool TIgnoreRules::IgnoreWordByRules(const std::string& word, TControlParser* parser) {
  for (auto& r : all_)
    if (r->IgnoreWord(word, parser)) return true;
  return false;
}

bool TIgnoreRules::IsLineIgnored(const std::string& line) {
  for (auto* r : lineList_)
    if (r->IgnoreLine(line)) return true;
  return false;
}

void TIgnoreRules::Build(bool internet, bool upcase, bool numbers, bool html, bool quoted,
                         bool abbreviations, const std::string& quoteChars) {
  Clear();
  if (internet) Register(std::make_unique<TURLIgnore>());
  if (upcase) Register(std::make_unique<TUppercaseWordIgnore>());
  if (numbers) Register(std::make_unique<TNumbersIgnore>());
  if (html) Register(std::make_unique<THTMLIgnore>());
  if (quoted) Register(std::make_unique<TQuotedLineIgnore>(quoteChars));
  if (abbreviations) Register(std::make_unique<TAbbreviationsIgnore>());
}

}  // namespace wx
