#include "windows/InstantSpellModel.h"

#include <system_error>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/FileSystem.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF)
// with at least one character beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view s) {
  bool beyond = false;
  for (size_t i = 0; i < s.size();) {
    const uint8_t c = uint8_t(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
    if (extra < 0 || s.size() - i <= size_t(extra)) return false;
    uint32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const uint8_t t = uint8_t(s[i + size_t(k)]);
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    static constexpr uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
    i += size_t(extra) + 1;
    beyond = true;
  }
  return beyond;
}

std::u16string Utf16Bytes(std::string_view s, bool bigEndian) {
  std::u16string out;
  out.reserve(s.size() / 2);
  for (size_t i = 0; i + 1 < s.size(); i += 2) {
    const uint8_t a = uint8_t(s[i]), b = uint8_t(s[i + 1]);
    out += bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
  }
  return out;
}

// A decimal string value; false when missing, of another type or not a number.
bool ReadDecimal(Registry& registry, const char* name, int32_t& out, const std::string& key = kInstantSpellKey) {
  std::string text;
  return registry.TypeOf(key, name) == RegType::String && registry.GetString(key, name, text) &&
         ParseDecimal(text, out);
}

std::string FontKey() { return JoinKey(kInstantSpellKey, "Font"); }

}  // namespace

bool LooksLikeRichText(std::string_view bytes) { return bytes.substr(0, 5) == "{\\rtf"; }

std::u16string DecodePlainText(std::string_view bytes) {
  if (bytes.substr(0, 3) == kUtf8Bom) return Utf8ToUtf16(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16Bytes(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16Bytes(bytes.substr(2), true);
  if (IsUtf8BeyondAscii(bytes)) return Utf8ToUtf16(bytes);
  return AnsiToUnicode(bytes);
}

std::string EncodePlainText(std::u16string_view text) {
  std::u16string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      lines += u"\r\n";
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else if (c == u'\n') {
      lines += u"\r\n";
    } else {
      lines += c;
    }
  }
  // ANSI only when it reads back as the same text: ANSI bytes that look like
  // UTF-8 or begin like a byte-order mark ("Ã©", "ï»¿") would not.
  std::string ansi;
  if (UnicodeToAnsi(lines, ansi) && DecodePlainText(ansi) == lines) return ansi;
  return std::string(kUtf8Bom) + Utf16ToUtf8(lines);
}

bool IsRichTextName(const std::string& path) {
  return path.size() >= 4 && AsciiSameText(std::string_view(path).substr(path.size() - 4), ".rtf");
}

std::string WithDefaultExtension(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && dot > nameStart && dot + 1 < path.size()) return path;
  if (dot != std::string::npos && dot + 1 == path.size() && dot >= nameStart) return path + "txt";
  return path + ".txt";
}

// ---- the document ----

bool TInstantSpellModel::CloseQuery() {
  if (noPromptToSave || !editor_.Modified()) return true;
  switch (editor_.AskSaveChanges()) {
    case TSaveAnswer::Yes: return Save() == SaveResult::Saved;
    case TSaveAnswer::No: return true;
    case TSaveAnswer::Cancel: return false;
  }
  return false;
}

bool TInstantSpellModel::NewClear() {
  if (!CloseQuery()) return false;
  fileName_.clear();
  editor_.Clear();
  editor_.SetModified(false);
  return true;
}

bool TInstantSpellModel::Load(const std::string& path) {
  if (!IsRegularFile(path)) {
    editor_.Notice(TInstantSpellNotice::FileNotFound, path);
    return false;
  }
  if (!CloseQuery()) return false;
  std::string bytes;
  bool loaded = ReadWholeFile(path, bytes);
  if (loaded) {
    // The content decides: rich text by its signature, else plain text; rich
    // text the editor refuses is shown as plain text.
    loaded = (LooksLikeRichText(bytes) && editor_.LoadRichText(bytes)) ||
             editor_.LoadPlainText(DecodePlainText(bytes));
  }
  if (!loaded) {
    editor_.Notice(TInstantSpellNotice::LoadFailed, path);
    return false;
  }
  fileName_ = path;
  editor_.SetModified(false);
  return true;
}

TInstantSpellModel::SaveResult TInstantSpellModel::Save() {
  if (IsRegularFile(fileName_)) return WriteTo(fileName_);
  return SaveAs();
}

TInstantSpellModel::SaveResult TInstantSpellModel::SaveAs() {
  std::string path = fileName_;
  if (!editor_.ChooseSaveName(path) || path.empty()) return SaveResult::Cancelled;
  return WriteTo(WithDefaultExtension(path));
}

TInstantSpellModel::SaveResult TInstantSpellModel::WriteTo(const std::string& path) {
  const std::string bytes = IsRichTextName(path) ? editor_.RichText() : EncodePlainText(editor_.PlainText());
  if (!WriteFileAtomically(path, bytes)) {
    editor_.Notice(TInstantSpellNotice::SaveFailed, path);
    return SaveResult::Failed;
  }
  fileName_ = path;
  editor_.SetModified(false);
  return SaveResult::Saved;
}

// ---- settings ----

TInstantSpellToggles ReadInstantSpellToggles(Registry& registry) {
  RegKey key(registry, kInstantSpellKey);
  if (!key.ValueExists("PromptToSave")) key.WriteBool("PromptToSave", false);
  if (!key.ValueExists("ActiveSpellModeIS")) key.WriteBool("ActiveSpellModeIS", true);
  TInstantSpellToggles t;
  t.noPromptToSave = key.ReadBool("PromptToSave");
  t.activeSpell = key.ReadBool("ActiveSpellModeIS");
  return t;
}

void WriteInstantSpellToggles(Registry& registry, const TInstantSpellToggles& toggles) {
  RegKey key(registry, kInstantSpellKey);
  key.WriteBool("ActiveSpellModeIS", toggles.activeSpell);
  key.WriteBool("PromptToSave", toggles.noPromptToSave);
}

TInstantSpellFont ReadInstantSpellFont(Registry& registry) {
  TInstantSpellFont font;
  const std::string key = FontKey();
  std::string name;
  if (registry.TypeOf(key, "Name") == RegType::String && registry.GetString(key, "Name", name) && !name.empty())
    font.name = name;
  int32_t v;
  if (ReadDecimal(registry, "Color", v, key)) font.color = v;
  if (ReadDecimal(registry, "Size", v, key) && v > 0 && v <= 1638) font.size = v;
  if (ReadDecimal(registry, "Style", v, key)) font.style = v & 15;
  return font;
}

void WriteInstantSpellFont(Registry& registry, const TInstantSpellFont& font) {
  const std::string key = FontKey();
  registry.SetString(key, "Name", font.name);
  registry.SetString(key, "Color", std::to_string(font.color));
  registry.SetString(key, "Size", std::to_string(font.size));
  registry.SetString(key, "Style", std::to_string(font.style));
}

TInstantSpellPlace ReadInstantSpellPlace(Registry& registry, const TRect& design, const std::vector<TRect>& workAreas) {
  TInstantSpellPlace place;
  int32_t state = 0;
  // 1 (minimised) opens normally: a modal window shown minimised would leave
  // the program busy with nothing on the screen to close.
  if (ReadDecimal(registry, "State", state)) place.maximized = state == 2;
  int32_t top = design.top, left = design.left, width = design.Width(), height = design.Height();
  place.placed |= ReadDecimal(registry, "Top", top);
  place.placed |= ReadDecimal(registry, "Left", left);
  place.placed |= ReadDecimal(registry, "Width", width);
  place.placed |= ReadDecimal(registry, "Height", height);
  // Far-off values must not overflow the rectangle's edges.
  auto clamp = [](int32_t v) { return v < -100000 ? -100000 : v > 100000 ? 100000 : v; };
  left = clamp(left);
  top = clamp(top);
  width = clamp(width);
  height = clamp(height);
  place.bounds = FitOnWorkArea({left, top, left + width, top + height}, kInstantSpellMinWidth,
                               kInstantSpellMinHeight, workAreas);
  return place;
}

void WriteInstantSpellPlace(Registry& registry, const TInstantSpellPlace& place) {
  registry.SetString(kInstantSpellKey, "State", place.maximized ? "2" : "0");
  registry.SetString(kInstantSpellKey, "Top", std::to_string(place.bounds.top));
  registry.SetString(kInstantSpellKey, "Left", std::to_string(place.bounds.left));
  registry.SetString(kInstantSpellKey, "Width", std::to_string(place.bounds.Width()));
  registry.SetString(kInstantSpellKey, "Height", std::to_string(place.bounds.Height()));
}

}  // namespace wx
