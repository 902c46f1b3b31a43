#include "spelling/DefaultMainDictionary.h"

#include "spelling/DictionaryFiles.h"

namespace wx {

std::vector<TInstalledMainDictionary> InstalledMainDictionaries(const std::vector<std::string>& folders) {
  std::vector<TInstalledMainDictionary> out;
  for (const std::string& file : FindDictionaryFiles(folders, "qxm"))
    if (auto d = OpenMainDictionary(file, folders)) out.push_back({file, d->Language()});
  return out;
}

std::string DefaultMainDictionary(int languageId, const std::vector<TInstalledMainDictionary>& installed,
                                  const std::string& fallback) {
  constexpr int kPrimary = 0x3FF;  // the primary language's bits of a language id
  const int id = languageId & 0xFFFF;
  if (id == 0) return fallback;
  for (const auto& d : installed)
    if ((d.language & 0xFFFF) == id) return d.file;
  const TInstalledMainDictionary* best = nullptr;
  for (const auto& d : installed)
    if ((d.language & kPrimary) == (id & kPrimary) && (!best || (d.language & 0xFFFF) < (best->language & 0xFFFF)))
      best = &d;
  return best ? best->file : fallback;
}

}  // namespace wx
