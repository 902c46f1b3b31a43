// Single-byte words in the Windows ANSI code page (Windows-1252), the text form
// every engine and data file works in, and its conversion from and to the
// Unicode text that documents, edit controls and the clipboard hold. The case
// and letter tables are our own so that they behave the same natively and on
// Windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wx {

// Unicode code point of an ANSI byte.
char16_t AnsiToUnicodeChar(uint8_t c);
// ANSI byte of a UTF-16 unit; false when the code page has no such character.
bool UnicodeCharToAnsi(char16_t u, uint8_t& out);

std::u16string AnsiToUnicode(std::string_view ansi);
// Converts a Unicode word to ANSI. Returns false and leaves out untouched when
// any character is outside the code page: such a word is never altered.
bool UnicodeToAnsi(std::u16string_view text, std::string& out);

// UTF-8 <-> UTF-16 for file names and command-line text. Malformed input
// becomes U+FFFD; never throws.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// UTF-8 <-> ANSI for command-line tools; unmappable characters become '?'.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
// A wide string for the W API (UTF-16 where wchar_t is 16 bits).
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Code-page classification and case mapping.
bool IsAnsiAlpha(uint8_t c);
bool IsAnsiAlnum(uint8_t c);
bool IsAnsiUpper(uint8_t c);
bool IsAnsiLower(uint8_t c);
bool IsAnsiDigit(uint8_t c);
uint8_t AnsiUpperChar(uint8_t c);
uint8_t AnsiLowerChar(uint8_t c);
std::string AnsiUpper(std::string_view s);
std::string AnsiLower(std::string_view s);
// Case-insensitive comparison under the code-page tables.
bool AnsiSameText(std::string_view a, std::string_view b);
// Case-insensitive comparison of the letters A-Z only (names, keys).
bool AsciiSameText(std::string_view a, std::string_view b);

}  // namespace wx
