#include "common/MemoryRegistry.h"

#include "common/AnsiText.h"

namespace wx {

std::string MemoryRegistry::Norm(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return AnsiLower(out);
}

bool MemoryRegistry::KeyExists(const std::string& path) { return keys_.count(Norm(path)) > 0; }

bool MemoryRegistry::CreateKey(const std::string& path) {
  std::string norm = Norm(path);
  if (norm.empty()) return true;
  // Creating a key creates its parents too.
  for (size_t i = 0; i <= norm.size(); ++i) {
    if (i == norm.size() || norm[i] == '\\') {
      auto& key = keys_[norm.substr(0, i)];
      if (key.name.empty()) key.name = path.substr(0, i);
    }
  }
  return true;
}

bool MemoryRegistry::DeleteKey(const std::string& path) {
  std::string norm = Norm(path);
  bool any = false;
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->first == norm || it->first.rfind(norm + "\\", 0) == 0) {
      it = keys_.erase(it);
      any = true;
    } else {
      ++it;
    }
  }
  return any;
}

MemoryRegistry::Value* MemoryRegistry::Find(const std::string& path, const std::string& name) {
  auto k = keys_.find(Norm(path));
  if (k == keys_.end()) return nullptr;
  auto v = k->second.values.find(AnsiLower(name));
  return v == k->second.values.end() ? nullptr : &v->second;
}

MemoryRegistry::Value& MemoryRegistry::Put(const std::string& path, const std::string& name) {
  CreateKey(path);
  Value& v = keys_[Norm(path)].values[AnsiLower(name)];
  if (v.name.empty()) v.name = name;
  return v;
}

RegType MemoryRegistry::TypeOf(const std::string& path, const std::string& name) {
  Value* v = Find(path, name);
  return v ? v->type : RegType::None;
}

bool MemoryRegistry::GetString(const std::string& path, const std::string& name, std::string& out) {
  Value* v = Find(path, name);
  if (!v || v->type != RegType::String) return false;
  out = v->text;
  return true;
}

bool MemoryRegistry::GetDword(const std::string& path, const std::string& name, uint32_t& out) {
  Value* v = Find(path, name);
  if (!v || v->type != RegType::Dword) return false;
  out = v->dword;
  return true;
}

bool MemoryRegistry::GetBinary(const std::string& path, const std::string& name, std::string& out) {
  Value* v = Find(path, name);
  if (!v || v->type != RegType::Binary) return false;
  out = v->text;
  return true;
}

bool MemoryRegistry::SetString(const std::string& path, const std::string& name, const std::string& value) {
  Value& v = Put(path, name);
  v.type = RegType::String;
  v.text = value;
  return true;
}

bool MemoryRegistry::SetDword(const std::string& path, const std::string& name, uint32_t value) {
  Value& v = Put(path, name);
  v.type = RegType::Dword;
  v.dword = value;
  return true;
}

bool MemoryRegistry::SetBinary(const std::string& path, const std::string& name, const std::string& value) {
  Value& v = Put(path, name);
  v.type = RegType::Binary;
  v.text = value;
  return true;
}

bool MemoryRegistry::DeleteValue(const std::string& path, const std::string& name) {
  auto k = keys_.find(Norm(path));
  return k != keys_.end() && k->second.values.erase(AnsiLower(name)) > 0;
}

std::vector<std::string> MemoryRegistry::ValueNames(const std::string& path) {
  std::vector<std::string> names;
  auto k = keys_.find(Norm(path));
  if (k != keys_.end())
    for (auto& [lower, v] : k->second.values) names.push_back(v.name);
  return names;
}

std::vector<std::string> MemoryRegistry::SubkeyNames(const std::string& path) {
  std::vector<std::string> names;
  std::string norm = Norm(path);
  std::string prefix = norm.empty() ? "" : norm + "\\";
  for (auto& [p, key] : keys_) {
    if (p.size() > prefix.size() && p.compare(0, prefix.size(), prefix) == 0 &&
        p.find('\\', prefix.size()) == std::string::npos) {
      size_t slash = key.name.rfind('\\');
      names.push_back(slash == std::string::npos ? key.name : key.name.substr(slash + 1));
    }
  }
  return names;
}

}  // namespace wx
