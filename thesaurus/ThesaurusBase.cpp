#include "thesaurus/ThesaurusBase.h"

#include <algorithm>

#include "common/AnsiText.h"
#include "common/ExpandMacros.h"

namespace wx {

// ---- TThesaurusDialogCtrl ----

void TThesaurusDialogCtrl::SelectContext(int index) {
  if (thesaurus_) thesaurus_->SelectContext(index);
}
void TThesaurusDialogCtrl::LookupWord(const std::string& word) {
  if (thesaurus_) thesaurus_->LookupAndPrompt(word);
}
void TThesaurusDialogCtrl::Replace(const std::string& word) {
  if (thesaurus_) thesaurus_->Replace(word);
}
void TThesaurusDialogCtrl::ReplaceWithText(const std::string& utf8) {
  if (thesaurus_) thesaurus_->ReplaceWithText(utf8);
}
void TThesaurusDialogCtrl::WordDoubleClick(const std::string& word) {
  if (thesaurus_) thesaurus_->WordDoubleClick(word);
}
void TThesaurusDialogCtrl::CloseDialog() {
  if (thesaurus_) thesaurus_->CloseDialog();
}
void TThesaurusDialogCtrl::GetString(int index, std::string& text) const {
  text = thesaurus_ ? thesaurus_->GetString(index) : std::string();
}

// ---- TThesaurusBase ----

TThesaurusBase::TThesaurusBase()
    : ExpandFileName([](const std::string& name) { return ExpandMacros(name); }) {}

TThesaurusBase::~TThesaurusBase() = default;

void TThesaurusBase::SetFilename(const std::string& name) {
  filename_ = name;
  file_.SetFileName(ExpandFileName ? ExpandFileName(name) : name);
}

void TThesaurusBase::ShowThesaurusAt(const std::string& word, std::string& replacement) {
  for (int& p : position_) p = -1;
  RunDialog(word, replacement);
}

void TThesaurusBase::RunDialog(const std::string& word, std::string& replacement) {
  if (inSession_) return;
  inSession_ = true;
  const bool wasLoaded = file_.Loaded();
  SaveCursorShowWait();
  // Whatever happens, the cursor, the loaded state and the running mark come back.
  struct Restore {
    TThesaurusBase& t;
    bool wasLoaded;
    ~Restore() {
      t.RestoreCursor();
      t.file_.SetLoaded(wasLoaded);
      t.inSession_ = false;
    }
  } restore{*this, wasLoaded};

  file_.Lookup(word);
  if (!file_.Loaded()) return;

  // Forgets the form however the session ends.
  struct DisposeForm {
    TThesaurusBase& t;
    ~DisposeForm() {
      t.dialogCtrl_ = nullptr;
      if (t.OnCreateThesaurusDialog)
        t.OnCreateThesaurusDialog(&t, t.form_, false);
      t.form_.reset();
    }
  } dispose{*this};

  if (OnCreateThesaurusDialog)
    OnCreateThesaurusDialog(this, form_, true);
  else
    form_ = CreateDialog();
  replacementWord_.clear();
  replacementText_.clear();
  if (form_) {
    form_->SetHelp(HelpFile, HelpCtxThesaurusDialog);
    previousOnShow_ = form_->OnShow;
    form_->OnShow = [this] { DialogShow(); };
    AttachDialogCtrl();
    PositionDialog();
    struct RestoreOnShow {
      TThesaurusBase& t;
      ~RestoreOnShow() {
        if (t.form_) t.form_->OnShow = t.previousOnShow_;
        t.previousOnShow_ = nullptr;
      }
    } restoreOnShow{*this};
    form_->ShowModal();
  } else {
    PromptLookup();
  }
  replacement = replacementWord_;
}

void TThesaurusBase::AttachDialogCtrl() {
  TThesaurusDialogCtrl* ctrl = form_ ? form_->FindDialogCtrl() : nullptr;
  if (!ctrl || ctrl->thesaurus_) return;
  ctrl->thesaurus_ = this;
  ctrl->enabled_ = CommandsEnabled;
  ctrl->visible_ = CommandsVisible;
  dialogCtrl_ = ctrl;
  if (ctrl->OnActivate) ctrl->OnActivate(ctrl);
}

void TThesaurusBase::PositionDialog() {
  if (form_ && position_[0] == -1 && position_[1] == -1) form_->Center();
}

void TThesaurusBase::DialogShow() {
  PromptLookup();
  if (previousOnShow_) previousOnShow_();
  RestoreCursor();
}

void TThesaurusBase::PromptLookup() {
  auto& contexts = file_.Contexts();
  if (SortedLists)
    std::stable_sort(contexts.begin(), contexts.end(), [](const auto& a, const auto& b) {
      return a->contextWord < b->contextWord;
    });
  const std::string& word = file_.ContextWord();
  if (OnPromptLookup) OnPromptLookup(this, word, contexts);
  if (dialogCtrl_ && dialogCtrl_->OnPromptLookup) dialogCtrl_->OnPromptLookup(dialogCtrl_, word, contexts);
}

const std::vector<std::string>& TThesaurusBase::ContextWords(const TThesaurusEntry& meaning) {
  if (meaning.kind >= 1 && meaning.kind <= 4) return meaning.lists[size_t(meaning.kind - 1)];
  for (const auto& list : meaning.lists)
    for (const auto& w : list)
      if (AnsiSameText(w, meaning.contextWord)) return list;
  return meaning.lists[0];
}

void TThesaurusBase::SelectContext(int index) {
  const auto& contexts = file_.Contexts();
  if (index < 0 || size_t(index) >= contexts.size()) return;
  const std::vector<std::string>* words = &ContextWords(*contexts[size_t(index)]);
  if (SortedLists) {
    sortedWords_ = *words;
    std::stable_sort(sortedWords_.begin(), sortedWords_.end(),
                     [](const std::string& a, const std::string& b) {
                       return AnsiLower(a) < AnsiLower(b);
                     });
    words = &sortedWords_;
  }
  if (OnPromptContext) OnPromptContext(this, *words);
  if (dialogCtrl_ && dialogCtrl_->OnPromptContext) dialogCtrl_->OnPromptContext(dialogCtrl_, *words);
}

void TThesaurusBase::LookupAndPrompt(const std::string& word) {
  file_.Lookup(word);
  PromptLookup();
}

void TThesaurusBase::Replace(const std::string& word) {
  replacementWord_ = word;
  replacementText_ = AnsiToUtf8(word);
  if (form_ && form_->Showing()) form_->SetModalResult(TModalResult::mrOk);
}

void TThesaurusBase::ReplaceWithText(const std::string& utf8) {
  replacementWord_ = Utf8ToAnsi(utf8);
  replacementText_ = utf8;
  if (form_ && form_->Showing()) form_->SetModalResult(TModalResult::mrOk);
}

void TThesaurusBase::WordDoubleClick(const std::string& word) {
  switch (DoubleClickAction) {
    case TDialogDoubleClickAction::dcaLookup: LookupAndPrompt(word); break;
    case TDialogDoubleClickAction::dcaReplace: Replace(word); break;
    case TDialogDoubleClickAction::dcaNone: break;
  }
}

void TThesaurusBase::CloseDialog() {
  if (form_ && form_->Showing()) form_->SetModalResult(TModalResult::mrCancel);
}

std::string TThesaurusBase::GetString(int index) {
  std::string text = ThesaurusText(UILanguage, index);
  if (OnGetString) OnGetString(this, index, text);
  if (index == 0) {
    size_t at = text.find("%name%");
    if (at != std::string::npos) text.replace(at, 6, AnsiToUtf8(file_.ThesaurusName()));
  }
  return text;
}

}  // namespace wx
