// How configured dictionary names become files: the search folders, the
// dictionary files found in them, and the opening of main, custom and
// word-processor dictionaries by name. Names and folders are UTF-8 and
// already macro-expanded (TSpellConfig::SearchFolders, ExpandConfigID).
#pragma once

#include <memory>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Registry.h"
#include "spelling/CustomDictionary.h"
#include "spelling/MainDictionary.h"

namespace wx {

// A name with a folder in it (a backslash, or natively also a slash).
bool HasFolder(const std::string& name);
// folder + separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The bare names of the files "*.EXTENSION" (extension without the period,
// compared without regard to case) in the folders, in folder order and by
// name within a folder; a name found again in a later folder is listed once.
std::vector<std::string> FindDictionaryFiles(const std::vector<std::string>& folders, const std::string& extension);

// The custom dictionary files (.qxu) of the folders, with the active custom
// dictionary's name put first when it is not among them.
std::vector<std::string> CustomDictionaryFiles(const std::vector<std::string>& folders, const std::string& activeName);

// A bare name is tried in each folder in turn and the first file that opens
// wins; a name with a folder is opened as it is. Null when none opens.
std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& name, const std::vector<std::string>& folders);

// Where a custom dictionary of this name lives: a name with a folder as it
// is; a bare name in the first folder that holds it, else in the first
// folder. The folder is created when missing. Empty without folders.
std::string CustomDictionaryPath(const std::string& name, const std::vector<std::string>& folders);

// Opens dictionary (a new TCustomDictionary when null) on the resolved path;
// null when it refuses the file.
std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name,
                                                        const std::vector<std::string>& folders,
                                                        std::unique_ptr<TCustomDictionary> dictionary = nullptr);

// A word processor's custom dictionary as a file-less dictionary of added
// words; null when the file does not exist or is larger than
// kMaxWordCustomDictionaryBytes.
std::unique_ptr<TCustomDictionary> OpenWordCustomDictionary(const std::string& path);

// The words of such a file's bytes, one per line, added to dictionary. Text
// with a byte-order mark (UTF-16 little or big endian, UTF-8) is converted to
// the ANSI code page, and a word with a character outside it is skipped;
// text without one is taken byte for byte. Returns the number of words added.
size_t ReadWordCustomDictionary(std::string_view bytes, TCustomDictionary& dictionary);
inline constexpr uint64_t kMaxWordCustomDictionaryBytes = 32u << 20;

// The word processor's custom dictionaries listed under the current user's
// "Software\Microsoft\Shared Tools\Proofing Tools\Custom Dictionaries"
// (values "1", "2", ... until one is missing or empty; a bare name lies in
// appData\Microsoft\Proof), those that exist. When the user has no list, the
// machine-wide key of the same name is read instead (machine may be null).
std::vector<std::string> WordCustomDictionaryFiles(Registry& registry, const std::string& appData,
                                                   Registry* machine = nullptr);

// The file name a typed custom dictionary name stands for: its file-name
// part (anything up to the last folder separator or drive colon dropped)
// with the extension replaced by ".qxu". Empty when nothing usable is left:
// a blank name, one made only of dots and spaces, a reserved device name
// (CON, NUL, COM1 ...) or one with characters no file name may hold.
std::string CustomDictionaryFileName(const std::string& typed);

}  // namespace wx
