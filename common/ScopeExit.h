// Runs a function when the scope that holds it ends, also when an exception
// leaves it: the closing half of a bracket written next to its opening half.
#pragma once

#include <utility>

namespace wx {

template <typename Fn>
class ScopeExit {
 public:
  explicit ScopeExit(Fn fn) : fn_(std::move(fn)) {}
  ~ScopeExit() { fn_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Fn fn_;
};

}  // namespace wx
