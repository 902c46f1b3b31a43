#include "tools/lib/Misspellings.h"

#include <fstream>
#include <sstream>

namespace wx::tools {

std::vector<Misspelling> LoadMisspellingTab(const std::string& path) {
  std::vector<Misspelling> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    Misspelling m{line.substr(0, tab), {}};
    std::stringstream ss(line.substr(tab + 1));
    std::string item;
    while (std::getline(ss, item, ',')) {
      while (!item.empty() && item.front() == ' ') item.erase(0, 1);
      while (!item.empty() && (item.back() == ' ' || item.back() == '\r')) item.pop_back();
      if (!item.empty()) m.right.push_back(item);
    }
    if (!m.wrong.empty() && !m.right.empty()) out.push_back(m);
  }
  return out;
}

std::vector<Misspelling> LoadMisspellingNorvig(const std::string& path) {
  std::vector<Misspelling> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string right = line.substr(0, colon);
    std::stringstream ss(line.substr(colon + 1));
    std::string w;
    while (ss >> w) out.push_back({w, {right}});
  }
  return out;
}

}  // namespace wx::tools
