#include "support/AllocationCounter.h"

#include <execinfo.h>
#include <link.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

// glibc's own allocator entry points, which the counting versions forward to.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

// The counter's own code lives in a section of its own, so that the traces
// can step over it: its bounds are __start_ and __stop_ of that section.
#define COUNTER_CODE __attribute__((section("alloc_counter_text"), noinline))
extern "C" const char __start_alloc_counter_text[];
extern "C" const char __stop_alloc_counter_text[];

namespace {

struct Range {
    std::uintptr_t begin = 0, end = 0;
};
// Code of the program itself, and of the runtime libraries that only pass
// an allocation on (the C library, the C++ library and its helpers).
Range programCode[16], runtimeCode[64];
int programCount = 0, runtimeCount = 0;

int noteCode(dl_phdr_info* info, std::size_t, void*) {
    const char* name = info->dlpi_name != nullptr ? info->dlpi_name : "";
    const bool program = name[0] == 0;
    bool runtime = false;
    for (const char* library : {"libc.so", "libstdc++", "libgcc_s", "libm.so", "ld-linux"})
        runtime = runtime || std::strstr(name, library) != nullptr;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& h = info->dlpi_phdr[i];
        if (h.p_type != PT_LOAD || !(h.p_flags & PF_X)) continue;
        const Range r{info->dlpi_addr + h.p_vaddr, info->dlpi_addr + h.p_vaddr + h.p_memsz};
        if (program && programCount < 16) programCode[programCount++] = r;
        if (runtime && runtimeCount < 64) runtimeCode[runtimeCount++] = r;
    }
    return 0;
}

bool inside(const Range* ranges, int count, std::uintptr_t a) {
    for (int i = 0; i < count; ++i)
        if (a >= ranges[i].begin && a < ranges[i].end) return true;
    return false;
}

std::atomic<bool> counting{false};
thread_local bool countedThread = false, attributing = false;
thread_local bool busy = false;  // inside the counter itself: not counted
thread_local std::uint64_t made = 0, madeByGame = 0;

// Whether the first caller outside the allocator and the runtime libraries
// is the program's own code.
COUNTER_CODE bool askedByProgram() {
    void* frames[48];
    const int depth = backtrace(frames, 48);
    const Range counter{reinterpret_cast<std::uintptr_t>(__start_alloc_counter_text),
                        reinterpret_cast<std::uintptr_t>(__stop_alloc_counter_text)};
    for (int i = 0; i < depth; ++i) {
        const auto a = reinterpret_cast<std::uintptr_t>(frames[i]);
        if (inside(&counter, 1, a)) continue;
        if (inside(programCode, programCount, a)) return true;
        if (!inside(runtimeCode, runtimeCount, a)) return false;
    }
    return false;
}

COUNTER_CODE void note() {
    if (!countedThread || busy || !counting.load(std::memory_order_relaxed)) return;
    ++made;
    if (!attributing) return;
    busy = true;
    madeByGame += askedByProgram() ? 1 : 0;
    busy = false;
}

COUNTER_CODE void* allocate(std::size_t size, std::size_t alignment, bool mayThrow) {
    note();
    void* p = alignment > 0 ? __libc_memalign(alignment, size == 0 ? 1 : size) : __libc_malloc(size == 0 ? 1 : size);
    if (p == nullptr && mayThrow) throw std::bad_alloc();
    return p;
}

}  // namespace

namespace allocations {

CountedScope::CountedScope(bool attribute) {
    if (attribute) {
        // Before counting: the first backtrace loads the unwinder.
        busy = true;
        programCount = runtimeCount = 0;
        dl_iterate_phdr(noteCode, nullptr);
        void* warm[4];
        backtrace(warm, 4);
        busy = false;
    }
    made = madeByGame = 0;
    attributing = attribute;
    countedThread = true;
    counting.store(true);
}

CountedScope::~CountedScope() {
    counting.store(false);
    countedThread = attributing = false;
}

std::uint64_t CountedScope::allocations() const { return made; }
std::uint64_t CountedScope::gameAllocations() const { return madeByGame; }

}  // namespace allocations

extern "C" {
COUNTER_CODE void* malloc(std::size_t size) { note(); return __libc_malloc(size); }
COUNTER_CODE void* calloc(std::size_t count, std::size_t size) { note(); return __libc_calloc(count, size); }
COUNTER_CODE void* realloc(void* pointer, std::size_t size) { note(); return __libc_realloc(pointer, size); }
void free(void* pointer) { __libc_free(pointer); }
}

using std::align_val_t, std::nothrow_t, std::size_t;
COUNTER_CODE void* operator new(size_t size) { return allocate(size, 0, true); }
COUNTER_CODE void* operator new[](size_t size) { return allocate(size, 0, true); }
COUNTER_CODE void* operator new(size_t size, const nothrow_t&) noexcept { return allocate(size, 0, false); }
COUNTER_CODE void* operator new[](size_t size, const nothrow_t&) noexcept { return allocate(size, 0, false); }
COUNTER_CODE void* operator new(size_t size, align_val_t a) { return allocate(size, static_cast<size_t>(a), true); }
COUNTER_CODE void* operator new[](size_t size, align_val_t a) { return allocate(size, static_cast<size_t>(a), true); }
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete[](void* p) noexcept { __libc_free(p); }
void operator delete(void* p, size_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t) noexcept { __libc_free(p); }
void operator delete(void* p, align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, align_val_t) noexcept { __libc_free(p); }
void operator delete(void* p, size_t, align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t, align_val_t) noexcept { __libc_free(p); }
