// A small INI file (sections of key=value lines, names compared without regard
// to ASCII case) held in memory: read once, changed in memory and written back
// in one piece through a temporary file.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace wx {

class IniFile {
 public:
  // Reads the file (UTF-8 path); a missing file gives an empty INI. False when
  // the file exists but cannot be read.
  bool Load(const std::string& path);
  void Parse(const std::string& text);
  std::string Text() const;
  // Writes the file, creating its folder when missing.
  bool Flush(const std::string& path) const;

  bool Has(const std::string& section, const std::string& key) const;
  std::string Read(const std::string& section, const std::string& key, const std::string& def) const;
  void Write(const std::string& section, const std::string& key, const std::string& value);

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  const Section* Find(const std::string& section) const;
  std::vector<Section> sections_;
};

}  // namespace wx
