// The thesaurus component: it owns the thesaurus file, holds the options,
// runs one modal dialog session for a word and returns the replacement the
// user chose. The dialog form is anything that implements TThesaurusForm and
// holds a TThesaurusDialogCtrl, through which it talks to the component; the
// standard form is TThesDialog (Windows), tests use their own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "thesaurus/ThesaurusFile.h"
#include "thesaurus/ThesaurusTexts.h"

// <windows.h> defines CreateDialog as a macro; the component's operation of
// that name must not be renamed by it (include <windows.h> first).
#ifdef CreateDialog
#undef CreateDialog
#endif

namespace wx {

enum class TDialogDoubleClickAction { dcaNone, dcaReplace, dcaLookup };

enum TThesaurusDialogCommand : uint8_t {
  tdcLookedUp = 0, tdcPrevious = 1, tdcLookup = 2, tdcReplace = 3, tdcClose = 4
};
// A set of commands, bit n for command n (all five = 31).
struct TThesaurusDialogCommands {
  uint8_t bits = 31;
  bool Has(TThesaurusDialogCommand c) const { return bits & (1u << c); }
  TThesaurusDialogCommands& Set(TThesaurusDialogCommand c, bool on) {
    bits = uint8_t(on ? bits | (1u << c) : bits & ~(1u << c));
    return *this;
  }
};

enum class TModalResult { mrNone, mrOk, mrCancel };

using TContextList = std::vector<std::unique_ptr<TThesaurusEntry>>;
class TThesaurusBase;
class TThesaurusDialogCtrl;

// Events: the sender first.
using TPromptLookupEvent =
    std::function<void(void* sender, const std::string& word, const TContextList& contexts)>;
using TPromptContextEvent =
    std::function<void(void* sender, const std::vector<std::string>& words)>;
using TThesaurusNotifyEvent = std::function<void(void* sender)>;
using TThesaurusGetStringEvent = std::function<void(void* sender, int index, std::string& text)>;

// A form that can serve as the thesaurus dialog.
class TThesaurusForm {
 public:
  virtual ~TThesaurusForm() = default;
  // The first dialog control among the form's components, or none.
  virtual TThesaurusDialogCtrl* FindDialogCtrl() = 0;
  virtual void SetHelp(const std::string& /*file*/, int /*context*/) {}
  // Centres the form on its owner (or the screen).
  virtual void Center() {}
  // Shows the form modally: runs OnShow once it is shown and returns when it
  // is closed, with its modal result.
  virtual TModalResult ShowModal() = 0;
  // Closes a shown form with this result.
  virtual void SetModalResult(TModalResult result) = 0;
  virtual bool Showing() const = 0;

  std::function<void()> OnShow;
};

using TCustomThesaurusDialogEvent =
    std::function<void(void* sender, std::unique_ptr<TThesaurusForm>& form, bool create)>;

// The component's proxy on a dialog form. Every method forwards to the
// attached component and does nothing while none is attached.
class TThesaurusDialogCtrl {
 public:
  TThesaurusBase* Thesaurus() const { return thesaurus_; }
  TThesaurusDialogCommands CommandsEnabled() const { return enabled_; }
  TThesaurusDialogCommands CommandsVisible() const { return visible_; }

  void SelectContext(int index);
  void LookupWord(const std::string& word);
  void Replace(const std::string& word);
  void ReplaceWithText(const std::string& utf8);
  void WordDoubleClick(const std::string& word);
  void CloseDialog();
  void GetString(int index, std::string& text) const;

  TPromptLookupEvent OnPromptLookup;
  TPromptContextEvent OnPromptContext;
  TThesaurusNotifyEvent OnActivate;

 private:
  friend class TThesaurusBase;
  TThesaurusBase* thesaurus_ = nullptr;
  TThesaurusDialogCommands enabled_, visible_;
};

class TThesaurusBase {
 public:
  TThesaurusBase();
  virtual ~TThesaurusBase();
  TThesaurusBase(const TThesaurusBase&) = delete;
  TThesaurusBase& operator=(const TThesaurusBase&) = delete;

  // The file name may hold path macros; the expanded name goes to the file
  // (a missing file is ignored there). ExpandFileName does the expansion; by
  // default the program's path macros.
  void SetFilename(const std::string& name);
  const std::string& Filename() const { return filename_; }
  std::function<std::string(const std::string&)> ExpandFileName;

  bool SortedLists = false;
  TDialogDoubleClickAction DoubleClickAction = TDialogDoubleClickAction::dcaLookup;
  TThesaurusLanguageType UILanguage = TThesaurusLanguageType::ltEnglish;
  TThesaurusDialogCommands CommandsEnabled, CommandsVisible;
  std::string HelpFile;
  int HelpCtxThesaurusDialog = 0;

  TCustomThesaurusDialogEvent OnCreateThesaurusDialog;
  TPromptLookupEvent OnPromptLookup;
  TPromptContextEvent OnPromptContext;
  TThesaurusNotifyEvent OnBeforeChange;
  TThesaurusGetStringEvent OnGetString;

  // The chosen word of the last session ("" when the user closed without one).
  const std::string& ReplacementWord() const { return replacementWord_; }
  // The same as the user typed it (UTF-8): a typed replacement may hold
  // characters that the code page of ReplacementWord cannot.
  const std::string& ReplacementText() const { return replacementText_; }
  TThesaurusFile& File() { return file_; }
  bool InSession() const { return inSession_; }
  TThesaurusForm* DialogForm() const { return form_.get(); }

  // Centres the dialog and runs a session: the program's only entry.
  virtual void ShowThesaurusAt(const std::string& word, std::string& replacement);
  // One modal session for word; replacement gets the chosen word. Returns at
  // once while a session runs; leaves replacement alone when the data cannot be loaded.
  virtual void RunDialog(const std::string& word, std::string& replacement);

  // UTF-8 text of the dialog (index 0..8), "%name%" in the caption replaced.
  virtual std::string GetString(int index);
  virtual void SelectContext(int index);
  virtual void LookupAndPrompt(const std::string& word);
  virtual void Replace(const std::string& word);
  // Replace with text typed by the user (UTF-8), kept whole for ReplacementText.
  void ReplaceWithText(const std::string& utf8);
  virtual void WordDoubleClick(const std::string& word);
  virtual void CloseDialog();

  // The word list that a meaning shows: kinds 1 to 4 pick their list; kind 0
  // the first list holding the context word, else list 1.
  static const std::vector<std::string>& ContextWords(const TThesaurusEntry& meaning);

 protected:
  virtual void PositionDialog();
  virtual void AttachDialogCtrl();
  virtual void PromptLookup();
  virtual void DialogShow();
  // Makes the standard dialog; the base class has none.
  virtual std::unique_ptr<TThesaurusForm> CreateDialog() { return nullptr; }
  // The wait cursor during loading (the Windows component shows the hourglass).
  virtual void SaveCursorShowWait() {}
  virtual void RestoreCursor() {}

 private:
  TThesaurusFile file_;
  std::string filename_;
  std::string replacementWord_;
  std::string replacementText_;
  bool inSession_ = false;
  int position_[4] = {-1, -1, -1, -1};
  std::unique_ptr<TThesaurusForm> form_;
  TThesaurusDialogCtrl* dialogCtrl_ = nullptr;
  std::function<void()> previousOnShow_;
  std::vector<std::string> sortedWords_;  // the shown list when SortedLists is set
};

}  // namespace wx
