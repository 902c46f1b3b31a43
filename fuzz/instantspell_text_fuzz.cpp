// An Instant Spell document is untrusted: any bytes opened as a file must
// decode without crashing, and text saved as plain text must read back as the
// same text with the same line breaks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "windows/InstantSpellModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)wx::LooksLikeRichText(bytes);
  std::u16string text = wx::DecodePlainText(bytes);
  // Saved text reads back unchanged once its line breaks are CR LF.
  std::string saved = wx::EncodePlainText(text);
  std::u16string back = wx::DecodePlainText(saved);
  if (wx::EncodePlainText(back) != saved) std::abort();
  return 0;
}
