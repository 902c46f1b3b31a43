// A copy of everything the user had on the clipboard (every format that can be
// copied: memory blocks, bitmaps, metafiles), put back after a Selected action
// borrowed the clipboard.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace wx {

class ClipboardBackup {
 public:
  ClipboardBackup() = default;
  ~ClipboardBackup();
  ClipboardBackup(const ClipboardBackup&) = delete;
  ClipboardBackup& operator=(const ClipboardBackup&) = delete;

  // Copies every copyable format off the clipboard (waiting for it to be
  // free); false, with nothing saved, when another program keeps it open.
  bool Save(HWND owner);
  // Empties the clipboard and puts the saved formats back (an empty backup
  // leaves the clipboard empty). The backup stays usable for another restore.
  // False when the clipboard could not be opened or emptied, or a format not
  // be set (the block of a format that was not taken is freed).
  bool Restore(HWND owner) const;
  bool Saved() const { return saved_; }
  size_t FormatCount() const { return items_.size(); }

 private:
  enum class Kind { Memory, Bitmap, EnhMetafile, MetafilePict };
  struct Item {
    UINT format;
    Kind kind;
    std::vector<char> bytes;  // Memory: the block; MetafilePict: the metafile bits
    HANDLE object = nullptr;  // Bitmap, EnhMetafile: our own copy
    LONG mm = 0, xExt = 0, yExt = 0;
  };
  void Clear();
  // A fresh copy of a saved format for the clipboard to own, or null.
  static HANDLE Duplicate(const Item& item);
  static void Free(const Item& item, HANDLE data);
  std::vector<Item> items_;
  bool saved_ = false;
};

}  // namespace wx
