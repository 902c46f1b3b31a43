// TSpellRichEdit: a rich-edit child control that underlines misspelled words
// with a wavy line while the user types, offers a suggestion menu on a right
// click and corrects a known misspelling the moment a space or punctuation
// follows it. The decisions live in TLiveRichEdit (windows/LiveSpelling.h);
// this class turns window messages into its calls and draws its marks.
//
// How a window uses it:
//   TSpellRichEdit text;                         // a member of the window
//   text.Create(hwnd, kIdText, x, y, w, h);      // in WM_CREATE / WM_INITDIALOG
//   text.SetSpellEngine(&checker);               // shared; the control never owns it
//   text.SetLiveSpellingOptions(false);          // setters at any time
//   text.OnSpellDialog = [&] { ... };            // "Spelling ..." chosen from the menu
//   SetWindowTextW(text.Handle(), L"...");       // or EM_STREAMIN: ordinary rich-edit messages
//   text.RecheckAll();                           // e.g. after the engine's dictionaries changed
// The parent receives the rich edit's usual notifications (EN_CHANGE after
// an automatic correction or a Change All). Destroy the control (or let the
// parent's destruction do it) before the engine goes away, or call
// SetSpellEngine(nullptr) first.
//
// Another process (a test driver) may read the marks: send the control the
// registered message kMarksMessageName with wParam = index; the answer is
// (start << 32) | end in character indexes of the text, or -1 past the last
// mark. wParam = (WPARAM)-1 answers the number of marks.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "spelling/SpellCheckerBase.h"
#include "windows/LiveSpelling.h"

namespace wx {

class TSpellRichEdit {
 public:
  static constexpr const wchar_t* kMarksMessageName = L"WendrixLiveSpellingMark";

  TSpellRichEdit();
  ~TSpellRichEdit();
  TSpellRichEdit(const TSpellRichEdit&) = delete;
  TSpellRichEdit& operator=(const TSpellRichEdit&) = delete;

  // Creates the control as a child of parent with the given id and client
  // placement (pixels). style is added to WS_CHILD | WS_VISIBLE | WS_TABSTOP
  // (ES_READONLY makes it read-only). False when the window cannot be made.
  bool Create(HWND parent, int id, int x, int y, int width, int height,
              DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN | WS_VSCROLL,
              DWORD exStyle = WS_EX_CLIENTEDGE);
  // Takes over an existing rich-edit control (e.g. one made from a dialog
  // template). False when one is attached already or window is not one.
  bool Attach(HWND window);
  HWND Handle() const { return window_; }

  // The spelling engine (shared, never owned; null detaches).
  void SetSpellEngine(TSpellCheckerBase* engine);
  TSpellCheckerBase* SpellEngine() const { return live_.SpellEngine(); }

  // Properties (defaults: on, on, red, on, on, all entries but Cancel, off, off).
  void SetLiveSpelling(bool value);
  void SetLiveCorrect(bool value);
  void SetLiveSpellingColor(COLORREF color);
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
  void SetLiveSpellingOptions(bool value);
  void SetLiveMenuOptions(TSpellPopupOptions options) { live_.LiveMenuOptions = options; }
  void SetLiveSpellingReadOnly(bool value);
  // Finds each line's underline base from the painted text (for panes whose
  // lines mix fonts); off by default.
  void SetDetectBaseline(bool value) { detectBaseline_ = value; }
  bool LiveSpelling() const { return live_.LiveSpelling; }
  bool LiveCorrect() const { return live_.LiveCorrect; }
  COLORREF LiveSpellingColor() const { return color_; }
  bool DoubleBuffered() const { return doubleBuffered_; }
  bool LiveSpellingOptions() const { return live_.LiveSpellingOptions; }
  TSpellPopupOptions LiveMenuOptions() const { return live_.LiveMenuOptions; }
  bool LiveSpellingReadOnly() const { return live_.LiveSpellingReadOnly; }
  bool DetectBaseline() const { return detectBaseline_; }

  // Makes the control read-only or editable (EM_SETREADONLY).
  void SetReadOnly(bool value);
  // Checks every line again and repaints.
  void RecheckAll();
  // Re-reads the engine's options (e.g. after the options dialog closed).
  void UpdateActivation() { live_.UpdateActivation(); }
  bool SpellingActive() const { return live_.SpellingActive(); }

  // "Spelling ..." was chosen on the selected word. Unset: the menu leaves
  // the entry out.
  std::function<void()> OnSpellDialog;

  // The misspelled ranges underlined on the visible lines, as character
  // indexes of the whole text (start, end exclusive), top to bottom.
  std::vector<std::pair<int, int>> Marks() { return live_.VisibleMarks(); }
  // The menu the control would open: replaceable for tests; the default shows
  // a popup menu and reports the chosen tag and suggestion.
  std::function<void(const std::vector<TPopupItem>& items, int x, int y, int& action, std::string& word)> OnShowMenu;

  TLiveRichEdit& Live() { return live_; }

 private:
  class View;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  // Gives the control its own procedure back.
  void Detach(HWND h);
  LRESULT Original(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return CallWindowProcW(original_, h, msg, wp, lp); }
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  // Draws the waves of the lines that cross the band (client rows).
  void DrawMarks(HDC dc, const RECT& band);
  // The rows (top and bottom) of the wave under the marks of a line whose
  // top is lineTop, given the default font's ascent and descent.
  std::pair<int, int> WaveRows(HDC dc, const TPaintedLine& line, int ascent, int descent);
  bool ContextMenu(LPARAM lp);
  LRESULT TrackedEdit(UINT msg, WPARAM wp, LPARAM lp, TEditKind kind, const std::u16string* text);
  LRESULT UntrackedEdit(UINT msg, WPARAM wp, LPARAM lp);

  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;  // the control's own window procedure
  std::unique_ptr<View> view_;
  TLiveRichEdit live_;
  COLORREF color_ = RGB(255, 0, 0);
  bool doubleBuffered_ = true;
  bool detectBaseline_ = false;
  int firstVisible_ = -1;
  int lineHeight_ = 0;   // the tallest line the painter has met (pixels)
  int lineSpacing_ = 0;  // the last line height the painter met
  std::vector<std::pair<int, int>> marks_;  // answered one by one to the marks message
  UINT marksMessage_ = 0;
  bool typingStyle_ = false;  // a format was set at the selection: typed text may change line heights
  bool dragArmed_ = false;    // the button went down inside a selection
};

}  // namespace wx
