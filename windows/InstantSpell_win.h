// The Instant Spell window: a small modal text editor with a menu bar, a
// toolbar and a context menu over one rich-edit control. What it holds and
// decides about its document lives in TInstantSpellModel; this window is the
// editor the model works on and turns commands into model calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace wx {

class TSpellCheckerBase;

struct TInstantSpellServices {
  // The program's speller (not owned): the editor's live spelling, the spell
  // check (F7, disabled without one) and Active Spell, which turns its
  // live-spelling option on and off.
  TSpellCheckerBase* engine = nullptr;
  // Lookups of the selected word: a word in, a replacement out (empty: no
  // replacement). An absent lookup hides its command.
  std::function<std::wstring(const std::wstring& word)> thesaurusLookup;
  std::function<std::wstring(const std::wstring& word)> definitionsLookup;
  // Runs a command so that its failures are reported the program's way;
  // absent: a failure is shown in a plain error box.
  std::function<void(const std::function<void()>& command)> guarded;
};

// Shows the window modally over owner and returns when it has been closed.
// Throws ERegistryException when its stored toggles have the wrong type
// (the window does not open then).
void ShowInstantSpell(HWND owner, TInstantSpellServices services);

}  // namespace wx
