#include "app/AppLanguage.h"

#include "common/RegistryStyles.h"

namespace wx {

using TL = TThesaurusLanguageType;

const std::vector<AppLanguageRow>& AppLanguageTable() {
  static const std::vector<AppLanguageRow> rows = {
      {0xFFFF, TL::ltEnglish, UiLanguage::English},
      {0x0406, TL::ltDanish, UiLanguage::Danish},
      {0x0413, TL::ltDutch, UiLanguage::Dutch},
      {0x0409, TL::ltEnglish, UiLanguage::English},
      {0x040C, TL::ltFrench, UiLanguage::French},
      {0x0407, TL::ltGerman, UiLanguage::German},
      {0x0410, TL::ltItalian, UiLanguage::Italian},
      {0x0416, TL::ltBrPortuguese, UiLanguage::BrPortuguese},
      {0x0816, TL::ltStdPortuguese, UiLanguage::StdPortuguese},
      {0x0C0A, TL::ltSpanish, UiLanguage::Spanish},
      {0x041D, TL::ltSwedish, UiLanguage::Swedish},
  };
  return rows;
}

int LanguageIdOfName(const std::string& name) {
  size_t open = name.find('[');
  if (open == std::string::npos) return 0;
  size_t close = name.find(']', open + 1);
  if (close == std::string::npos) return 0;
  std::string inner = name.substr(open + 1, close - open - 1);
  if (inner.empty() || inner.size() > 5) return 0;
  bool hex = inner[0] == '$';
  std::string digits = hex ? inner.substr(1) : inner;
  if (digits.empty()) return 0;
  int value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else return 0;
    value = value * (hex ? 16 : 10) + d;
  }
  return value;
}

TAppLanguage::TAppLanguage(Registry& registry, std::function<int()> userDefaultLanguage)
    : registry_(registry), userDefault_(std::move(userDefaultLanguage)) {}

void TAppLanguage::Attach() {
  int code = IniRegistry(registry_, kLanguageKey).ReadInteger("Options", "Language Code", -1);
  if (code == -1) code = userDefault_ ? userDefault_() : 0x0409;
  Apply(AppLanguageTable()[IndexOf(code)].id);
}

size_t TAppLanguage::IndexOf(int languageId) const {
  const auto& rows = AppLanguageTable();
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].id == languageId) return i;
  for (size_t i = 0; i < rows.size(); ++i)
    if ((rows[i].id & 0x3FF) == (languageId & 0x3FF)) return i;
  return IndexOf(0x0409);
}

void TAppLanguage::Apply(int languageId) {
  if (languageId != 0) {
    for (int n = 1; n <= kUiLanguageCount; ++n) {
      UiLanguage l{};
      UiLanguageFromNumber(n, l);
      if (LanguageIdOfName(UiLanguageName(l)) == languageId) {
        SetActiveUiLanguage(l);
        break;
      }
    }
  }
  row_ = IndexOf(languageId);
  IniRegistry(registry_, kLanguageKey).WriteInteger("Options", "Language Code", languageId);
}

std::vector<TAppLanguage::BoxItem> TAppLanguage::BoxItems() {
  std::vector<BoxItem> out;
  for (int i = 0; i < kUiLanguageCount; ++i) {
    std::string name = UiLanguageName(UiLanguage(i));
    std::string text = name.substr(0, name.find('['));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out.push_back({text, LanguageIdOfName(name)});
  }
  return out;
}

}  // namespace wx
