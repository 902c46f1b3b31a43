#include "spelling/DictionaryFiles.h"

#include <algorithm>
#include <filesystem>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"

namespace wx {

namespace {

std::filesystem::path PathOf(const std::string& utf8) { return std::filesystem::path(Utf8ToWide(utf8)); }

bool SameNoCase(const std::string& a, const std::string& b) { return AsciiSameText(a, b); }

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathOf(path), ec);
}

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
    std::error_code ec;
    for (std::filesystem::directory_iterator it(PathOf(folder), ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code e2;
      if (!it->is_regular_file(e2)) continue;
      std::string name = WideToUtf8(it->path().filename().wstring());
      if (name.size() > tail.size() && SameNoCase(name.substr(name.size() - tail.size()), tail)) here.push_back(name);
    }
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
      if (FileExists(JoinPath(f, name))) {
        path = JoinPath(f, name);
        break;
      }
  }
  std::error_code ec;
  std::filesystem::path p = PathOf(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
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
  std::string text;
  if (!FileExists(path) || !ReadWholeFile(path, text)) return nullptr;
  auto d = std::make_unique<TCustomDictionary>();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) d->AddWord(line);
    pos = end + 1;
  }
  return d;
}

std::vector<std::string> WordCustomDictionaryFiles(Registry& registry, const std::string& appData) {
  static const std::string key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  std::vector<std::string> out;
  for (int i = 1;; ++i) {
    std::string value;
    if (!registry.GetString(key, std::to_string(i), value) || value.empty()) break;
    std::string path = HasFolder(value) ? value
                                                             : JoinPath(JoinPath(JoinPath(appData, "Microsoft"), "Proof"), value);
    if (FileExists(path)) out.push_back(path);
  }
  return out;
}

}  // namespace wx
