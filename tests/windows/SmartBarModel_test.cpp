#include "windows/SmartBarModel.h"

#include <gtest/gtest.h>

#include "app/Commands.h"

#include "common/MemoryRegistry.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

const std::string kKey = "Software\\Morvane\\Tarvelo\\SmartBar";
const TRect kWork{0, 0, 1024, 738};

std::vector<std::string> Texts(const std::vector<TSmartBarMenuItem>& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.kind == TSmartBarMenuItem::Separator ? "-" : i.text);
  return out;
}

std::vector<SmartBarButtonKind> VisibleButtons(const TSmartBarModel& m) {
  std::vector<SmartBarButtonKind> out;
  for (const auto& b : m.Buttons())
    if (b.visible) out.push_back(b.kind);
  return out;
}

int IdOf(const std::vector<TSmartBarMenuItem>& items, const std::string& text) {
  for (const auto& i : items)
    if (i.text == text) return i.id;
  return 0;
}

}  // namespace

TEST(SmartBarModel, EditionsDecideButtonsAndMenus) {
  using K = SmartBarButtonKind;
  TSmartBarModel thes(SmartBarFeaturesFor(edThesaurusOnly), true);
  EXPECT_EQ(VisibleButtons(thes), (std::vector<K>{K::Thesaurus, K::Options, K::Help}));
  EXPECT_EQ(thes.ClientHeight(), 64 + 25 + 25);
  EXPECT_EQ(thes.Buttons()[1].caption, "&Thesaurus Clip.");
  EXPECT_EQ(thes.Buttons()[1].hint, "Thesaurus ClipBoard");
  EXPECT_EQ(Texts(thes.OptionsMenu()), (std::vector<std::string>{"&Always On Top", "-", "General O&ptions", "-",
                                                                 "&Transparency", "-", "E&xit Wendrix"}));
  EXPECT_EQ(Texts(thes.HelpMenu(true)),
            (std::vector<std::string>{"&Contents", "Help &Topics", "-", "Internet &Web Site",
                                      "Dictionary &Update Wizard...", "-", "About"}));
  EXPECT_TRUE(thes.EditorMenu().empty());

  TSmartBarModel suite(SmartBarFeaturesFor(edSuiteA), true);
  EXPECT_EQ(VisibleButtons(suite),
            (std::vector<K>{K::SpellCheck, K::Thesaurus, K::Definitions, K::Editor, K::Options, K::Help}));
  EXPECT_EQ(suite.ClientHeight(), 3 * 64 + 3 * 25);
  EXPECT_EQ(Texts(suite.EditorMenu()), (std::vector<std::string>{"&Penwick", "Scriv&let", "&Instant Spell"}));
  EXPECT_EQ(Texts(suite.OptionsMenu())[3], "Spe&lling Options");

  // Spelling only: the thesaurus button stays, the editor menu holds Instant Spell.
  TSmartBarModel spell(SmartBarFeaturesFor(edSpellingOnly), true);
  EXPECT_EQ(VisibleButtons(spell), (std::vector<K>{K::SpellCheck, K::Thesaurus, K::Editor, K::Options, K::Help}));
  EXPECT_EQ(Texts(spell.EditorMenu()), (std::vector<std::string>{"&Instant Spell"}));
}

TEST(SmartBarModel, ClicksRunTheControllersActionsUnlessBusy) {
  MemoryRegistry reg;
  TSmartBarModel m(SmartBarFeaturesFor(edThesaurusOnly), true);
  auto a = m.ButtonClick(SmartBarButtonKind::Thesaurus, false, true);
  EXPECT_EQ(a.kind, TSmartBarAction::RunCommand);
  EXPECT_EQ(a.command, Command::ThesClipboard);
  // A Selected capture is running, or a modal window of the tray menu is open.
  EXPECT_EQ(m.ButtonClick(SmartBarButtonKind::Thesaurus, true, false).kind, TSmartBarAction::Refused);
  EXPECT_EQ(m.ButtonClick(SmartBarButtonKind::Thesaurus, false, false).kind, TSmartBarAction::Refused);
  // Hidden buttons do nothing; menu buttons open their menus even while busy.
  EXPECT_EQ(m.ButtonClick(SmartBarButtonKind::SpellCheck, false, true).kind, TSmartBarAction::Nothing);
  a = m.ButtonClick(SmartBarButtonKind::Help, true, false);
  EXPECT_EQ(a.kind, TSmartBarAction::OpenMenu);
  EXPECT_EQ(a.menu, SmartBarButtonKind::Help);

  auto menu = m.OptionsMenu();
  int exit = IdOf(menu, "E&xit Wendrix");
  EXPECT_EQ(m.MenuChoice(exit, false, true, reg).command, Command::Exit);
  EXPECT_EQ(m.MenuChoice(exit, true, false, reg).kind, TSmartBarAction::Refused);
  EXPECT_EQ(m.MenuChoice(IdOf(menu, "General O&ptions"), false, true, reg).command, Command::Preferences);
  // The bar's own items work while busy.
  EXPECT_EQ(m.MenuChoice(IdOf(menu, "&Always On Top"), true, false, reg).kind, TSmartBarAction::AlwaysOnTopChanged);
  EXPECT_FALSE(m.AlwaysOnTop());
  EXPECT_FALSE(m.OptionsMenu()[0].checked);
  EXPECT_EQ(m.MenuChoice(12345, false, true, reg).kind, TSmartBarAction::Nothing);
}

TEST(SmartBarModel, TransparencyChoicesApplyAndAreStoredAtOnce) {
  MemoryRegistry reg;
  TSmartBarModel m(SmartBarFeaturesFor(edThesaurusOnly), true);
  std::vector<std::tuple<TLayerType, int>> applied;
  TLayeredForm layered([&](TLayerType t, uint8_t alpha, uint32_t) { applied.emplace_back(t, alpha); });

  const auto levels = m.OptionsMenu()[4].items;
  ASSERT_EQ(Texts(levels), (std::vector<std::string>{"None", "&25%", "&50%", "&75%"}));
  EXPECT_TRUE(levels[0].checked);
  EXPECT_TRUE(levels[0].radio);

  EXPECT_EQ(m.MenuChoice(levels[2].id, true, false, reg).kind, TSmartBarAction::TransparencyChanged);
  m.ApplyTransparency(layered, true);
  EXPECT_EQ(layered.LayerType(), ltAlphaBlend);
  EXPECT_EQ(layered.Alpha(), 128);
  ASSERT_FALSE(applied.empty());
  EXPECT_EQ(applied.back(), std::make_tuple(ltAlphaBlend, 128));
  for (const auto& [t, alpha] : applied) EXPECT_NE(alpha, 255) << "never applied at the old alpha";
  std::string text;
  ASSERT_TRUE(reg.GetString(kKey, "Transparency", text));
  EXPECT_EQ(text, "50%");
  EXPECT_TRUE(m.OptionsMenu()[4].items[2].checked);
  EXPECT_FALSE(m.OptionsMenu()[4].items[0].checked);

  // "&25%" is the most transparent.
  m.MenuChoice(levels[1].id, false, true, reg);
  m.ApplyTransparency(layered, true);
  EXPECT_EQ(layered.Alpha(), 64);

  m.MenuChoice(levels[0].id, false, true, reg);
  m.ApplyTransparency(layered, true);
  EXPECT_EQ(layered.LayerType(), ltNone);
  EXPECT_EQ(std::get<0>(applied.back()), ltNone);
  ASSERT_TRUE(reg.GetString(kKey, "Transparency", text));
  EXPECT_EQ(text, "None");

  // Without translucent windows the submenu is disabled and its items do nothing.
  TSmartBarModel old(SmartBarFeaturesFor(edThesaurusOnly), false);
  EXPECT_FALSE(old.OptionsMenu()[4].enabled);
  EXPECT_EQ(old.MenuChoice(TSmartBarModel::kTransparencyIdBase + 2, false, true, reg).kind,
            TSmartBarAction::Nothing);
}

TEST(LayeredForm, AppliesOnlyWhatChanges) {
  int applies = 0;
  TLayeredForm layered([&](TLayerType, uint8_t, uint32_t) { ++applies; });
  layered.SetAlpha(100);
  layered.SetColorKey(0xFF00FF);
  EXPECT_EQ(applies, 0) << "alpha and colour key wait for their layer type";
  layered.SetLayerType(ltAlphaBlend);
  layered.SetLayerType(ltAlphaBlend);
  EXPECT_EQ(applies, 1);
  layered.SetAlpha(50);
  layered.SetColorKey(0);
  EXPECT_EQ(applies, 2);
  layered.SetLayerType(ltNone);
  EXPECT_EQ(applies, 3);
}

TEST(SmartBarModel, PlacementAndStoredSettings) {
  MemoryRegistry reg;
  TSmartBarModel m(SmartBarFeaturesFor(edThesaurusOnly), true);
  // First start: bottom right of the work area, topmost, opaque.
  const TRect topLeftTaskbar{0, 30, 1024, 768};
  EXPECT_EQ(m.Placement(reg, topLeftTaskbar, {topLeftTaskbar}, 150, 140), (TRect{874, 628, 1024, 768}));
  m.LoadOptions(reg);
  EXPECT_TRUE(m.AlwaysOnTop());
  EXPECT_EQ(m.TransparencyLevel(), 0);

  // Stored place, including one on a monitor that is gone.
  TSmartBarModel::SavePosition(reg, {300, 200, 450, 340});
  std::string text;
  ASSERT_TRUE(reg.GetString(kKey, "Width", text));
  EXPECT_EQ(text, "150");
  EXPECT_EQ(m.Placement(reg, kWork, {kWork}, 150, 140), (TRect{300, 200, 450, 340}));
  TSmartBarModel::SavePosition(reg, {1500, 900, 1650, 1040});
  EXPECT_EQ(m.Placement(reg, kWork, {kWork}, 150, 140), (TRect{874, 598, 1024, 738}));
  // Numbers far off any screen.
  reg.SetString(kKey, "Left", "2147483647");
  reg.SetString(kKey, "Top", "-2147483648");
  EXPECT_EQ(m.Placement(reg, kWork, {kWork}, 150, 140), (TRect{874, 0, 1024, 140}));
  // Not a number, or a value of another type: the computed place.
  reg.SetString(kKey, "Left", "12a");
  reg.SetDword(kKey, "Top", 5);
  EXPECT_EQ(m.Placement(reg, kWork, {kWork}, 150, 140), (TRect{874, 598, 1024, 738}));

  // Options: stored texts; an unknown transparency text changes nothing.
  IniRegistry ini(reg, kSmartBarBaseKey);
  ini.WriteString(kSmartBarSection, "Always On Top", "0");
  ini.WriteString(kSmartBarSection, "Transparency", "75%");
  m.LoadOptions(reg);
  EXPECT_FALSE(m.AlwaysOnTop());
  EXPECT_EQ(m.TransparencyLevel(), 192);
  ini.WriteString(kSmartBarSection, "Transparency", "80%");
  TSmartBarModel fresh(SmartBarFeaturesFor(edThesaurusOnly), true);
  fresh.LoadOptions(reg);
  EXPECT_EQ(fresh.TransparencyLevel(), 0);
  EXPECT_TRUE(fresh.OptionsMenu()[4].items[0].checked);

  m.SaveOptions(reg);
  ASSERT_TRUE(reg.GetString(kKey, "Always On Top", text));
  EXPECT_EQ(text, "0");
  ASSERT_TRUE(reg.GetString(kKey, "Transparency", text));
  EXPECT_EQ(text, "75%");

  // Closing: refused only while the options window is open and the program goes on.
  EXPECT_FALSE(TSmartBarModel::CloseQuery(false, true));
  EXPECT_TRUE(TSmartBarModel::CloseQuery(true, true));
  EXPECT_TRUE(TSmartBarModel::CloseQuery(false, false));
  EXPECT_TRUE(TSmartBarModel::ShowsCloseNotice(false));
  EXPECT_FALSE(TSmartBarModel::ShowsCloseNotice(true));
}

TEST(SmartBarModel, TextsFollowTheInterfaceLanguage) {
  TSmartBarModel m(SmartBarFeaturesFor(edThesaurusOnly), true);
  SetActiveUiLanguage(UiLanguage::German);
  m.RefreshTexts();
  EXPECT_EQ(m.Buttons()[1].caption, "&Thesaurus Ablage");
  EXPECT_EQ(m.Buttons()[1].hint, "Thesaurus für die Zwischenablage");
  EXPECT_EQ(Texts(m.OptionsMenu()).back(), "Wendrix &beenden");
  EXPECT_EQ(SmartBarCaption(SmartBarText::CloseNotice).rfind("Sie schließen nur die Smart Bar", 0), 0u);
  SetActiveUiLanguage(UiLanguage::English);
  m.RefreshTexts();
  EXPECT_EQ(m.Buttons()[1].caption, "&Thesaurus Clip.");
}

TEST(SmartBarModel, RedundantSeparatorsAreDropped) {
  TSmartBarMenuItem sep;
  sep.kind = TSmartBarMenuItem::Separator;
  TSmartBarMenuItem a;
  a.text = "a";
  std::vector<TSmartBarMenuItem> items = {sep, a, sep, sep, a, sep};
  DropRedundantSeparators(items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"a", "-", "a"}));
}

}  // namespace wx
