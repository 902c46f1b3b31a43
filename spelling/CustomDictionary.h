// Provisional in-memory user word list with the operations the check session
// uses (added words, excluded words, auto-correct pairs). The .qxu file
// reader and writer replaces it.
#pragma once

#include <map>
#include <string>

namespace wx {

class TCustomDictionary {
 public:
  bool Open(const std::string& fileName) {
    fileName_ = fileName;
    return true;
  }
  const std::string& FileName() const { return fileName_; }
  void Save() {}

  bool IsAdded(const std::string& w) const { return Kind(w) == 'I'; }
  bool IsExcludedWord(const std::string& w) const { return Kind(w) == 'E'; }
  bool GetAutoCorrect(const std::string& w, std::string& r) const {
    auto it = entries_.find(w);
    if (it == entries_.end() || it->second.kind != 'A') return false;
    r = it->second.replacement;
    return true;
  }
  bool AddWord(const std::string& w) { return AddRecord('I', w, {}); }
  bool AddExcluded(const std::string& w) { return AddRecord('E', w, {}); }
  bool AddAutoCorrect(const std::string& w, const std::string& r) { return AddRecord('A', w, r); }
  bool RemoveWord(const std::string& w) { return RemoveRecord('I', w); }
  bool RemoveExcluded(const std::string& w) { return RemoveRecord('E', w); }
  bool RemoveAutoCorrect(const std::string& w) { return RemoveRecord('A', w); }

 private:
  struct Entry {
    char kind;
    std::string replacement;
  };
  char Kind(const std::string& w) const {
    auto it = entries_.find(w);
    return it == entries_.end() ? 0 : it->second.kind;
  }
  bool AddRecord(char kind, const std::string& w, const std::string& r) {
    if (w.empty() || w.size() + r.size() >= 501 || entries_.count(w)) return false;
    entries_[w] = {kind, r};
    return true;
  }
  bool RemoveRecord(char kind, const std::string& w) {
    auto it = entries_.find(w);
    if (it == entries_.end() || it->second.kind != kind) return false;
    entries_.erase(it);
    return true;
  }
  std::string fileName_;
  std::map<std::string, Entry> entries_;
};

}  // namespace wx
