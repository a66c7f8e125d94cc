#pragma once
// Makes memory run out for this test process while an object lives.
#include "core/largearray.h"
#include "support/core/sanitizer.h"

#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>

namespace corvessa::test {

// The large arrays (the grids' cells, the draw editor's rows): a block of at
// least the given size throws std::bad_alloc, as a full memory does. Small
// blocks still come, so what a failure leaves behind can be shown.
class FailingLargeBlocks {
 public:
  explicit FailingLargeBlocks(std::size_t fromBytes) { failLargeBlocksFrom(fromBytes); }
  ~FailingLargeBlocks() { failLargeBlocksFrom(0); }
  FailingLargeBlocks(const FailingLargeBlocks &) = delete;
  FailingLargeBlocks &operator=(const FailingLargeBlocks &) = delete;
};

// Any memory at all: the process gets only `moreBytes` of data memory
// (heap, anonymous mappings, a thread's malloc arena growing into its
// reserve) beyond what it holds now, as on a computer short of memory, so a
// large block of the heap or of a file's bytes fails where small ones still
// come. AddressSanitizer maps its own memory beside the process's, so there
// the limit is not set (available() is false).
class ShortMemory {
 public:
  static bool available() { return !kUnderAddressSanitizer; }
  explicit ShortMemory(std::size_t moreBytes) {
    getrlimit(RLIMIT_DATA, &old_);
    malloc_trim(0);  // what the heap keeps of freed blocks is not room for new ones
    unsigned long kilobytes = 0;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
      char line[256];
      while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmData: %lu kB", &kilobytes) == 1)
          break;
      std::fclose(status);
    }
    if (kilobytes == 0)
      return;
    rlimit limit = old_;
    limit.rlim_cur = rlim_t(kilobytes) * 1024 + moreBytes;
    set_ = setrlimit(RLIMIT_DATA, &limit) == 0;
  }
  ~ShortMemory() {
    if (set_)
      setrlimit(RLIMIT_DATA, &old_);
  }
  ShortMemory(const ShortMemory &) = delete;
  ShortMemory &operator=(const ShortMemory &) = delete;

 private:
  rlimit old_{};
  bool set_ = false;
};

}  // namespace corvessa::test
