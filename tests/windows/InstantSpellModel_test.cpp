#include "windows/InstantSpellModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/AtomicFile.h"
#include "common/MemoryRegistry.h"

namespace wx {

namespace {

namespace fs = std::filesystem;

// An editor that records what the model did with it. Rich text is kept as
// given; "loading" rich text fails for text that is not rich.
struct FakeEditor : TInstantSpellEditor {
  bool modified = false;
  std::u16string text;
  std::string rich;  // non-empty: the contents came from rich text
  std::vector<TSaveAnswer> answers;
  std::vector<std::string> saveNames;  // empty string: the dialog is cancelled
  std::vector<std::pair<TInstantSpellNotice, std::string>> notices;
  int questions = 0;
  bool refuseRich = false, refusePlain = false;

  bool Modified() override { return modified; }
  void SetModified(bool m) override { modified = m; }
  void Clear() override {
    text.clear();
    rich.clear();
  }
  std::string RichText() override { return rich.empty() ? "{\\rtf1 " + std::string(text.begin(), text.end()) + "}" : rich; }
  std::u16string PlainText() override { return text; }
  bool LoadRichText(std::string_view rtf) override {
    if (refuseRich) return false;
    rich = std::string(rtf);
    text = u"(rich)";
    return true;
  }
  bool LoadPlainText(std::u16string_view t) override {
    if (refusePlain) return false;
    rich.clear();
    text = std::u16string(t);
    return true;
  }
  TSaveAnswer AskSaveChanges() override {
    ++questions;
    TSaveAnswer a = answers.empty() ? TSaveAnswer::Cancel : answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return a;
  }
  bool ChooseSaveName(std::string& path) override {
    if (saveNames.empty()) return false;
    path = saveNames.front();
    saveNames.erase(saveNames.begin());
    return !path.empty();
  }
  void Notice(TInstantSpellNotice n, const std::string& path) override { notices.emplace_back(n, path); }
};

class InstantSpellDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wx-instant-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Read(const std::string& name) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(Path(name), bytes)) << name;
    return bytes;
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  size_t FilesInFolder() const { return size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
  FakeEditor editor;
  TInstantSpellModel model{editor};
};

}  // namespace

TEST(InstantSpellText, PlainTextKeepsEveryCharacter) {
  // Within the ANSI code page: one byte a character, lines ended by CR LF.
  EXPECT_EQ(EncodePlainText(u"caf\u00e9 \u20ac\rnext\r\nlast\n"), "caf\xe9 \x80\r\nnext\r\nlast\r\n");
  // Greek is outside it: UTF-8 behind a byte-order mark, never "?".
  const std::u16string greek = u"\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1 \u20ac";
  const std::string bytes = EncodePlainText(greek);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(bytes.find('?'), std::string::npos);
  EXPECT_EQ(DecodePlainText(bytes), greek);
  // Both kinds read back as written, also ANSI text whose bytes would look
  // like UTF-8 ("Ã©") or a byte-order mark ("ï»¿", "ÿþ").
  for (std::u16string t : {u"caf\u00e9", u"\u00c3\u00a9t\u00e9", u"\u00ef\u00bb\u00bfx", u"\u00ff\u00fe"})
    EXPECT_EQ(DecodePlainText(EncodePlainText(t)), t);
  // Files written elsewhere: UTF-16 with its mark, UTF-8 without one, ANSI.
  EXPECT_EQ(DecodePlainText(std::string("\xFF\xFEh\0\xb1\x03", 6)), u"h\u03b1");
  EXPECT_EQ(DecodePlainText(std::string("\xFE\xFF\0h\x03\xb1", 6)), u"h\u03b1");
  EXPECT_EQ(DecodePlainText("\xce\xb1\xce\xb2"), u"\u03b1\u03b2");
  EXPECT_EQ(DecodePlainText("na\xefve"), u"na\u00efve");           // not UTF-8: ANSI
  EXPECT_EQ(DecodePlainText("\xc0\xaf"), u"\u00c0\u00af");          // an overlong form is not UTF-8
  EXPECT_EQ(DecodePlainText("\xe2\x82"), u"\u00e2\u201a");          // nor is a cut-off sequence
  EXPECT_EQ(DecodePlainText(std::string("\xFF\xFEh", 3)), u"");     // an odd last byte is dropped
}

TEST(InstantSpellText, FormatAndExtensionFollowTheRules) {
  EXPECT_TRUE(LooksLikeRichText("{\\rtf1\\ansi hello}"));
  EXPECT_FALSE(LooksLikeRichText(" {\\rtf1}"));
  EXPECT_FALSE(LooksLikeRichText("{\\rt"));
  EXPECT_TRUE(IsRichTextName("C:\\a\\Letter.RTF"));
  EXPECT_FALSE(IsRichTextName("C:\\a\\letter.doc"));
  EXPECT_FALSE(IsRichTextName("rtf"));
  EXPECT_EQ(WithDefaultExtension("C:\\docs\\note"), "C:\\docs\\note.txt");
  EXPECT_EQ(WithDefaultExtension("C:\\docs.old\\note"), "C:\\docs.old\\note.txt");
  EXPECT_EQ(WithDefaultExtension("C:\\docs\\note.rtf"), "C:\\docs\\note.rtf");
  EXPECT_EQ(WithDefaultExtension("C:\\docs\\note."), "C:\\docs\\note.txt");
}

TEST_F(InstantSpellDocument, YesAndACancelledSaveAsKeepTheText) {
  editor.text = u"unsaved words";
  editor.modified = true;
  // Close, New/Clear and a load are all stopped.
  editor.answers = {TSaveAnswer::Yes, TSaveAnswer::Yes, TSaveAnswer::Yes};
  EXPECT_FALSE(model.CloseQuery());
  EXPECT_FALSE(model.NewClear());
  Write("other.txt", "other");
  EXPECT_FALSE(model.Load(Path("other.txt")));
  EXPECT_EQ(editor.questions, 3);
  EXPECT_EQ(editor.text, u"unsaved words");
  EXPECT_TRUE(editor.modified);
  EXPECT_EQ(model.FileName(), "");
  // Yes with a name given: saved, then the text may go.
  editor.answers = {TSaveAnswer::Yes};
  editor.saveNames = {Path("kept")};
  EXPECT_TRUE(model.NewClear());
  EXPECT_EQ(Read("kept.txt"), "unsaved words");
  EXPECT_EQ(editor.text, u"");
  EXPECT_EQ(model.FileName(), "");
  EXPECT_FALSE(editor.modified);
}

TEST_F(InstantSpellDocument, CloseQueryAsksOnlyForAModifiedTextUnlessToldNotTo) {
  EXPECT_TRUE(model.CloseQuery());
  EXPECT_EQ(editor.questions, 0);
  editor.modified = true;
  editor.answers = {TSaveAnswer::Cancel, TSaveAnswer::No};
  EXPECT_FALSE(model.CloseQuery());
  EXPECT_TRUE(model.CloseQuery());
  model.noPromptToSave = true;
  EXPECT_TRUE(model.CloseQuery());
  EXPECT_EQ(editor.questions, 2);
}

TEST_F(InstantSpellDocument, AFailedLoadKeepsTheOldNameAndText) {
  editor.text = u"mine";
  editor.saveNames = {Path("mine.txt")};
  ASSERT_EQ(model.SaveAs(), TInstantSpellModel::SaveResult::Saved);
  // Missing: the message names the file, nothing else changes.
  EXPECT_FALSE(model.Load(Path("missing.txt")));
  ASSERT_EQ(editor.notices.size(), 1u);
  EXPECT_EQ(editor.notices[0], std::make_pair(TInstantSpellNotice::FileNotFound, Path("missing.txt")));
  // Unreadable in either mode: reported, and the old name stays.
  Write("bad.rtf", "{\\rtf1 broken");
  editor.refuseRich = editor.refusePlain = true;
  EXPECT_FALSE(model.Load(Path("bad.rtf")));
  ASSERT_EQ(editor.notices.size(), 2u);
  EXPECT_EQ(editor.notices[1], std::make_pair(TInstantSpellNotice::LoadFailed, Path("bad.rtf")));
  editor.refuseRich = editor.refusePlain = false;
  EXPECT_EQ(model.FileName(), Path("mine.txt"));
  EXPECT_EQ(editor.text, u"mine");
  // A later Save still goes to the file the user saw.
  editor.text = u"mine, edited";
  EXPECT_EQ(model.Save(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_EQ(Read("mine.txt"), "mine, edited");
}

TEST_F(InstantSpellDocument, ReadModeFollowsTheContentNotTheLastSave) {
  Write("letter.rtf", "{\\rtf1\\ansi Dear}");
  Write("fake.rtf", "plain words in an .rtf file");
  // A plain-text save first.
  editor.text = u"plain";
  editor.saveNames = {Path("plain.txt")};
  ASSERT_EQ(model.SaveAs(), TInstantSpellModel::SaveResult::Saved);
  ASSERT_TRUE(model.Load(Path("letter.rtf")));
  EXPECT_EQ(editor.rich, "{\\rtf1\\ansi Dear}");
  EXPECT_FALSE(editor.modified);
  // Saving it again writes the same rich text, not markup nested in markup.
  EXPECT_EQ(model.Save(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_EQ(Read("letter.rtf"), "{\\rtf1\\ansi Dear}");
  // Plain words named .rtf are read as plain text.
  ASSERT_TRUE(model.Load(Path("fake.rtf")));
  EXPECT_EQ(editor.text, u"plain words in an .rtf file");
  // Rich text the editor refuses is shown as plain text.
  editor.refuseRich = true;
  ASSERT_TRUE(model.Load(Path("letter.rtf")));
  EXPECT_EQ(editor.text, u"{\\rtf1\\ansi Dear}");
  EXPECT_EQ(model.FileName(), Path("letter.rtf"));
}

TEST_F(InstantSpellDocument, SaveGoesThroughATemporaryFileAndNeverHalfWrites) {
  editor.text = u"first";
  editor.modified = true;
  editor.saveNames = {Path("doc.txt")};
  ASSERT_EQ(model.Save(), TInstantSpellModel::SaveResult::Saved);
  editor.text = u"second";
  editor.modified = true;
  ASSERT_EQ(model.Save(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_EQ(Read("doc.txt"), "second");
  EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left behind";
  // A save that cannot be written (its folder is gone) reports, keeps the
  // name and the modified flag, and a Yes that led to it keeps the text.
  editor.modified = true;
  editor.answers = {TSaveAnswer::Yes};
  fs::remove(dir_ / "doc.txt");
  editor.saveNames = {(dir_ / "gone" / "x.txt").string()};
  EXPECT_FALSE(model.CloseQuery());
  ASSERT_FALSE(editor.notices.empty());
  EXPECT_EQ(editor.notices.back().first, TInstantSpellNotice::SaveFailed);
  EXPECT_TRUE(editor.modified);
  EXPECT_EQ(model.FileName(), Path("doc.txt"));
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(InstantSpellDocument, SaveAsChoosesTheFormatByName) {
  editor.text = u"\u0393\u03b5\u03b9\u03ac \u03c3\u03bf\u03c5";
  editor.saveNames = {Path("greek"), Path("greek.RTF"), Path("greek.doc")};
  ASSERT_EQ(model.SaveAs(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_EQ(model.FileName(), Path("greek.txt"));
  ASSERT_EQ(model.SaveAs(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_TRUE(LooksLikeRichText(Read("greek.RTF")));
  ASSERT_EQ(model.SaveAs(), TInstantSpellModel::SaveResult::Saved);
  EXPECT_FALSE(LooksLikeRichText(Read("greek.doc")));
  // The Greek text reads back from the plain file.
  editor.text.clear();
  ASSERT_TRUE(model.Load(Path("greek.txt")));
  EXPECT_EQ(editor.text, u"\u0393\u03b5\u03b9\u03ac \u03c3\u03bf\u03c5");
  // Save on a text whose file was deleted meanwhile asks for a name.
  fs::remove(dir_ / "greek.txt");
  EXPECT_EQ(model.Save(), TInstantSpellModel::SaveResult::Cancelled);
}

TEST(InstantSpellSettings, TogglesGetDefaultsAndRefuseAWrongType) {
  MemoryRegistry reg;
  TInstantSpellToggles t = ReadInstantSpellToggles(reg);
  EXPECT_FALSE(t.noPromptToSave);
  EXPECT_TRUE(t.activeSpell);
  uint32_t v = 9;
  ASSERT_TRUE(reg.GetDword(kInstantSpellKey, "ActiveSpellModeIS", v));
  EXPECT_EQ(v, 1u);
  WriteInstantSpellToggles(reg, {true, false});
  t = ReadInstantSpellToggles(reg);
  EXPECT_TRUE(t.noPromptToSave);
  EXPECT_FALSE(t.activeSpell);
  reg.SetString(kInstantSpellKey, "PromptToSave", "1");
  EXPECT_THROW(ReadInstantSpellToggles(reg), ERegistryException);
}

TEST(InstantSpellSettings, FontKeepsDefaultsForMissingOrBadValues) {
  MemoryRegistry reg;
  EXPECT_EQ(ReadInstantSpellFont(reg), TInstantSpellFont{});
  TInstantSpellFont f{"Arial", 255, 12, 3};
  WriteInstantSpellFont(reg, f);
  EXPECT_EQ(ReadInstantSpellFont(reg), f);
  std::string color;
  reg.GetString(std::string(kInstantSpellKey) + "\\Font", "Color", color);
  EXPECT_EQ(color, "255");
  reg.SetString(std::string(kInstantSpellKey) + "\\Font", "Size", "big");
  reg.SetDword(std::string(kInstantSpellKey) + "\\Font", "Style", 1);
  TInstantSpellFont read = ReadInstantSpellFont(reg);
  EXPECT_EQ(read.size, 8);
  EXPECT_EQ(read.style, 0);
  EXPECT_EQ(read.name, "Arial");
}

TEST(InstantSpellSettings, PlaceComesBackOntoAWorkArea) {
  MemoryRegistry reg;
  const std::vector<TRect> work = {{0, 0, 1024, 738}};
  const TRect design{100, 80, 655, 426};
  TInstantSpellPlace p = ReadInstantSpellPlace(reg, design, work);
  EXPECT_FALSE(p.placed);
  EXPECT_FALSE(p.maximized);
  EXPECT_EQ(p.bounds, design);
  // Maximised, with its normal place kept for restoring.
  WriteInstantSpellPlace(reg, {true, true, {10, 20, 610, 420}});
  std::string state;
  reg.GetString(kInstantSpellKey, "State", state);
  EXPECT_EQ(state, "2");
  p = ReadInstantSpellPlace(reg, design, work);
  EXPECT_TRUE(p.maximized);
  EXPECT_EQ(p.bounds, (TRect{10, 20, 610, 420}));
  // Stored on a monitor that is gone, larger than the screen, or shrunk to
  // nothing: on the work area, within its size, no smaller than the minimum.
  WriteInstantSpellPlace(reg, {false, true, {3000, 2000, 3600, 2400}});
  EXPECT_EQ(ReadInstantSpellPlace(reg, design, work).bounds, (TRect{424, 338, 1024, 738}));
  WriteInstantSpellPlace(reg, {false, true, {-50, -50, 4000, 3000}});
  EXPECT_EQ(ReadInstantSpellPlace(reg, design, work).bounds, (TRect{0, 0, 1024, 738}));
  reg.SetString(kInstantSpellKey, "Width", "0");
  reg.SetString(kInstantSpellKey, "Height", "-2147483648");
  TRect small = ReadInstantSpellPlace(reg, design, work).bounds;
  EXPECT_EQ(small.Width(), kInstantSpellMinWidth);
  EXPECT_EQ(small.Height(), kInstantSpellMinHeight);
  // A minimised state opens normally.
  reg.SetString(kInstantSpellKey, "State", "1");
  EXPECT_FALSE(ReadInstantSpellPlace(reg, design, work).maximized);
}

}  // namespace wx
