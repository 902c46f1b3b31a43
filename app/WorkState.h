// The controller's busy state. Work nests: a Selected action holds the
// program busy from the first clipboard change to the restore of the user's
// clipboard, and the clipboard action it runs inside begins and ends its own
// stretch of work. The program is busy until the outermost stretch ends, and
// accepts input (hotkeys, tray clicks, the tray menu) only while it is neither
// busy nor showing a modal dialog of the tray menu.
#pragma once

namespace wx {

class WorkState {
 public:
  // Begins a stretch of work; true when the program has just become busy.
  bool Begin() { return ++work_ == 1; }
  // Ends one stretch; true when the program has just become idle. An end
  // without a matching begin changes nothing.
  bool End() {
    if (work_ == 0) return false;
    return --work_ == 0;
  }
  void BeginModal() { ++modal_; }
  void EndModal() {
    if (modal_ > 0) --modal_;
  }
  bool Busy() const { return work_ > 0; }
  bool AcceptsInput() const { return work_ == 0 && modal_ == 0; }

 private:
  int work_ = 0;
  int modal_ = 0;
};

// Holds one stretch of work of a state for the lifetime of the object, also
// when it is left by an exception. Host is anything with BeginWork/EndWork.
template <typename Host>
class WorkScope {
 public:
  explicit WorkScope(Host& host) : host_(host) { host_.BeginWork(); }
  ~WorkScope() { host_.EndWork(); }
  WorkScope(const WorkScope&) = delete;
  WorkScope& operator=(const WorkScope&) = delete;

 private:
  Host& host_;
};

}  // namespace wx
