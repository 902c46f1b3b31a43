#include "common/FreedMemory_win.h"

#include <windows.h>
#include <malloc.h>

#include <iterator>

namespace wx {

namespace {

// A free block keeps the heap's own links at its start and a pointer back to
// it at its end: only whole pages between them are given back.
constexpr size_t kKeepAtEdges = 256;

size_t GiveBackFreePages(HANDLE heap, size_t page) {
  size_t released = 0;
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry{};
  while (HeapWalk(heap, &entry)) {
    // Free blocks carry no flags (not busy, not a region, not uncommitted).
    if (entry.wFlags != 0 || entry.cbData < 4 * page) continue;
    const auto begin = reinterpret_cast<uintptr_t>(entry.lpData);
    const uintptr_t first = (begin + kKeepAtEdges + page - 1) / page * page;
    const uintptr_t last = (begin + entry.cbData - kKeepAtEdges) / page * page;
    if (last <= first) continue;
    void* at = reinterpret_cast<void*>(first);
    const size_t size = last - first;
    // Decommitted and committed again: the same addresses, fresh zero pages
    // that take no memory until written.
    if (VirtualFree(at, size, MEM_DECOMMIT) && VirtualAlloc(at, size, MEM_COMMIT, PAGE_READWRITE) == at)
      released += size;
  }
  HeapUnlock(heap);
  return released;
}

}  // namespace

size_t GiveBackFreedMemory() {
  _heapmin();
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  const size_t page = info.dwPageSize ? info.dwPageSize : 4096;
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(DWORD(std::size(heaps)), heaps);
  size_t released = 0;
  for (DWORD i = 0; i < count && i < std::size(heaps); ++i) released += GiveBackFreePages(heaps[i], page);
  return released;
}

}  // namespace wx
