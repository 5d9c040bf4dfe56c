#pragma once

#include <windows.h>

namespace orvane::skin::test {

// Catches code that reads an object after it was freed and hands on what it
// read, such as a click handler whose menu item went while it ran. While a
// watch lives, every block given back through operator delete is filled with
// the handle of a message-only window of the watch's own and kept from reuse until
// the watch ends; a window message sent to a handle read from freed memory
// arrives at that window and is counted.
class TFreedMemoryWatch {
public:
    TFreedMemoryWatch();
    ~TFreedMemoryWatch();
    TFreedMemoryWatch(const TFreedMemoryWatch&) = delete;
    TFreedMemoryWatch& operator=(const TFreedMemoryWatch&) = delete;

    // Messages that reached the window through handles read from freed memory.
    int MessagesThroughFreedMemory() const;
    // Whether the block that starts at `object` was given back while the
    // watch lives.
    bool Freed(const void* object) const;

private:
    HWND sentinel = nullptr;
};

} // namespace orvane::skin::test
