#include "FreedMemoryWatch.h"

#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace orvane::skin::test {

namespace {

constexpr wchar_t SentinelClass[] = L"OrvaneFreedMemorySentinel";
// Blocks kept from reuse at most; the oldest is given back when more come.
constexpr std::size_t QuarantineSize = 1 << 16;

// What freed blocks are filled with; 0 while no watch lives.
std::atomic<std::uintptr_t> fillPattern{0};
std::atomic<int> sentinelMessages{0};

struct TQuarantine {
    SRWLOCK lock = SRWLOCK_INIT;
    void* blocks[QuarantineSize]{};
    std::size_t next = 0;
};

TQuarantine& Quarantine()
{
    // Never destroyed: operator delete may run after static destructors.
    static TQuarantine* quarantine = new (std::malloc(sizeof(TQuarantine))) TQuarantine;
    return *quarantine;
}

void Keep(void* block, std::uintptr_t pattern)
{
    const std::size_t words = _msize(block) / sizeof(std::uintptr_t);
    auto* filled = static_cast<std::uintptr_t*>(block);
    for (std::size_t word = 0; word < words; ++word)
        filled[word] = pattern;
    TQuarantine& quarantine = Quarantine();
    AcquireSRWLockExclusive(&quarantine.lock);
    void*& slot = quarantine.blocks[quarantine.next];
    std::free(slot);
    slot = block;
    quarantine.next = (quarantine.next + 1) % QuarantineSize;
    ReleaseSRWLockExclusive(&quarantine.lock);
}

void ReleaseAll()
{
    TQuarantine& quarantine = Quarantine();
    AcquireSRWLockExclusive(&quarantine.lock);
    for (void*& block : quarantine.blocks) {
        std::free(block);
        block = nullptr;
    }
    quarantine.next = 0;
    ReleaseSRWLockExclusive(&quarantine.lock);
}

LRESULT CALLBACK SentinelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (fillPattern.load() == reinterpret_cast<std::uintptr_t>(window))
        ++sentinelMessages;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

TFreedMemoryWatch::TFreedMemoryWatch()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = SentinelProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = SentinelClass;
    RegisterClassW(&windowClass);
    // A message-only window: no broadcast reaches it.
    sentinel = CreateWindowExW(0, SentinelClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    sentinelMessages = 0;
    fillPattern = reinterpret_cast<std::uintptr_t>(sentinel);
}

TFreedMemoryWatch::~TFreedMemoryWatch()
{
    fillPattern = 0;
    ReleaseAll();
    DestroyWindow(sentinel);
}

int TFreedMemoryWatch::MessagesThroughFreedMemory() const { return sentinelMessages.load(); }

bool TFreedMemoryWatch::Freed(const void* object) const
{
    TQuarantine& quarantine = Quarantine();
    AcquireSRWLockShared(&quarantine.lock);
    bool found = false;
    for (const void* block : quarantine.blocks)
        found = found || block == object;
    ReleaseSRWLockShared(&quarantine.lock);
    return found;
}

} // namespace orvane::skin::test

// Every block the program frees passes here (the sized and array forms of
// the library's operator delete end here too).
void operator delete(void* block) noexcept
{
    if (!block)
        return;
    if (const std::uintptr_t pattern = orvane::skin::test::fillPattern.load()) {
        orvane::skin::test::Keep(block, pattern);
        return;
    }
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
