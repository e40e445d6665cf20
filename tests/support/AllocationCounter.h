#pragma once

#include <cstdint>

// Counts the heap allocations made through operator new (in every form) and
// malloc, calloc and realloc on the thread that counts. A binary that links
// AllocationCounter.cpp gets the counting versions; counting is off until a
// CountedScope opens, so start-up and the test framework are not counted.
//
// With attribution on, each allocation is also traced back to the code that
// asked for it: the first caller outside the C and C++ runtime libraries.
// When that is the program itself (the game's code is linked into it) the
// allocation is the game's; when it is another library (the OpenGL driver,
// SDL, the X libraries) it is that library's own business.
namespace allocations {

class CountedScope {
public:
    explicit CountedScope(bool attribute = false);
    ~CountedScope();
    CountedScope(const CountedScope&) = delete;
    CountedScope& operator=(const CountedScope&) = delete;

    // Every allocation of this thread since the scope opened.
    std::uint64_t allocations() const;
    // Those that the program's own code asked for (attribution on only).
    std::uint64_t gameAllocations() const;
};

}  // namespace allocations
