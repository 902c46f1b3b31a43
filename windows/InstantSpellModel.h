// What the Instant Spell window holds and decides, without the window: the
// document's file name, the save question before its text is closed,
// cleared or replaced, loading (plain or rich text chosen from the file's
// content), saving (through a temporary file renamed over the old one; plain
// text the ANSI code page cannot hold goes out as UTF-8 with a byte-order
// mark), and the settings kept in the registry (the two toggles, the editor's
// font, the window's state and place). The Win32 window (InstantSpell_win)
// is the editor the model works on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Registry.h"
#include "ui/WindowPlacement.h"

namespace wx {

inline constexpr char kInstantSpellKey[] = "Software\\Morvane\\Dialogs\\InstantSpell";
// The window's design size, in pixels at 96 DPI.
inline constexpr int kInstantSpellWidth = 555, kInstantSpellHeight = 346;
// The smallest place a stored one is made (so a damaged value cannot hide it).
inline constexpr int kInstantSpellMinWidth = 200, kInstantSpellMinHeight = 120;

// ---- document bytes ----

// Rich text is recognised by its signature at the start of the file.
bool LooksLikeRichText(std::string_view bytes);
// Plain-text file bytes as text: UTF-8 or UTF-16 (little or big endian) when
// the file starts with its byte-order mark, UTF-8 when the bytes are valid
// UTF-8 with characters beyond ASCII, else the ANSI code page.
std::u16string DecodePlainText(std::string_view bytes);
// Text as plain-text file bytes: the ANSI code page when it holds every
// character, else UTF-8 behind a byte-order mark (never "?" for a character).
// Line breaks become CR LF (the editor ends its lines with a lone CR).
std::string EncodePlainText(std::u16string_view text);
// A name ending in ".rtf" (any case) keeps formatting; every other name is
// written as plain text.
bool IsRichTextName(const std::string& path);
// The name with ".txt" appended when its file-name part has no extension.
std::string WithDefaultExtension(const std::string& path);

// ---- the document ----

enum class TSaveAnswer { Yes, No, Cancel };
// Messages the model asks the window to show, with the file's name.
enum class TInstantSpellNotice {
  FileNotFound,  // "The file "NAME" could not be found."
  LoadFailed,    // the file could not be read as rich or as plain text
  SaveFailed,    // the file could not be written; the document is unchanged
};

// What the model needs of the window. The editor's own modified flag is the
// one the model reads and clears.
class TInstantSpellEditor {
 public:
  virtual ~TInstantSpellEditor() = default;
  virtual bool Modified() = 0;
  virtual void SetModified(bool modified) = 0;
  virtual void Clear() = 0;
  // The editor's contents as rich text, or its plain text.
  virtual std::string RichText() = 0;
  virtual std::u16string PlainText() = 0;
  // Replace the contents; false when the editor refused them.
  virtual bool LoadRichText(std::string_view rtf) = 0;
  virtual bool LoadPlainText(std::u16string_view text) = 0;
  // "This text has been modified. Would you like to save it?"
  virtual TSaveAnswer AskSaveChanges() = 0;
  // The save dialog; false when cancelled. path is UTF-8.
  virtual bool ChooseSaveName(std::string& path) = 0;
  virtual void Notice(TInstantSpellNotice notice, const std::string& path) = 0;
};

class TInstantSpellModel {
 public:
  enum class SaveResult { Saved, Cancelled, Failed };

  explicit TInstantSpellModel(TInstantSpellEditor& editor) : editor_(editor) {}

  // The current file (UTF-8), empty for an untitled text.
  const std::string& FileName() const { return fileName_; }

  // May the text be closed or replaced? Asks to save a modified text unless
  // noPromptToSave is set. Yes saves first, and a save that is cancelled or
  // fails keeps the text (false), so that nothing is lost unasked.
  bool CloseQuery();
  // New/Clear: after the close-query, an empty untitled text.
  bool NewClear();
  // Open or a dropped file. The file name changes only once the file has been
  // read, so a failed load never points Save at a file the user did not see.
  bool Load(const std::string& path);
  // Save to the current file when it exists, else Save As.
  SaveResult Save();
  // Asks for a name (".txt" added when it has none) and writes there; the
  // name becomes the current one once the file is written.
  SaveResult SaveAs();

  bool noPromptToSave = false;

 private:
  SaveResult WriteTo(const std::string& path);

  TInstantSpellEditor& editor_;
  std::string fileName_;
};

// ---- settings ----

struct TInstantSpellToggles {
  bool noPromptToSave = false;  // "PromptToSave" (1 = never ask)
  bool activeSpell = true;      // "ActiveSpellModeIS"
};
// Reads the toggles, writing the defaults of missing ones. A value of another
// registry type than a 32-bit integer throws ERegistryException.
TInstantSpellToggles ReadInstantSpellToggles(Registry& registry);
void WriteInstantSpellToggles(Registry& registry, const TInstantSpellToggles& toggles);

// The system window-text colour as a stored colour value (system colours are
// negative: the high byte set, the colour index in the low byte).
inline constexpr int32_t kColorWindowText = int32_t(0xFF000008u);
struct TInstantSpellFont {
  std::string name = "MS Sans Serif";
  int32_t color = kColorWindowText;
  int32_t size = 8;   // points
  int32_t style = 0;  // 1 bold, 2 italic, 4 underline, 8 strike-out
  bool operator==(const TInstantSpellFont&) const = default;
};
// Missing values, or values that are not numbers, keep the defaults.
TInstantSpellFont ReadInstantSpellFont(Registry& registry);
void WriteInstantSpellFont(Registry& registry, const TInstantSpellFont& font);

struct TInstantSpellPlace {
  bool maximized = false;
  bool placed = false;  // a place was stored; otherwise the system chooses one
  TRect bounds;         // the normal (not maximised) place
  bool operator==(const TInstantSpellPlace&) const = default;
};
// The stored state and place, brought onto the nearest work area at no less
// than the minimum size; `design` supplies the values that are not stored.
// A maximised window keeps its stored normal place for restoring.
TInstantSpellPlace ReadInstantSpellPlace(Registry& registry, const TRect& design, const std::vector<TRect>& workAreas);
void WriteInstantSpellPlace(Registry& registry, const TInstantSpellPlace& place);

}  // namespace wx
