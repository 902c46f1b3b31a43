// Progress for the data builders: a line on stderr rewritten in place
// ("reading data.noun  45%"), at most a few times a second.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace wx::tools {

class Progress {
 public:
  explicit Progress(std::string what) : what_(std::move(what)) { Show(0, 1, true); }
  ~Progress() { Done(); }

  void Update(size_t done, size_t total) { Show(done, total, false); }
  void Done() {
    if (done_) return;
    done_ = true;
    std::fprintf(stderr, "\r%-40s 100%%\n", what_.c_str());
  }

 private:
  void Show(size_t done, size_t total, bool force) {
    auto now = std::chrono::steady_clock::now();
    if (!force && now - last_ < std::chrono::milliseconds(200)) return;
    last_ = now;
    unsigned pct = total ? unsigned(done * 100 / total) : 0;
    std::fprintf(stderr, "\r%-40s %3u%%", what_.c_str(), pct > 100 ? 100u : pct);
    std::fflush(stderr);
  }
  std::string what_;
  std::chrono::steady_clock::time_point last_{};
  bool done_ = false;
};

}  // namespace wx::tools
