#include "windows/SmartBarModel.h"

#include <algorithm>

#include "common/RegistryStyles.h"

namespace wx {

namespace {

constexpr uint8_t kLevels[] = {0, 64, 128, 192};
constexpr const char* kLevelTexts[] = {"None", "25%", "50%", "75%"};

TSmartBarMenuItem Item(SmartBarText text, Command command, bool visible = true) {
  TSmartBarMenuItem item;
  item.id = visible ? TSmartBarModel::kCommandIdBase + int(command) : -1;
  item.text = SmartBarCaption(text);
  return item;
}

TSmartBarMenuItem Separator() {
  TSmartBarMenuItem item;
  item.kind = TSmartBarMenuItem::Separator;
  return item;
}

// Items built hidden carry id -1 and are left out here.
std::vector<TSmartBarMenuItem> Visible(std::vector<TSmartBarMenuItem> items) {
  std::vector<TSmartBarMenuItem> out;
  for (TSmartBarMenuItem& i : items)
    if (i.id != -1) out.push_back(std::move(i));
  DropRedundantSeparators(out);
  return out;
}

// Reads an ini-style value; a value of another registry type than text reads
// as the default, so a damaged value cannot keep the bar from showing.
template <typename T, typename Read>
T ReadOr(Read read, T def) {
  try {
    return read();
  } catch (const ERegistryException&) {
    return def;
  }
}

}  // namespace

std::string TransparencyText(uint8_t level) {
  for (size_t i = 0; i < 4; ++i)
    if (kLevels[i] == level) return kLevelTexts[i];
  return "None";
}

bool TransparencyFromText(const std::string& text, uint8_t& level) {
  for (size_t i = 0; i < 4; ++i)
    if (text == kLevelTexts[i]) {
      level = kLevels[i];
      return true;
    }
  return false;
}

void DropRedundantSeparators(std::vector<TSmartBarMenuItem>& items) {
  std::vector<TSmartBarMenuItem> out;
  for (TSmartBarMenuItem& i : items) {
    bool sep = i.kind == TSmartBarMenuItem::Separator;
    if (sep && (out.empty() || out.back().kind == TSmartBarMenuItem::Separator)) continue;
    out.push_back(std::move(i));
  }
  while (!out.empty() && out.back().kind == TSmartBarMenuItem::Separator) out.pop_back();
  items = std::move(out);
}

TSmartBarModel::TSmartBarModel(TSmartBarFeatures features, bool layeredWindows)
    : features_(std::move(features)), transparencyEnabled_(layeredWindows) {
  const bool spelling = features_.spelling, editors = features_.editors;
  using K = SmartBarButtonKind;
  buttons_ = {
      {K::SpellCheck, "", "", kLargeHeight, true, 0, false, Command::SpellClipboard, spelling},
      {K::Thesaurus, "", "", kLargeHeight, true, 1, false, Command::ThesClipboard, true},
      {K::Definitions, "", "", kLargeHeight, true, 2, false, Command::DefinitionsClipboard,
       features_.definitions},
      {K::Editor, "", "", kSmallHeight, false, 0, true, Command::None, editors || spelling},
      {K::Options, "", "", kSmallHeight, false, 1, true, Command::None, true},
      {K::Help, "", "", kSmallHeight, false, 2, true, Command::None, true},
  };
  RefreshTexts();
}

void TSmartBarModel::RefreshTexts() {
  using T = SmartBarText;
  // Captions and hints by button, in the order of SmartBarButtonKind.
  static const T kTexts[][2] = {{T::SpellClip, T::SpellClipHint}, {T::ThesClip, T::ThesClipHint},
                                {T::DefClip, T::DefClipHint},     {T::Editor, T::Caption},
                                {T::Options, T::Caption},         {T::Help, T::Caption}};
  for (TSmartBarButton& b : buttons_) {
    const T* t = kTexts[int(b.kind)];
    b.caption = SmartBarCaption(t[0]);
    b.hint = t[1] == T::Caption ? "" : SmartBarCaption(t[1]);
  }
}

int TSmartBarModel::ClientHeight() const {
  int h = 0;
  for (const TSmartBarButton& b : buttons_)
    if (b.visible) h += b.height;
  return h;
}

std::vector<TSmartBarMenuItem> TSmartBarModel::EditorMenu() const {
  const bool editors = features_.editors;
  return Visible({Item(SmartBarText::Penwick, Command::OpenEditor, editors),
                  Item(SmartBarText::Scrivlet, Command::OpenEditor2, editors),
                  Item(SmartBarText::InstantSpell, Command::InstantSpell, features_.spelling)});
}

std::vector<TSmartBarMenuItem> TSmartBarModel::OptionsMenu() const {
  const bool spelling = features_.spelling;
  TSmartBarMenuItem onTop;
  onTop.id = kAlwaysOnTopId;
  onTop.text = SmartBarCaption(SmartBarText::AlwaysOnTop);
  onTop.checked = alwaysOnTop_;

  TSmartBarMenuItem transparency;
  transparency.kind = TSmartBarMenuItem::Submenu;
  transparency.text = SmartBarCaption(SmartBarText::Transparency);
  transparency.enabled = transparencyEnabled_;
  const SmartBarText levelTexts[] = {SmartBarText::TransparencyNone, SmartBarText::Transparency25,
                                     SmartBarText::Transparency50, SmartBarText::Transparency75};
  for (int i = 0; i < 4; ++i) {
    TSmartBarMenuItem level;
    level.id = kTransparencyIdBase + i;
    level.text = SmartBarCaption(levelTexts[i]);
    level.radio = true;
    level.checked = kLevels[i] == level_;
    transparency.items.push_back(level);
  }

  // The Exit item names the program, where the language puts it.
  TSmartBarMenuItem exit = Item(SmartBarText::Exit, Command::Exit);
  if (const size_t at = exit.text.find("%s"); at != std::string::npos) exit.text.replace(at, 2, features_.programName);

  return Visible({onTop, Separator(), Item(SmartBarText::GeneralOptions, Command::Preferences),
                  Item(SmartBarText::SpellingOptions, Command::SpellOptions, spelling),
                  Item(SmartBarText::EditCustomDictionary, Command::EditCustomDictionary, spelling), Separator(),
                  transparency, Separator(), exit});
}

std::vector<TSmartBarMenuItem> TSmartBarModel::HelpMenu(bool updaterPresent) const {
  TSmartBarMenuItem update = Item(SmartBarText::DictionaryUpdate, Command::DictionaryUpdate);
  update.enabled = updaterPresent;
  return Visible({Item(SmartBarText::Contents, Command::HelpContents),
                  Item(SmartBarText::HelpTopics, Command::HelpTopics), Separator(),
                  Item(SmartBarText::WebSite, Command::WebSite), update, Separator(),
                  Item(SmartBarText::About, Command::About)});
}

TSmartBarAction TSmartBarModel::ButtonClick(SmartBarButtonKind kind, bool busy, bool acceptsInput) const {
  for (const TSmartBarButton& b : buttons_) {
    if (b.kind != kind || !b.visible) continue;
    if (b.dropDown) return {TSmartBarAction::OpenMenu, Command::None, kind};
    if (busy || !acceptsInput) return {TSmartBarAction::Refused, b.command};
    return {TSmartBarAction::RunCommand, b.command};
  }
  return {};
}

TSmartBarAction TSmartBarModel::MenuChoice(int id, bool busy, bool acceptsInput, Registry& registry) {
  if (id == kAlwaysOnTopId) {
    alwaysOnTop_ = !alwaysOnTop_;
    return {TSmartBarAction::AlwaysOnTopChanged};
  }
  if (id >= kTransparencyIdBase && id < kTransparencyIdBase + 4) {
    if (!transparencyEnabled_) return {};
    level_ = kLevels[id - kTransparencyIdBase];
    IniRegistry(registry, kSmartBarBaseKey).WriteString(kSmartBarSection, "Transparency", TransparencyText(level_));
    return {TSmartBarAction::TransparencyChanged};
  }
  if (id > kCommandIdBase && id <= kCommandIdBase + int(Command::Exit)) {
    Command c = Command(id - kCommandIdBase);
    if (busy || !acceptsInput) return {TSmartBarAction::Refused, c};
    return {TSmartBarAction::RunCommand, c};
  }
  return {};
}

TRect TSmartBarModel::Placement(Registry& registry, const TRect& workArea, const std::vector<TRect>& workAreas,
                                int width, int height) const {
  TRect r = BottomRightIn(workArea, width, height);
  IniRegistry ini(registry, kSmartBarBaseKey);
  int top = ReadOr<int32_t>([&] { return ini.ReadInteger(kSmartBarSection, "Top", r.top); }, r.top);
  int left = ReadOr<int32_t>([&] { return ini.ReadInteger(kSmartBarSection, "Left", r.left); }, r.left);
  // Far beyond any screen is as good as a little beyond it, and keeps the
  // arithmetic below within range.
  constexpr int kFar = 1 << 24;
  top = std::clamp(top, -kFar, kFar);
  left = std::clamp(left, -kFar, kFar);
  return KeepOnWorkArea(r.MovedTo(left, top), workAreas);
}

void TSmartBarModel::LoadOptions(Registry& registry) {
  IniRegistry ini(registry, kSmartBarBaseKey);
  alwaysOnTop_ = ReadOr<bool>([&] { return ini.ReadBool(kSmartBarSection, "Always On Top", true); }, true);
  std::string text =
      ReadOr<std::string>([&] { return ini.ReadString(kSmartBarSection, "Transparency", "None"); }, "None");
  uint8_t level;
  if (TransparencyFromText(text, level)) level_ = level;
}

void TSmartBarModel::ApplyTransparency(TLayeredForm& layered, bool fromMenu) const {
  if (level_ == 0) {
    layered.SetLayerType(ltNone);
    if (fromMenu) layered.SetAlpha(0);
    return;
  }
  // The alpha first, so the window never shows a moment at the old one.
  layered.SetAlpha(level_);
  layered.SetLayerType(ltAlphaBlend);
}

void TSmartBarModel::SavePosition(Registry& registry, const TRect& w) {
  IniRegistry ini(registry, kSmartBarBaseKey);
  ini.WriteInteger(kSmartBarSection, "Top", w.top);
  ini.WriteInteger(kSmartBarSection, "Left", w.left);
  ini.WriteInteger(kSmartBarSection, "Width", w.Width());
  ini.WriteInteger(kSmartBarSection, "Height", w.Height());
}

void TSmartBarModel::SaveOptions(Registry& registry) const {
  IniRegistry ini(registry, kSmartBarBaseKey);
  ini.WriteBool(kSmartBarSection, "Always On Top", alwaysOnTop_);
  ini.WriteString(kSmartBarSection, "Transparency", TransparencyText(level_));
}

}  // namespace wx
