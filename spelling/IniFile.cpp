#include "spelling/IniFile.h"

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

bool SameName(const std::string& a, const std::string& b) { return AsciiSameText(a, b); }

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

}  // namespace

bool IniFile::Load(const std::string& path) {
  sections_.clear();
  if (!PathExists(path)) return true;
  std::string text;
  if (!ReadWholeFile(path, text)) return false;
  Parse(text);
  return true;
}

void IniFile::Parse(const std::string& text) {
  sections_.clear();
  Section* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      current = const_cast<Section*>(Find(name));
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    std::string key = Trim(line.substr(0, eq));
    std::string value = line.substr(eq + 1);
    bool found = false;
    for (auto& kv : current->values)
      if (SameName(kv.first, key)) {
        found = true;
        break;
      }
    if (!found) current->values.emplace_back(key, value);
  }
}

std::string IniFile::Text() const {
  std::string out;
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& [k, v] : s.values) {
      out += k;
      out += '=';
      out += v;
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

bool IniFile::Flush(const std::string& path) const {
  const std::string folder = ParentFolder(path);
  if (!folder.empty()) MakeFolders(folder);
  return WriteFileAtomically(path, Text());
}

const IniFile::Section* IniFile::Find(const std::string& section) const {
  for (const auto& s : sections_)
    if (SameName(s.name, section)) return &s;
  return nullptr;
}

bool IniFile::Has(const std::string& section, const std::string& key) const {
  const Section* s = Find(section);
  if (!s) return false;
  for (const auto& kv : s->values)
    if (SameName(kv.first, key)) return true;
  return false;
}

std::string IniFile::Read(const std::string& section, const std::string& key, const std::string& def) const {
  const Section* s = Find(section);
  if (!s) return def;
  for (const auto& kv : s->values)
    if (SameName(kv.first, key)) return kv.second;
  return def;
}

void IniFile::Write(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = const_cast<Section*>(Find(section));
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& kv : s->values)
    if (SameName(kv.first, key)) {
      kv.second = value;
      return;
    }
  s->values.emplace_back(key, value);
}

}  // namespace wx
