// The lookup component through which the program opens the definitions
// window and gets the chosen word back. The component owns the database; the
// window (Windows code) implements TDefinitionsWindow and is made by the
// factory the program installs, so the component's behaviour is portable and
// tested with a fake window.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "definitions/DefinitionsDatabase.h"

namespace wx {

enum TCopyButtonPressAction { cbpCloseAndReturn, cbpCopyClipboard, cbpNoAction };
enum TListDoubleClickAction { ldcLookupWord, ldcReturnWord };

class TCustomDefinitionsDialog;
using TDefinitionsDialogEvent = std::function<void(TCustomDefinitionsDialog& sender)>;

// What the component asks of the definitions window.
class TDefinitionsWindow {
 public:
  virtual ~TDefinitionsWindow() = default;
  virtual void SetDatabase(TDefinitionsDatabase& database, int definitionsHeightPercent) = 0;
  virtual void SetReturnButtonCaption(const std::string& caption) = 0;
  virtual void SetFontSize(int size) = 0;  // definitions area and word list
  virtual void SetCaption(const std::string& caption) = 0;
  // Size only (the platform places the window) or position and size.
  virtual void SetSize(int width, int height) = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual void GetBounds(int& left, int& top, int& width, int& height) const = 0;
  virtual void SetActions(TCopyButtonPressAction copy, TListDoubleClickAction doubleClick,
                          std::function<void()> onCopyClick) = 0;
  // Puts word in the word box and searches it.
  virtual void LookUp(const std::string& word) = 0;
  // Shows the window modally; true when it was closed with OK.
  virtual bool ShowModal() = 0;
  virtual std::string LastSearchedWord() const = 0;
  virtual std::string OfferedWord() const = 0;
};

using TDefinitionsWindowFactory = std::function<std::unique_ptr<TDefinitionsWindow>(TCustomDefinitionsDialog& owner)>;

class TCustomDefinitionsDialog {
 public:
  TCustomDefinitionsDialog();
  virtual ~TCustomDefinitionsDialog();

  virtual std::string ResultWord() const = 0;
  virtual bool Execute() = 0;

  TDefinitionsDatabase& Database() { return *database_; }

  std::string Caption;
  std::string CopyButtonCaption;
  TCopyButtonPressAction CopyClickAction = cbpCloseAndReturn;
  bool FreeOnClose = true;
  TListDoubleClickAction ListDblClickAction = ldcLookupWord;
  std::string LookupWord;
  bool MatchPartOfSpeech = true;
  bool RememberPosition = true;
  bool ScreenCentered = true;
  bool TryDerivedForms = true;
  TDefinitionsDialogEvent OnCopyClick;
  TDefinitionsDialogEvent OnExecute;

  // Passes the name to the database (refused while the database is open).
  void SetDatabaseFile(const std::string& name);
  const std::string& DatabaseFile() const { return database_->DatabaseFile(); }
  // Setting either position turns ScreenCentered off.
  void SetWinLeft(int left);
  void SetWinTop(int top);
  int WinLeft() const { return winLeft_; }
  int WinTop() const { return winTop_; }

 protected:
  std::unique_ptr<TDefinitionsDatabase> database_;
  int winLeft_ = 40;
  int winTop_ = 40;
};

class TDefinitionsDialog : public TCustomDefinitionsDialog {
 public:
  TDefinitionsDialog() = default;
  ~TDefinitionsDialog() override;

  // The program installs the factory of its window once.
  static void SetWindowFactory(TDefinitionsWindowFactory factory);

  std::string ResultWord() const override;
  // Runs the window; true when it closed with OK. Without a window factory
  // nothing is shown and the result is false.
  bool Execute() override;

  // Called by the window when it is destroyed by other means.
  void WindowDestroyed() { windowGone_ = true; }
  // Takes the place of the window while it is open (when the place is
  // remembered), so that it can be stored before the window closes.
  void TakeOpenWindowBounds();
  TDefinitionsWindow* Window() const { return window_.get(); }

  int WinWidth = 500;
  int WinHeight = 340;
  int FontSize = 0;
  int DefinitionsHeightPercent = 35;

 private:
  std::unique_ptr<TDefinitionsWindow> window_;
  bool windowGone_ = false;
  std::string resultWord_;
};

}  // namespace wx
