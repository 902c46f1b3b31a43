// Gives memory that was freed back to the system. A window that held a long
// text (a rich edit keeps a few hundred bytes per line, from the C runtime's
// heap) frees it when it closes, but a heap keeps the pages of free blocks
// between blocks still in use: they stay part of the program's memory until
// allocations come that may never come.
#pragma once

#include <cstddef>

namespace wx {

// Releases the pages inside the large free blocks of every heap of the
// process (each heap locked meanwhile) and returns how many bytes that was.
size_t GiveBackFreedMemory();

}  // namespace wx
