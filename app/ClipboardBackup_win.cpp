#include "app/ClipboardBackup_win.h"

#include <cstring>

#include "app/Clipboard_win.h"

namespace wx {

ClipboardBackup::~ClipboardBackup() { Clear(); }

void ClipboardBackup::Clear() {
  for (Item& i : items_) {
    if (i.kind == Kind::Bitmap && i.object) DeleteObject(i.object);
    if (i.kind == Kind::EnhMetafile && i.object) DeleteEnhMetaFile(static_cast<HENHMETAFILE>(i.object));
  }
  items_.clear();
  saved_ = false;
}

bool ClipboardBackup::Save(HWND owner) {
  Clear();
  if (!OpenClipboardWait(owner, 2000)) return false;
  saved_ = true;
  for (UINT fmt = EnumClipboardFormats(0); fmt; fmt = EnumClipboardFormats(fmt)) {
    // Formats the system makes up from others (ANSI and OEM text, the locale,
    // the device-independent bitmap of a bitmap) come back by themselves.
    if (fmt == CF_TEXT || fmt == CF_OEMTEXT || fmt == CF_LOCALE || fmt == CF_DIB || fmt == CF_DIBV5) {
      if (fmt != CF_DIB && fmt != CF_DIBV5) continue;
      if (IsClipboardFormatAvailable(CF_BITMAP)) continue;
    }
    // Handles that are not memory (owner display, private and GDI object
    // formats, palettes) cannot be copied.
    if (fmt == CF_OWNERDISPLAY || fmt == CF_PALETTE || (fmt >= CF_PRIVATEFIRST && fmt <= CF_PRIVATELAST) ||
        (fmt >= CF_GDIOBJFIRST && fmt <= CF_GDIOBJLAST) || fmt == CF_DSPBITMAP || fmt == CF_DSPENHMETAFILE ||
        fmt == CF_DSPMETAFILEPICT)
      continue;
    HANDLE h = GetClipboardData(fmt);
    if (!h) continue;
    Item item{fmt, Kind::Memory, {}, nullptr};
    if (fmt == CF_BITMAP) {
      item.kind = Kind::Bitmap;
      item.object = CopyImage(h, IMAGE_BITMAP, 0, 0, 0);
      if (!item.object) continue;
    } else if (fmt == CF_ENHMETAFILE) {
      item.kind = Kind::EnhMetafile;
      item.object = CopyEnhMetaFile(static_cast<HENHMETAFILE>(h), nullptr);
      if (!item.object) continue;
    } else if (fmt == CF_METAFILEPICT) {
      auto* pict = static_cast<METAFILEPICT*>(GlobalLock(h));
      if (!pict) continue;
      item.kind = Kind::MetafilePict;
      item.mm = pict->mm;
      item.xExt = pict->xExt;
      item.yExt = pict->yExt;
      UINT size = GetMetaFileBitsEx(pict->hMF, 0, nullptr);
      item.bytes.resize(size);
      if (size) GetMetaFileBitsEx(pict->hMF, size, item.bytes.data());
      GlobalUnlock(h);
    } else {
      SIZE_T size = GlobalSize(h);
      const void* p = size ? GlobalLock(h) : nullptr;
      if (!p) continue;
      item.bytes.assign(static_cast<const char*>(p), static_cast<const char*>(p) + size);
      GlobalUnlock(h);
    }
    items_.push_back(std::move(item));
  }
  CloseClipboard();
  return true;
}

HANDLE ClipboardBackup::Duplicate(const Item& i) {
  switch (i.kind) {
    case Kind::Bitmap:
      return CopyImage(i.object, IMAGE_BITMAP, 0, 0, 0);
    case Kind::EnhMetafile:
      return CopyEnhMetaFile(static_cast<HENHMETAFILE>(i.object), nullptr);
    case Kind::MetafilePict: {
      HMETAFILE mf = SetMetaFileBitsEx(UINT(i.bytes.size()), reinterpret_cast<const BYTE*>(i.bytes.data()));
      if (!mf) return nullptr;
      HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
      auto* pict = mem ? static_cast<METAFILEPICT*>(GlobalLock(mem)) : nullptr;
      if (!pict) {
        if (mem) GlobalFree(mem);
        DeleteMetaFile(mf);
        return nullptr;
      }
      pict->mm = i.mm;
      pict->xExt = i.xExt;
      pict->yExt = i.yExt;
      pict->hMF = mf;
      GlobalUnlock(mem);
      return mem;
    }
    case Kind::Memory: {
      HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, i.bytes.empty() ? 1 : i.bytes.size());
      if (!mem) return nullptr;
      void* p = GlobalLock(mem);
      if (!p) {
        GlobalFree(mem);
        return nullptr;
      }
      if (!i.bytes.empty()) memcpy(p, i.bytes.data(), i.bytes.size());
      GlobalUnlock(mem);
      return mem;
    }
  }
  return nullptr;
}

void ClipboardBackup::Free(const Item& i, HANDLE data) {
  switch (i.kind) {
    case Kind::Bitmap:
      DeleteObject(data);
      break;
    case Kind::EnhMetafile:
      DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
      break;
    case Kind::MetafilePict:
      if (auto* pict = static_cast<METAFILEPICT*>(GlobalLock(data))) {
        DeleteMetaFile(pict->hMF);
        GlobalUnlock(data);
      }
      GlobalFree(data);
      break;
    case Kind::Memory:
      GlobalFree(data);
      break;
  }
}

bool ClipboardBackup::Restore(HWND owner) const {
  if (!OpenClipboardWait(owner, 2000)) return false;
  const bool emptied = EmptyClipboard() != 0;
  bool ok = emptied;
  for (const Item& i : items_) {
    if (!emptied) break;
    HANDLE data = Duplicate(i);
    // The clipboard owns what it took; what it refused is ours to free.
    if (!data || !SetClipboardData(i.format, data)) {
      if (data) Free(i, data);
      ok = false;
    }
  }
  CloseClipboard();
  return ok;
}

}  // namespace wx
