// Which main dictionary a first run uses: the one written for the user's
// Windows display language when it is installed, so that a German writer's
// text is checked in German from the start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wx {

struct TInstalledMainDictionary {
  std::string file;   // bare file name, as the configuration stores it
  int32_t language;   // the Windows language id the file records
};

// The main dictionaries (.qxm) in the folders that open, with their language,
// in FindDictionaryFiles order. Reads only each file's header.
std::vector<TInstalledMainDictionary> InstalledMainDictionaries(const std::vector<std::string>& folders);

// The dictionary for languageId: the one recording that very id; else one of
// the same primary language (a Swiss German user gets the German one), the
// lowest id of them, which is the language's main country; else fallback.
std::string DefaultMainDictionary(int languageId, const std::vector<TInstalledMainDictionary>& installed,
                                  const std::string& fallback);

}  // namespace wx
