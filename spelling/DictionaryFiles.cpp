#include "spelling/DictionaryFiles.h"

#include <algorithm>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

bool SameNoCase(const std::string& a, const std::string& b) { return AsciiSameText(a, b); }

}  // namespace

bool HasFolder(const std::string& name) {
  return name.find('\\') != std::string::npos || name.find('/') != std::string::npos;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
  const char sep = '\\';
#else
  const char sep = '/';
#endif
  if (folder.empty()) return name;
  if (folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + sep + name;
}

std::vector<std::string> FindDictionaryFiles(const std::vector<std::string>& folders, const std::string& extension) {
  std::vector<std::string> out;
  const std::string tail = "." + extension;
  for (const auto& folder : folders) {
    std::vector<std::string> here;
    for (std::string& name : FileNamesIn(folder))
      if (name.size() > tail.size() && SameNoCase(name.substr(name.size() - tail.size()), tail))
        here.push_back(std::move(name));
    std::sort(here.begin(), here.end());
    for (auto& name : here)
      if (std::none_of(out.begin(), out.end(), [&](const std::string& n) { return SameNoCase(n, name); }))
        out.push_back(std::move(name));
  }
  return out;
}

std::vector<std::string> CustomDictionaryFiles(const std::vector<std::string>& folders, const std::string& activeName) {
  std::vector<std::string> files = FindDictionaryFiles(folders, "qxu");
  if (!activeName.empty() && std::find(files.begin(), files.end(), activeName) == files.end())
    files.insert(files.begin(), activeName);
  return files;
}

std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& name, const std::vector<std::string>& folders) {
  std::vector<std::string> candidates;
  if (HasFolder(name)) {
    candidates.push_back(name);
  } else {
    for (const auto& f : folders) candidates.push_back(JoinPath(f, name));
  }
  for (const auto& path : candidates) {
    auto d = std::make_unique<TMainDictionary>();
    if (d->Open(path) && d->FileName() == path) return d;
  }
  return nullptr;
}

std::string CustomDictionaryPath(const std::string& name, const std::vector<std::string>& folders) {
  std::string path;
  if (HasFolder(name)) {
    path = name;
  } else {
    if (folders.empty()) return {};
    path = JoinPath(folders.front(), name);
    for (const auto& f : folders)
      if (IsRegularFile(JoinPath(f, name))) {
        path = JoinPath(f, name);
        break;
      }
  }
  const std::string folder = ParentFolder(path);
  if (!folder.empty()) MakeFolders(folder);
  return path;
}

std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name,
                                                        const std::vector<std::string>& folders,
                                                        std::unique_ptr<TCustomDictionary> dictionary) {
  std::string path = CustomDictionaryPath(name, folders);
  if (path.empty()) return nullptr;
  if (!dictionary) dictionary = std::make_unique<TCustomDictionary>();
  if (!dictionary->Open(path) || dictionary->FileName() != path) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> OpenWordCustomDictionary(const std::string& path) {
  const FileFacts facts = FactsOf(path);
  if (!facts.regular) return nullptr;
  std::string bytes;
  if (facts.size > kMaxWordCustomDictionaryBytes || !ReadWholeFile(path, bytes)) return nullptr;
  if (bytes.size() > kMaxWordCustomDictionaryBytes) return nullptr;  // grew while read
  auto d = std::make_unique<TCustomDictionary>();
  ReadWordCustomDictionary(bytes, *d);
  return d;
}

size_t ReadWordCustomDictionary(std::string_view bytes, TCustomDictionary& dictionary) {
  size_t added = 0;
  auto addLine = [&](std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && dictionary.AddWord(line)) ++added;
  };
  const bool le = bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE;
  const bool be = bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFE && uint8_t(bytes[1]) == 0xFF;
  if (le || be) {
    // UTF-16: lines of units, each converted on its own; an odd last byte is dropped.
    std::u16string line;
    std::string ansi;
    auto flush = [&] {
      if (!line.empty() && line.back() == u'\r') line.pop_back();
      if (UnicodeToAnsi(line, ansi)) addLine(ansi);
      line.clear();
    };
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      uint8_t lo = uint8_t(bytes[le ? i : i + 1]), hi = uint8_t(bytes[le ? i + 1 : i]);
      char16_t u = char16_t(lo | (hi << 8));
      if (u == u'\n') flush();
      else if (line.size() < TCustomDictionary::kMaxEntryText) line.push_back(u);  // longer words are refused anyway
    }
    flush();
    return added;
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    bytes.remove_prefix(3);
    // UTF-8 words go through UTF-16 so that one outside the code page is skipped, not altered.
    size_t pos = 0;
    while (pos <= bytes.size()) {
      size_t end = std::min(bytes.find('\n', pos), bytes.size());
      std::string ansi;
      std::u16string wide = Utf8ToUtf16(bytes.substr(pos, end - pos));
      if (!wide.empty() && wide.back() == u'\r') wide.pop_back();
      if (UnicodeToAnsi(wide, ansi)) addLine(ansi);
      pos = end + 1;
    }
    return added;
  }
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = std::min(bytes.find('\n', pos), bytes.size());
    addLine(bytes.substr(pos, end - pos));
    pos = end + 1;
  }
  return added;
}

std::vector<std::string> WordCustomDictionaryFiles(Registry& registry, const std::string& appData,
                                                   Registry* machine) {
  static const std::string key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  auto listed = [&](Registry& reg) {
    std::vector<std::string> values;
    for (int i = 1; i < 1000; ++i) {
      std::string value;
      if (!reg.GetString(key, std::to_string(i), value) || value.empty()) break;
      values.push_back(std::move(value));
    }
    return values;
  };
  std::vector<std::string> values = listed(registry);
  if (values.empty() && machine) values = listed(*machine);
  std::vector<std::string> out;
  for (const auto& value : values) {
    std::string path = HasFolder(value) ? value : JoinPath(JoinPath(JoinPath(appData, "Microsoft"), "Proof"), value);
    if (IsRegularFile(path) && std::find(out.begin(), out.end(), path) == out.end()) out.push_back(path);
  }
  return out;
}

std::string CustomDictionaryFileName(const std::string& typed) {
  std::string name = typed.substr(typed.find_last_of("\\/:") == std::string::npos ? 0
                                                                                   : typed.find_last_of("\\/:") + 1);
  // Surrounding blanks are a typing slip; trailing dots and spaces the
  // system would drop anyway.
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  size_t start = name.find_first_not_of(' ');
  name = start == std::string::npos ? std::string() : name.substr(start);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  if (name.empty() || name.find_first_not_of(". ") == std::string::npos) return {};
  for (unsigned char c : name)
    if (c < 32 || std::string_view("<>\"|?*").find(char(c)) != std::string_view::npos) return {};
  // Device names are reserved whatever extension follows them.
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static const char* const kReserved[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* r : kReserved)
    if (AsciiSameText(stem, r)) return {};
  if (stem.size() == 4 && (AsciiSameText(stem.substr(0, 3), "COM") || AsciiSameText(stem.substr(0, 3), "LPT")) &&
      stem[3] >= '0' && stem[3] <= '9')
    return {};
  return name + ".qxu";
}

}  // namespace wx
