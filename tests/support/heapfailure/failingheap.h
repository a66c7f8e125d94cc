#pragma once
// Makes the heap run out for this test program while the object lives:
// every block of at least the given size is refused, as a full memory or an
// address-space limit (ulimit -v) refuses it, to the toolkit's own code too,
// which cannot say so and ends the program. Smaller blocks still come.
// Linked only into the program of the tests that need it, and never beside
// the sanitizers, which keep the heap to themselves.
#include <cstddef>

namespace corvessa::test {

class FailingHeapBlocks {
 public:
  explicit FailingHeapBlocks(std::size_t fromBytes);
  ~FailingHeapBlocks();
  FailingHeapBlocks(const FailingHeapBlocks &) = delete;
  FailingHeapBlocks &operator=(const FailingHeapBlocks &) = delete;
};

// From now on (0: no longer) a block of at least `bytes` is refused.
void failHeapBlocksFrom(std::size_t bytes);

}  // namespace corvessa::test
