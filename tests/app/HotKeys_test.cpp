#include "app/HotKeys.h"

#include <gtest/gtest.h>

namespace wx {

TEST(HotKeyText, ParsesAndWritesModifierPrefixes) {
  THotKeyRec rec;
  TextToHotKey("ctrl+alt+F8", rec);
  EXPECT_EQ(rec.KeyName, "F8");
  EXPECT_EQ(rec.Modifiers, hkCtrl | hkAlt);
  EXPECT_EQ(HotKeyToText(rec), "Alt+Ctrl+F8");

  THotKeyRec num;
  TextToHotKey("Ctrl+Num +", num);
  EXPECT_EQ(num.KeyName, "Num +");
  EXPECT_EQ(num.Modifiers, hkCtrl);
  EXPECT_EQ(HotKeyToText(num), "Ctrl+Num +");

  THotKeyRec all{"Num +", hkCtrl | hkAlt | hkShift | hkWin};
  EXPECT_EQ(HotKeyToText(all), "Win+Shift+Alt+Ctrl+Num +");
  THotKeyRec back;
  TextToHotKey(HotKeyToText(all), back);
  EXPECT_EQ(back, all);
  EXPECT_EQ(WindowsModifierFlags(back.Modifiers), 4u | 2u | 1u | 8u);

  EXPECT_EQ(HotKeyToText({"F7", hkShift}), "Shift+F7");
  EXPECT_EQ(HotKeyToText({"F12", 0}), "F12");
}

TEST(HotKeyText, RepeatedAndOddPrefixes) {
  THotKeyRec rec;
  TextToHotKey("SHIFT+shift+Win+A", rec);
  EXPECT_EQ(rec.KeyName, "A");
  EXPECT_EQ(rec.Modifiers, hkShift | hkWin);
  THotKeyRec bare;
  TextToHotKey("Ctrl+", bare);
  EXPECT_EQ(bare.KeyName, "");
  EXPECT_EQ(bare.Modifiers, hkCtrl);
  THotKeyRec notAPrefix;
  TextToHotKey("Control+X", notAPrefix);
  EXPECT_EQ(notAPrefix.KeyName, "Control+X");
  EXPECT_EQ(notAPrefix.Modifiers, 0);
}

TEST(HotKeyTables, KeyListAndKeyTableAgree) {
  ASSERT_EQ(KeyList().size(), 108u);
  EXPECT_STREQ(KeyList().front().name, "Backspace");
  EXPECT_STREQ(KeyList().back().name, "None");
  EXPECT_EQ(HotKeyTable().size(), 114u);
  EXPECT_EQ(HotKeyTable()[0], 0);
  EXPECT_EQ(HotKeyTable()[1], 0x03);
  EXPECT_EQ(HotKeyTable()[113], 0xDE);
  // Every key of the list but "None" has its code in the table.
  for (const auto& e : KeyList()) {
    int index = KeyIndexOf(e.name);
    if (e.vk == 0) {
      EXPECT_EQ(index, 0);
    } else {
      ASSERT_GT(index, 0) << e.name;
      EXPECT_EQ(HotKeyTable()[index], e.vk) << e.name;
    }
  }
  EXPECT_EQ(HotKeyTable()[KeyIndexOf("F14")], 0x7D);
  EXPECT_EQ(HotKeyTable()[KeyIndexOf("F15")], 0x7E);
  EXPECT_EQ(HotKeyTable()[KeyIndexOf("num +")], 0x6B);
  EXPECT_EQ(KeyIndexOf("Hyper"), 0);
  EXPECT_EQ(KeyIndexOf(""), 0);
}

TEST(HotKeyRegistration, EachEditionRegistersItsSlotsWithConsecutiveIds) {
  HotKeySlots slots;
  for (int s = 0; s < kHotKeySlotCount; ++s) slots[s].KeyName = SlotInfo(HotKeySlot(s)).defaultKey;
  HotKeyIds ids;

  auto plan = PlanHotKeys(slots, edThesaurusOnly, ids);
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[0].slot, hsThesApp);
  EXPECT_EQ(HotKeyTable()[plan[0].keyIndex], 0x77);  // F8
  EXPECT_EQ(plan[1].slot, hsThesClip);
  EXPECT_EQ(HotKeyTable()[plan[1].keyIndex], 0x7A);  // F11
  EXPECT_EQ(ids[hsThesApp], 0);
  EXPECT_EQ(ids[hsThesClip], 1);
  EXPECT_EQ(ids[hsSpellApp], -1);

  plan = PlanHotKeys(slots, edSpellingOnly, ids);
  std::vector<HotKeySlot> got;
  for (auto& r : plan) got.push_back(r.slot);
  EXPECT_EQ(got, (std::vector<HotKeySlot>{hsSpellApp, hsSpellAppAll, hsSpellClip, hsInstantSpell}));

  plan = PlanHotKeys(slots, edAllServices, ids);
  got.clear();
  for (auto& r : plan) got.push_back(r.slot);
  EXPECT_EQ(got, (std::vector<HotKeySlot>{hsSpellApp, hsSpellAppAll, hsThesApp, hsSpellClip, hsThesClip,
                                          hsDefClip, hsDefApp, hsInstantSpell}));
  for (TBuildEdition e : {edSuiteA, edSuiteB, edSuiteC}) {
    EXPECT_EQ(PlanHotKeys(slots, e, ids).size(), 10u);
    EXPECT_EQ(ids[hsEditor], 3);
    EXPECT_EQ(ids[hsInstantSpell], 9);
  }
}

TEST(HotKeyRegistration, DispatchFindsEveryMatchingSlotInOrder) {
  HotKeyIds ids;
  ids.fill(-1);
  ids[hsThesApp] = 0;
  ids[hsThesClip] = 1;
  EXPECT_EQ(SlotsForHotKeyId(ids, 0), std::vector<HotKeySlot>{hsThesApp});
  EXPECT_EQ(SlotsForHotKeyId(ids, 1), std::vector<HotKeySlot>{hsThesClip});
  EXPECT_TRUE(SlotsForHotKeyId(ids, 2).empty());
  EXPECT_TRUE(SlotsForHotKeyId(ids, -1).empty());  // unregistered ids never match
  ids[hsDefApp] = 1;
  EXPECT_EQ(SlotsForHotKeyId(ids, 1), (std::vector<HotKeySlot>{hsThesClip, hsDefApp}));
}

}  // namespace wx
