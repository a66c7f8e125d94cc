#pragma once
// Makes memory run out for this test process's large arrays (the grids'
// cells, the draw editor's rows) while the object lives: a block of at least
// the given size throws std::bad_alloc, as a full memory does. Small blocks
// still come, so what a failure leaves behind can be shown.
#include "core/largearray.h"

namespace corvessa::test {

class FailingLargeBlocks {
 public:
  explicit FailingLargeBlocks(std::size_t fromBytes) { failLargeBlocksFrom(fromBytes); }
  ~FailingLargeBlocks() { failLargeBlocksFrom(0); }
  FailingLargeBlocks(const FailingLargeBlocks &) = delete;
  FailingLargeBlocks &operator=(const FailingLargeBlocks &) = delete;
};

}  // namespace corvessa::test
