// Large blocks of memory in 2 MiB pages, for the whole tool.
//
// Encrypting and decrypting hold the whole input, the plaintext and the result in memory at once. Fresh memory
// costs a page fault on the first touch of each page, and in 4 KiB pages that can outweigh the work done on the
// text (on a virtual machine by far); in 2 MiB pages it costs one fault per 2 MiB. So every block of at least
// LargeBlock bytes starts on a 2 MiB boundary, spans whole 2 MiB pages and is marked for huge pages; where the
// kernel has none to give, it falls back to small pages. Freeing is unchanged: the block comes from aligned_alloc,
// whose memory the default operator delete gives back with free().
//
// Under AddressSanitizer the sanitizer's own operator new stays, so that it can match every allocation to its
// release.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARIN_ASAN 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(TESSARIN_ASAN)

#include <cstdint>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::size_t LargeBlock = std::size_t{1} << 20;

void* allocate(std::size_t size)
{
    if (size >= LargeBlock && size <= SIZE_MAX - HugePage) {
        const std::size_t whole = (size + HugePage - 1) / HugePage * HugePage;
        if (void* block = std::aligned_alloc(HugePage, whole)) {
            madvise(block, whole, MADV_HUGEPAGE);
            return block;
        }
    }
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

// The other forms of operator new (arrays, nothrow) call this one.
void* operator new(std::size_t size)
{
    for (;;) {
        if (void* block = allocate(size)) {
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

#endif
