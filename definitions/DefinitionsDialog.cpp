#include "definitions/DefinitionsDialog.h"

namespace wx {

namespace {
TDefinitionsWindowFactory& Factory() {
  static TDefinitionsWindowFactory factory;
  return factory;
}
}  // namespace

TCustomDefinitionsDialog::TCustomDefinitionsDialog() : database_(std::make_unique<TDefinitionsDatabase>()) {}
TCustomDefinitionsDialog::~TCustomDefinitionsDialog() = default;

void TCustomDefinitionsDialog::SetDatabaseFile(const std::string& name) { database_->SetDatabaseFile(name); }

void TCustomDefinitionsDialog::SetWinLeft(int left) {
  winLeft_ = left;
  ScreenCentered = false;
}

void TCustomDefinitionsDialog::SetWinTop(int top) {
  winTop_ = top;
  ScreenCentered = false;
}

TDefinitionsDialog::~TDefinitionsDialog() { window_.reset(); }

void TDefinitionsDialog::SetWindowFactory(TDefinitionsWindowFactory factory) { Factory() = std::move(factory); }

std::string TDefinitionsDialog::ResultWord() const {
  if (window_ && !windowGone_) return window_->OfferedWord();
  return resultWord_;
}

bool TDefinitionsDialog::Execute() {
  if (!Factory()) return false;
  // Frees the window at the end when asked to, also when the session fails.
  struct Finally {
    TDefinitionsDialog& d;
    ~Finally() {
      if (d.FreeOnClose) {
        d.window_.reset();
        d.windowGone_ = false;
      }
    }
  } finally{*this};

  bool isNew = false;
  if (!window_ || windowGone_) {
    window_.reset();
    windowGone_ = false;
    window_ = Factory()(*this);
    if (!window_) return false;
    isNew = true;
    window_->SetDatabase(*database_, DefinitionsHeightPercent);
    if (!CopyButtonCaption.empty()) window_->SetReturnButtonCaption(CopyButtonCaption);
  }
  if (FontSize != 0) window_->SetFontSize(FontSize);
  if (!Caption.empty()) window_->SetCaption(Caption);
  database_->matchForms = MatchPartOfSpeech;
  database_->derivedForms = TryDerivedForms;
  if (isNew || !RememberPosition) {
    if (ScreenCentered) window_->SetSize(WinWidth, WinHeight);
    else window_->SetBounds(winLeft_, winTop_, WinWidth, WinHeight);
  }
  window_->SetActions(CopyClickAction, ListDblClickAction, [this] {
    if (OnCopyClick) OnCopyClick(*this);
  });
  if (!LookupWord.empty()) window_->LookUp(LookupWord);
  if (OnExecute) OnExecute(*this);
  bool ok = window_->ShowModal();
  LookupWord = window_->LastSearchedWord();
  resultWord_ = window_->OfferedWord();
  if (RememberPosition) window_->GetBounds(winLeft_, winTop_, WinWidth, WinHeight);
  return ok;
}

void TDefinitionsDialog::TakeOpenWindowBounds() {
  if (RememberPosition && window_ && !windowGone_) window_->GetBounds(winLeft_, winTop_, WinWidth, WinHeight);
}

}  // namespace wx
