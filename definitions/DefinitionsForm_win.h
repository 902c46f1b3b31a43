// The definitions window: a resizable modal Win32 dialog built from code. It
// shows what TDefinitionsFormModel holds and passes the user's actions to it.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Captions_win.h"
#include "definitions/DefinitionsDialog.h"
#include "definitions/DefinitionsFormModel.h"
#include "definitions/DefinitionsFormTexts.h"
#include "ui/Dpi_win.h"

namespace wx {

class TDefinitionsForm : public TDefinitionsWindow {
 public:
  explicit TDefinitionsForm(HWND owner);
  ~TDefinitionsForm() override;
  TDefinitionsForm(const TDefinitionsForm&) = delete;
  TDefinitionsForm& operator=(const TDefinitionsForm&) = delete;

  // TDefinitionsWindow
  void SetDatabase(TDefinitionsDatabase& database, int definitionsHeightPercent) override;
  void SetReturnButtonCaption(const std::string& caption) override { returnCaption_ = caption; }
  void SetFontSize(int size) override { fontSize_ = size; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;
  void GetBounds(int& left, int& top, int& width, int& height) const override;
  void SetActions(TCopyButtonPressAction copy, TListDoubleClickAction doubleClick,
                  std::function<void()> onCopyClick) override;
  void LookUp(const std::string& word) override;
  bool ShowModal() override;

  // Called by RunModalDialog.
  void Attach(HWND hwnd);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  std::string LastSearchedWord() const override { return model_.lastSearched; }
  std::string OfferedWord() const override { return model_.ReturnWord(); }

  // Installs this window as the one TDefinitionsDialog shows, owned by the
  // window owner() gives.
  static void Install(std::function<HWND()> owner);

 private:
  static LRESULT CALLBACK DefsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK DefEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref);
  static LRESULT CALLBACK WordListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref);
  void ShowError(const std::exception& e);
  void ActivateWordList();
  void KeepFocusOnAnEnabledControl(HWND before);
  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnDefsMessage(HWND defs, UINT msg, WPARAM wp, LPARAM lp);
  void CreateControls();
  void ApplyTexts();
  void Layout();
  void RenderDefinitions();
  void ScrollDefsTo(int pos);
  void Sync();
  void OnCommand(int id, int code, HWND control);
  void EndWith(bool ok);
  void DefinitionSelection(HWND edit);
  int Scale(int px) const { return dpi_.Scale(px); }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  HFONT DefsFont() const { return dpi_.Font(defsFont_); }
  HFONT BoldFont() const { return dpi_.Font(boldFont_); }

  TDefinitionsFormModel model_;
  HWND owner_;
  // The window's DPI and fonts: the message font, the definitions' font
  // and its bold face for the headings (numbers of the follower's fonts).
  TDpiFollower dpi_;
  int defsFont_ = 0, boldFont_ = 0;
  HWND hwnd_ = nullptr;
  HWND defs_ = nullptr;
  int fontSize_ = 0;
  std::string caption_, returnCaption_;
  bool placed_ = false, sized_ = false;
  int left_ = 40, top_ = 40, width_ = 500, height_ = 340;
  std::function<void()> onCopyClick_;
  std::unique_ptr<WindowCaptions> captions_;
  bool ok_ = false;
  bool syncing_ = false;
  uint32_t highlight_ = 0;
  // What is on show, so that lists are rebuilt only when the model changed.
  uint32_t shownRows_ = ~0u, shownWords_ = ~0u, shownTabs_ = ~0u, shownHistory_ = ~0u;
  std::string shownKeyWord_;
  int renderedWidth_ = -1;
  int scrollPos_ = 0, contentHeight_ = 0;
  int posTop_[8] = {};
  std::vector<HWND> defEdits_;
  HWND focusGoingTo_ = nullptr;  // where the focus went from a definition box  // by sense index order of creation
};

}  // namespace wx
