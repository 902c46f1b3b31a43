// The program's own messages in the ten interface languages: the capture's
// notices and questions, the error box, the tray tip and the message dialog,
// built by the functions the program calls.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/AppErrors.h"
#include "app/AppTexts.h"
#include "app/CaptureMessages.h"
#include "app/TrayMenuTexts.h"

namespace wx {

namespace {

// Every message, in the active language.
std::vector<std::string> AllMessages() {
  std::vector<std::string> texts;
  for (int action = paSpellCheckSelected; action <= paDefinitionsSelected; ++action) {
    texts.push_back(CompatibilityModeNotice(action));
    texts.push_back(DirectModeQuestion(action));
    texts.push_back(ClipboardBusyNotice(SelectedActionName(action)));
    texts.push_back(NotRespondingNotice(SelectedActionName(action)));
  }
  // The clipboard actions name themselves the way the tray menu spells them.
  for (const char* name : {"Spell Check ClipBoard", "Thesaurus ClipBoard", "Definitions ClipBoard"})
    texts.push_back(ClipboardBusyNotice(name));
  texts.push_back(EmptyClipboardNotice());
  texts.push_back(ErrorMessageText(EFileNotFoundAppDir("Thesaurus.qxt"), "C:\\Wendrix\\"));
  texts.push_back(ErrorMessageText(EEditorError(), ""));
  texts.push_back(ErrorMessageText(EBrowserError(), ""));
  texts.push_back(UnknownErrorMessageText());
  texts.push_back(TrayBusyTip());
  for (int id : {txtInformationCaption, txtDontShowAgain, txtButtonOK, txtButtonCancel, txtButtonYes, txtButtonNo})
    texts.push_back(AppText(id));
  return texts;
}

// The action names an English message may hold: the table's and the callers'.
std::vector<std::string> EnglishActionNames() {
  std::vector<std::string> names = {"Spell Check ClipBoard", "Thesaurus ClipBoard", "Definitions ClipBoard"};
  for (int id = txtActSpellCheckSelected; id <= txtActDefinitionsClipboard; ++id)
    names.emplace_back(AppTexts().Text(id, UiLanguage::English));
  return names;
}

// The pieces of an English text that a translation must not repeat: its
// lines and sentences, cut at the action names (a translation fills in its
// own names, so the sentence around an English name is found as well as the
// name), without the names and words every language shares.
std::vector<std::string> EnglishPieces(const std::string& text) {
  static const std::set<std::string> kSameInEveryLanguage = {"Thesaurus.qxt", "C:\\Wendrix\\", "OK",
                                                              "Information", "&No"};
  const std::vector<std::string> names = EnglishActionNames();
  std::vector<std::string> pieces;
  std::string piece;
  auto flush = [&] {
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == '.')) piece.pop_back();
    while (!piece.empty() && piece.front() == ' ') piece.erase(0, 1);
    bool hasLetter = false;
    for (char c : piece) hasLetter |= std::isalpha((unsigned char)c) != 0;
    if (hasLetter && !kSameInEveryLanguage.count(piece)) pieces.push_back(piece);
    piece.clear();
  };
  for (size_t i = 0; i < text.size();) {
    size_t skip = 0;
    for (const char* cut : {"\r\n", ". ", "? "})
      if (text.compare(i, 2, cut) == 0) skip = 2;
    for (const std::string& name : names) {
      if (skip != 0 || text.compare(i, name.size(), name) != 0) continue;
      flush();
      piece = name;
      skip = name.size();
    }
    if (skip == 0) {
      piece += text[i++];
      continue;
    }
    flush();
    i += skip;
  }
  flush();
  return pieces;
}

// Whether the character starting at byte `at` of UTF-8 `text` is a letter or
// digit: ASCII, or Latin with accents ("é", "ü", "å"); quotation marks such as
// "„" and "»" are not.
bool LetterAt(const std::string& text, size_t at) {
  const unsigned char c = (unsigned char)text[at];
  return std::isalnum(c) || (c >= 0xC3 && c <= 0xC5);
}

// `words` in `text` as whole words ("Cancel" is not in "Cancelar").
bool ContainsWords(const std::string& text, const std::string& words) {
  for (size_t at = text.find(words); at != std::string::npos; at = text.find(words, at + 1)) {
    size_t previous = at;
    while (previous > 0 && ((unsigned char)text[--previous] & 0xC0) == 0x80) {
    }
    const bool before = at > 0 && LetterAt(text, previous) && LetterAt(words, 0);
    const bool after =
        at + words.size() < text.size() && LetterAt(text, at + words.size()) && std::isalnum((unsigned char)words.back());
    if (!before && !after) return true;
  }
  return false;
}

char AccessKey(std::string_view text) {
  size_t at = text.find('&');
  return at == std::string_view::npos || at + 1 >= text.size() ? 0 : char(std::tolower((unsigned char)text[at + 1]));
}

}  // namespace

TEST(AppTexts, NoEnglishLeftInAnyTranslation) {
  SetActiveUiLanguage(UiLanguage::English);
  const std::vector<std::string> english = AllMessages();
  for (int l = 1; l < kUiLanguageCount; ++l) {
    SetActiveUiLanguage(UiLanguage(l));
    const std::vector<std::string> translated = AllMessages();
    for (size_t i = 0; i < english.size(); ++i)
      for (const std::string& piece : EnglishPieces(english[i]))
        EXPECT_FALSE(ContainsWords(translated[i], piece))
            << UiLanguageName(UiLanguage(l)) << " still says \"" << piece << "\" in:\n"
            << translated[i];
  }
  SetActiveUiLanguage(UiLanguage::English);
}

// The English messages read word for word as before they were translated.
TEST(AppTexts, EnglishMessagesKeepTheirWording) {
  SetActiveUiLanguage(UiLanguage::English);
  EXPECT_EQ(CompatibilityModeNotice(paSpellCheckAll),
            "Spell Check All could not retrieve any text from the working application.\r\n\r\nEither you do not "
            "have any text selected, or the working application does not support the standard Windows hotkeys for "
            "Copy (Ctrl+C), Paste (Ctrl+V), and Select All (Ctrl+A). Please verify that there is text in the focused "
            "control in your application. If you are sure there is text, the application may not support standard "
            "Windows hotkeys for Copy, Paste, and Select All.\r\n\r\nIf this is the case, you will need to manually "
            "copy the text to the clipboard and initiate a Spell Check Clipboard. You may also try selecting the "
            "text and initiating a Spell Check Selected.");
  EXPECT_EQ(DirectModeQuestion(paDefinitionsSelected),
            "Definitions Selected could not retrieve any text from the working application.\r\n\r\nEither you do "
            "not have any text selected, or the working application does not support Definitions Selected.\r\n\r\n"
            "Please verify that you have selected the desired text in your application. If you are sure the text "
            "is selected, the application may not support Definitions Selected.\r\n\r\nIf this is the case, "
            "enabling Compatibility Mode may help, but only if the application supports standard Windows hotkeys "
            "for copying and pasting (Ctrl+C and Ctrl+V).\r\n\r\nDo you want to enable Compatibility Mode?");
  EXPECT_EQ(EmptyClipboardNotice(),
            "You have attempted to use Spell Check Clipboard, however there is nothing in the Windows "
            "Clipboard.\r\n\r\nPlease verify that you have copied the desired text and initiate Spell Check Clipboard again.\r\n\r\n"
            "Contact Morvane Software, " +
                std::string(kSupportEmail) + ", with any questions.");
  // A caller's name stays as given in English and is translated elsewhere.
  EXPECT_EQ(ClipboardBusyNotice("Spell Check ClipBoard").rfind("Spell Check ClipBoard could not use", 0), 0u);
  SetActiveUiLanguage(UiLanguage::German);
  EXPECT_EQ(ClipboardBusyNotice("Spell Check ClipBoard").rfind("„Zwischenablage prüfen“ konnte", 0), 0u);
  EXPECT_EQ(ErrorMessageText(EFileNotFoundAppDir("Thesaurus.qxt"), "C:\\W\\"),
            "Diese Funktion ist aufgrund des folgenden Problems nicht verfügbar:                \r\n\r\n"
            "Eine erforderliche Datei wurde nicht gefunden:\r\nThesaurus.qxt\r\n\r\nDiese Datei sollte sich hier "
            "befinden:\r\nC:\\W\\\r\n\r\nWenn Sie Hilfe benötigen, wenden Sie sich an den\r\nKundensupport unter " +
                std::string(kSupportWebAddress));
  SetActiveUiLanguage(UiLanguage::English);
}

// In the message dialog the check box and the Yes and No buttons keep
// distinct access keys in every language.
TEST(AppTexts, MessageDialogAccessKeysStayDistinct) {
  for (int l = 0; l < kUiLanguageCount; ++l) {
    const UiLanguage language = UiLanguage(l);
    const char check = AccessKey(AppTexts().Text(txtDontShowAgain, language));
    const char yes = AccessKey(AppTexts().Text(txtButtonYes, language));
    const char no = AccessKey(AppTexts().Text(txtButtonNo, language));
    EXPECT_TRUE(check != yes && check != no && yes != no) << UiLanguageName(language);
  }
}

}  // namespace wx
