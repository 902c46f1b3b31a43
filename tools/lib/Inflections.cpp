#include "tools/lib/Inflections.h"

namespace wx::tools {

namespace {

bool Vowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// Vowel groups, with "y" a vowel after a consonant ("fly", "happy") and a
// final silent "e" not counted ("large", but "simple").
int Syllables(const std::string& w) {
  int n = 0;
  bool inVowel = false;
  for (size_t i = 0; i < w.size(); ++i) {
    bool v = Vowel(w[i]) || (w[i] == 'y' && i > 0 && !Vowel(w[i - 1]));
    if (v && !inVowel) ++n;
    inVowel = v;
  }
  size_t k = w.size();
  if (n > 1 && k >= 3 && w[k - 1] == 'e' && !Vowel(w[k - 2]) && w[k - 2] != 'l') --n;
  return n;
}

bool EndsWith(const std::string& w, const char* s) {
  std::string t(s);
  return w.size() >= t.size() && w.compare(w.size() - t.size(), t.size(), t) == 0;
}

// Ends consonant, vowel, consonant ("stop", "admit"), where a suffix that
// begins with a vowel may double the last letter; "w", "x" and "y" never double.
bool EndsCvc(const std::string& w) {
  size_t n = w.size();
  if (n < 3) return false;
  char a = w[n - 3], b = w[n - 2], c = w[n - 1];
  if (c == 'w' || c == 'x' || c == 'y' || Vowel(c) || !Vowel(b) || Vowel(a)) return false;
  return !(a == 'q' && b == 'u');
}

bool ConsonantY(const std::string& w) {
  return w.size() >= 2 && w.back() == 'y' && !Vowel(w[w.size() - 2]);
}

// base + a suffix that begins with a vowel ("ed", "ing", "er", "est").
void AddVowelSuffix(std::vector<InflectedForm>& out, const std::string& w, const std::string& suffix,
                    bool certain) {
  if (EndsCvc(w)) {
    bool oneSyllable = Syllables(w) == 1;
    out.push_back({w + w.back() + suffix, certain && oneSyllable});
    if (!oneSyllable) out.push_back({w + suffix, false});
    return;
  }
  out.push_back({w + suffix, certain});
}

void AddS(std::vector<InflectedForm>& out, const std::string& w) {
  if (EndsWith(w, "s") || EndsWith(w, "x") || EndsWith(w, "ch") || EndsWith(w, "sh")) {
    out.push_back({w + "es", true});
  } else if (EndsWith(w, "z")) {
    out.push_back({w + "es", false});
    out.push_back({w + "zes", false});
  } else if (ConsonantY(w)) {
    out.push_back({w.substr(0, w.size() - 1) + "ies", true});
  } else if (w.size() >= 2 && w.back() == 'o' && !Vowel(w[w.size() - 2])) {
    out.push_back({w + "s", false});
    out.push_back({w + "es", false});
  } else {
    out.push_back({w + "s", true});
  }
}

void AddEd(std::vector<InflectedForm>& out, const std::string& w, const char* suffix, bool certain) {
  std::string s(suffix);  // "ed", "er" or "est"
  if (w.back() == 'e')
    out.push_back({w + s.substr(1), certain});
  else if (ConsonantY(w))
    out.push_back({w.substr(0, w.size() - 1) + "i" + s, certain});
  else
    AddVowelSuffix(out, w, s, certain);
}

void AddIng(std::vector<InflectedForm>& out, const std::string& w) {
  if (EndsWith(w, "ie"))
    out.push_back({w.substr(0, w.size() - 2) + "ying", true});
  else if (w.back() == 'e' && !EndsWith(w, "ee") && !EndsWith(w, "ye") && !EndsWith(w, "oe") &&
           w.size() > 2)
    out.push_back({w.substr(0, w.size() - 1) + "ing", true});
  else
    AddVowelSuffix(out, w, "ing", true);
}

}  // namespace

std::vector<InflectedForm> RegularForms(const std::string& base, WnPos pos) {
  std::vector<InflectedForm> out;
  if (base.size() < 2) return out;
  for (char c : base)
    if (c < 'a' || c > 'z') return out;
  switch (pos) {
    case WnPos::Noun:
      AddS(out, base);
      break;
    case WnPos::Verb:
      AddS(out, base);
      AddEd(out, base, "ed", true);
      AddIng(out, base);
      break;
    case WnPos::Adj:
      // Only short adjectives compare with suffixes, and not all of them.
      if (Syllables(base) == 1 || (Syllables(base) == 2 && ConsonantY(base))) {
        AddEd(out, base, "er", false);
        AddEd(out, base, "est", false);
      }
      break;
    case WnPos::Adv:
      break;
  }
  return out;
}

}  // namespace wx::tools
