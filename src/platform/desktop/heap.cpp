#include "platform/heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

// Every picture passes through buffers of several megabytes: the decoded
// pixels, then the driver's texture. Left to itself the C library maps each
// big buffer afresh and unmaps it when freed, and the kernel hands over a
// fresh mapping's pages one fault at a time: a few thousand faults before
// the title shows, each a trip into the kernel, and a dear one on virtual
// machines (some 10 microseconds on our test machines, a fifth of the time
// to the first title frame in all). Populating the same pages in one call
// costs a tenth of that. So big buffers come from the heap, which keeps what
// it was given, and each picture reuses the pages of the one before; and the
// pages the title needs are populated in one call.
static constexpr int heapHoldsBuffersUpTo = 32 << 20;
static constexpr int heapKeepsUpTo = 64 << 20;
// The title picture's decoded pixels and its texture, and room to spare for
// the driver's own buffers.
static constexpr std::size_t populatedAtStart = 16 << 20;

void prepareHeapForPictures() {
    mallopt(M_MMAP_THRESHOLD, heapHoldsBuffersUpTo);
    mallopt(M_TRIM_THRESHOLD, heapKeepsUpTo);

    void* block = std::malloc(populatedAtStart);
    if (block == nullptr) {
        return;
    }
    // Only whole pages inside the block. A kernel without this advice
    // (before Linux 5.14) refuses it, and the pages come by fault as before.
    const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t firstPage = (start + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t endPage = (start + populatedAtStart) & ~(pageSize - 1);
    madvise(reinterpret_cast<void*>(firstPage), endPage - firstPage, MADV_POPULATE_WRITE);
    // Freed at the top of the heap, the block stays there, populated, for
    // the pictures to take.
    std::free(block);
}
