// Counts the heap allocations of the whole program, for checks that a piece of code allocates
// nothing. It replaces the global operator new and delete: include it in one source file of a
// program only.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

// Inlined pairs of the replaced new and delete look mismatched to the compiler; they are not.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

static std::atomic<long> gAlocacoes{0};

void *operator new(std::size_t n) {
    ++gAlocacoes;
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}
