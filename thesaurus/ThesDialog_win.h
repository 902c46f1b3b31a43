// The standard thesaurus dialog: a modal Win32 dialog built from code. It
// shows what TThesDialogModel holds and passes the user's actions to it.
#pragma once

#include <windows.h>

#include "thesaurus/ThesDialogModel.h"
#include "thesaurus/ThesaurusBase.h"
#include "ui/Dpi_win.h"

namespace wx {

// Control identifiers (tests find the controls by them).
enum ThesDialogControlId : int {
  idLookedUpLabel = 101,
  idLookupCombo = 102,
  idContextsLabel = 103,
  idContextLV = 104,
  idReplaceWithLabel = 105,
  idReplaceEdit = 106,
  idWordList = 107,
  idPreviousButton = 108,
  idReplaceButton = 109,
  idCloseButton = IDCANCEL,  // the Esc key
  idLookupButton = 111,
};

class TThesDialog : public TThesaurusForm {
 public:
  explicit TThesDialog(HWND owner = nullptr);
  ~TThesDialog() override;

  TThesaurusDialogCtrl* FindDialogCtrl() override { return &ctrl_; }
  void Center() override { centre_ = true; }
  TModalResult ShowModal() override;
  void SetModalResult(TModalResult result) override;
  bool Showing() const override { return hwnd_ != nullptr; }

  HWND Handle() const { return hwnd_; }
  const TThesDialogModel& Model() const { return model_; }

  // Called by RunModalDialog.
  void Attach(HWND hwnd);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void CreateControls();
  void Sync();
  void FillContexts();
  void FillWords();
  void CentreSelectedWord();
  int Scale(int px) const { return dpi_.Scale(px); }

  TThesaurusDialogCtrl ctrl_;
  TThesDialogModel model_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  TDpiFollower dpi_;  // the window's DPI and font, followed on a change of monitor
  bool centre_ = false;
  bool syncing_ = false;
  TModalResult result_ = TModalResult::mrNone;
  uint32_t shownHistory_ = 0, shownContexts_ = 0, shownWords_ = 0, shownReplace_ = 0;
};

}  // namespace wx
