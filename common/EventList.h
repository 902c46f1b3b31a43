// A list of listeners to one kind of notification: each listener is known by
// an identity (usually its own address) and registered at most once; the list
// calls them in the order they were first registered. Listeners may add or
// remove themselves or others while being called: a removed listener is not
// called again, a new one is first called at the next notification.
//
// Portable: no Windows headers. Used from one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace wx {

template <class... Args>
class TEventList {
 public:
  using Handler = std::function<void(Args...)>;

  // Registers listener; one already registered keeps its place and takes the
  // new handler. A null listener or an empty handler is ignored.
  void Add(const void* listener, Handler handler) {
    if (!listener || !handler) return;
    for (auto& e : entries_)
      if (e.listener == listener) {
        e.handler = std::make_shared<Handler>(std::move(handler));
        return;
      }
    entries_.push_back({listener, ++lastId_, std::make_shared<Handler>(std::move(handler))});
  }
  void Remove(const void* listener) {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].listener == listener) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
  }
  bool Contains(const void* listener) const {
    for (const auto& e : entries_)
      if (e.listener == listener) return true;
    return false;
  }
  size_t Count() const { return entries_.size(); }

  void Notify(Args... args) {
    // Walk a snapshot of the ids; call each one only while it is still listed.
    std::vector<uint64_t> ids;
    ids.reserve(entries_.size());
    for (const auto& e : entries_) ids.push_back(e.id);
    for (uint64_t id : ids) {
      std::shared_ptr<Handler> handler;
      for (const auto& e : entries_)
        if (e.id == id) handler = e.handler;
      if (handler) (*handler)(args...);
    }
  }

 private:
  struct Entry {
    const void* listener;
    uint64_t id;
    std::shared_ptr<Handler> handler;  // shared: stays alive while it runs even if removed
  };
  std::vector<Entry> entries_;
  uint64_t lastId_ = 0;
};

}  // namespace wx
