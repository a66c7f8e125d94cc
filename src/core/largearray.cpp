#include "core/largearray.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace corvessa {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kPage = 4096;

constexpr std::size_t roundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

std::atomic<std::size_t> failingFrom{0};

}  // namespace

void failLargeBlocksFrom(std::size_t bytes) { failingFrom.store(bytes); }

void preferHugePages(void *data, std::size_t bytes) {
#ifdef __linux__
  // Only the whole huge pages inside the block.
  const std::uintptr_t begin = roundUp(reinterpret_cast<std::uintptr_t>(data), kHugePage);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / kHugePage * kHugePage;
  if (end > begin)
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

void *allocateLargeBlock(std::size_t bytes, std::size_t &taken) {
  taken = 0;
  if (bytes == 0)
    return nullptr;
  if (const std::size_t from = failingFrom.load(); from != 0 && bytes >= from)
    throw std::bad_alloc();
#ifdef __linux__
  if (bytes >= kHugePage) {
    // A 2 MB-aligned mapping: the range is mapped with 2 MB to spare, and
    // what lies before the first boundary and after the block goes back.
    // The advice must come before the first touch, or the pages the
    // touch brings are 4 KB ones.
    const std::size_t length = roundUp(bytes, kPage);
    if (length > SIZE_MAX - kHugePage)
      throw std::bad_alloc();
    void *raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
      throw std::bad_alloc();
    const std::uintptr_t rawBegin = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t begin = roundUp(rawBegin, kHugePage);
    const std::uintptr_t end = begin + length, rawEnd = rawBegin + length + kHugePage;
    if (begin > rawBegin)
      munmap(raw, begin - rawBegin);
    if (rawEnd > end)
      munmap(reinterpret_cast<void *>(end), rawEnd - end);
    madvise(reinterpret_cast<void *>(begin), length, MADV_HUGEPAGE);
    taken = length;
    return reinterpret_cast<void *>(begin);
  }
#endif
  void *data = std::calloc(bytes, 1);
  if (!data)
    throw std::bad_alloc();
  taken = bytes;
  return data;
}

void releaseLargeBlock(void *data, std::size_t taken) {
  if (!data)
    return;
#ifdef __linux__
  if (taken >= kHugePage) {
    munmap(data, taken);
    return;
  }
#endif
  std::free(data);
}

}  // namespace corvessa
