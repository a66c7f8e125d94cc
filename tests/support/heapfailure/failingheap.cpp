#include "support/heapfailure/failingheap.h"

#include <atomic>
#include <cerrno>

extern "C" void *__libc_malloc(std::size_t size) noexcept;
extern "C" void *__libc_realloc(void *block, std::size_t size) noexcept;
extern "C" void *__libc_calloc(std::size_t count, std::size_t size) noexcept;

namespace {
std::atomic<std::size_t> refusedFrom{0};
}  // namespace

namespace {
bool refused(std::size_t size) {
  const std::size_t from = refusedFrom.load(std::memory_order_relaxed);
  if (from == 0 || size < from)
    return false;
  errno = ENOMEM;
  return true;
}
}  // namespace

// The program's heap: glibc's, but for the blocks the test refuses. A block
// that grows may be taken afresh, so realloc is refused alike (the old block
// stays, as when memory is full).
extern "C" void *malloc(std::size_t size) noexcept { return refused(size) ? nullptr : __libc_malloc(size); }

extern "C" void *realloc(void *block, std::size_t size) noexcept {
  return refused(size) ? nullptr : __libc_realloc(block, size);
}

extern "C" void *calloc(std::size_t count, std::size_t size) noexcept {
  return count != 0 && refused(count * size) ? nullptr : __libc_calloc(count, size);
}

namespace corvessa::test {

void failHeapBlocksFrom(std::size_t bytes) { refusedFrom.store(bytes); }

FailingHeapBlocks::FailingHeapBlocks(std::size_t fromBytes) { failHeapBlocksFrom(fromBytes); }

FailingHeapBlocks::~FailingHeapBlocks() { failHeapBlocksFrom(0); }

}  // namespace corvessa::test
