#include "core/largearray.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef __linux__
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace corvessa {

namespace {

std::atomic<std::size_t> failingFrom{0};

// From this size on a block is mapped and kept: the heap would zero a block
// it hands out again whole, and so touch pages of a grid's colours that no
// chart writes.
constexpr std::size_t kMappedFrom = std::size_t(256) << 10;

#ifdef __linux__

constexpr std::size_t roundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

// Blocks are mapped, split and zeroed in the system's pages.
std::size_t pageBytes() {
  static const std::size_t bytes = [] {
    const long page = sysconf(_SC_PAGESIZE);
    return page > 0 ? std::size_t(page) : std::size_t(4096);
  }();
  return bytes;
}

char *mapFresh(std::size_t length) {
  void *data = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return data == MAP_FAILED ? nullptr : static_cast<char *>(data);
}

// The largest chart of a session at 100,000 draws, the straight enquiry of
// 400 numbers, takes about 250 MB: the bound keeps it and a smaller chart's
// blocks beside it, and never more than a sixteenth of the computer's memory.
std::size_t machineKeptBound() {
  constexpr std::size_t kMost = std::size_t(512) << 20;
  const long pages = sysconf(_SC_PHYS_PAGES);
  if (pages <= 0)
    return kMost / 4;
  return std::min(kMost, std::size_t(pages) * pageBytes() / 16);
}

// Kept blocks go back once none has been taken or given back for this long:
// a program whose charts are all closed holds nothing for long.
constexpr long kIdleMs = 30000;

// Zeroes a page that is not zero already.
void zeroPage(char *page) {
  constexpr std::size_t kPiece = 4096;
  alignas(64) static const unsigned char zeros[kPiece] = {};
  for (std::size_t at = 0; at < pageBytes(); at += kPiece)
    if (std::memcmp(page + at, zeros, kPiece) != 0) {
      std::memset(page, 0, pageBytes());
      return;
    }
}

// The pages of a kept block that its last use may have written are zeroed.
// The kernel's page map tells each page's state: measured at 100,000 draws,
// the straight enquiry opened a second time in a session took 91-100 ms
// and some 90 page faults with it, 166-178 ms and 20,000 faults when every
// used page was zeroed (each colour page faulted in). A page never touched is
// zero already and stays untouched, so it costs neither a fault nor memory
// (most pages of a grid's colours are such). A page of this process's own
// (written, or in swap) is zeroed without a look, runs of them in one call,
// which fills whole lines without reading them first. Any other page in
// memory (the kernel's zero page, where the last use only read) is read,
// and written only where it is not zero. Without the page map every page
// is read.
void zeroUsedPages(char *data, std::size_t used) {
  const std::size_t page = pageBytes(), pages = roundUp(used, page) / page;
  if (pages == 0)
    return;
  const int pageMap = open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
  constexpr std::size_t kChunk = 1024;
  std::uint64_t entries[kChunk];
  const std::size_t firstEntry = reinterpret_cast<std::uintptr_t>(data) / page;
  std::size_t runStart = 0, runPages = 0;  // pages to zero in one call
  const auto zeroRun = [&] {
    if (runPages > 0)
      std::memset(data + runStart * page, 0, runPages * page);
    runPages = 0;
  };
  for (std::size_t first = 0; first < pages; first += kChunk) {
    const std::size_t n = std::min(kChunk, pages - first);
    const auto bytes = ssize_t(n * sizeof entries[0]);
    const bool known =
        pageMap >= 0 && pread(pageMap, entries, std::size_t(bytes), off_t((firstEntry + first) * sizeof entries[0])) == bytes;
    for (std::size_t i = 0; i < n; ++i) {
      constexpr std::uint64_t kPresent = std::uint64_t(1) << 63, kSwapped = std::uint64_t(1) << 62,
                              kOwn = std::uint64_t(1) << 56;
      const std::uint64_t entry = known ? entries[i] : kPresent;
      const std::size_t at = first + i;
      if ((entry & kSwapped) != 0 || (entry & (kPresent | kOwn)) == (kPresent | kOwn)) {
        if (runPages == 0)
          runStart = at;
        ++runPages;
        continue;
      }
      zeroRun();
      if ((entry & kPresent) != 0)
        zeroPage(data + at * page);
    }
  }
  zeroRun();
  if (pageMap >= 0)
    close(pageMap);
}

struct Block {
  char *data = nullptr;
  std::size_t length = 0, used = 0;
  std::uint64_t keptAt = 0;  // for giving back the longest kept first
};

void unmap(const std::vector<Block> &blocks) {
  for (const Block &b : blocks)
    munmap(b.data, b.length);
}

// The mapped blocks given back and not yet returned to the kernel, for the
// next chart of the session: measured at 100,000 draws, the straight enquiry
// computed again in 53-62 ms, 137-156 ms in fresh memory (40,000 page
// faults); opened a second time in a fresh process, 91-100 ms against
// 188-196 ms. Every block given back goes through here: one above the bound goes back at once;
// keeping one that would pass the bound gives back the longest kept first.
// The blocks that go are unmapped outside the lock.
class KeptBlocks {
 public:
  // A kept block of at least `length` bytes, the best fitting: a larger one
  // is split, its rest kept, when that rest is a mapped block's size. Of
  // blocks as large, the last kept: a grid gives back its arrays in the
  // reverse of the order it takes them, so each array of the next grid of
  // that shape gets its own pages back (a grid's fore colours, rarely
  // written, do not take the pages of its back colours).
  // Its data is null when none fits.
  Block take(std::size_t length) {
    const std::lock_guard lock(mutex_);
    lastUse_ = std::chrono::steady_clock::now();
    std::size_t best = blocks_.size();
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
      const Block &b = blocks_[i];
      if (b.length < length)
        continue;
      if (best == blocks_.size() || b.length < blocks_[best].length ||
          (b.length == blocks_[best].length && b.keptAt > blocks_[best].keptAt))
        best = i;
    }
    if (best == blocks_.size())
      return {};
    Block taken = blocks_[best];
    if (taken.length - length >= kMappedFrom) {
      Block &rest = blocks_[best];
      rest.data += length;
      rest.length -= length;
      rest.used = taken.used > length ? taken.used - length : 0;
      taken.length = length;
      taken.used = std::min(taken.used, length);
    } else {
      blocks_.erase(blocks_.begin() + std::ptrdiff_t(best));
    }
    bytes_ -= taken.length;
    return taken;
  }

  // A fresh block of `length` bytes is about to be mapped: kept blocks go
  // until they and it fit in the bound, so a grid near the memory limit
  // never sits beside a full cache.
  void makeRoomFor(std::size_t length) {
    std::unique_lock lock(mutex_);
    const std::size_t bound = this->bound();
    unmapOutside(lock, giveBackUntil(length >= bound ? 0 : bound - length));
  }

  void keep(char *data, std::size_t length, std::size_t used) {
    std::unique_lock lock(mutex_);
    const std::size_t bound = this->bound();
    if (length > bound) {
      lock.unlock();
      munmap(data, length);
      return;
    }
    blocks_.push_back(Block{data, length, std::min(used, length), ++clock_});
    bytes_ += length;
    lastUse_ = std::chrono::steady_clock::now();
    startTrimmer();
    if (blocks_.size() == 1)
      changed_.notify_all();
    unmapOutside(lock, giveBackUntil(bound));
  }

  void releaseAll() {
    std::unique_lock lock(mutex_);
    unmapOutside(lock, giveBackUntil(0));
  }

  std::size_t bytes() {
    const std::lock_guard lock(mutex_);
    return bytes_;
  }
  std::size_t boundBytes() {
    const std::lock_guard lock(mutex_);
    return bound();
  }
  void setBound(std::size_t bytes) {
    std::unique_lock lock(mutex_);
    boundOverride_ = bytes;
    unmapOutside(lock, giveBackUntil(bound()));
  }
  void setIdleMs(long ms) {
    const std::lock_guard lock(mutex_);
    idleOverrideMs_ = ms;
    changed_.notify_all();
  }

 private:
  std::size_t bound() const {
    static const std::size_t machine = machineKeptBound();
    return boundOverride_ != 0 ? boundOverride_ : machine;
  }
  // The longest kept blocks, taken out until the rest is within `most` bytes.
  std::vector<Block> giveBackUntil(std::size_t most) {
    std::vector<Block> gone;
    while (bytes_ > most) {
      const auto oldest = std::min_element(blocks_.begin(), blocks_.end(),
                                           [](const Block &a, const Block &b) { return a.keptAt < b.keptAt; });
      bytes_ -= oldest->length;
      gone.push_back(*oldest);
      blocks_.erase(oldest);
    }
    return gone;
  }
  static void unmapOutside(std::unique_lock<std::mutex> &lock, const std::vector<Block> &gone) {
    if (gone.empty())
      return;
    lock.unlock();
    unmap(gone);
    lock.lock();
  }

  std::chrono::milliseconds idleTime() const {
    return std::chrono::milliseconds(idleOverrideMs_ > 0 ? idleOverrideMs_ : kIdleMs);
  }

  // One thread gives the blocks back once they have been idle, and the
  // heap its free memory: measured, a process that closed the straight
  // enquiry of 100,000 draws held 197 MB, 30 MB after the idle time, and
  // 197 MB for good without the thread. It sleeps while nothing is kept.
  void startTrimmer() {
    if (trimmerStarted_)
      return;
    trimmerStarted_ = true;
    try {
      std::thread([this] { trimWhenIdle(); }).detach();
    } catch (const std::system_error &) {
      // Without the thread the blocks stay within the bound.
    }
  }
  void trimWhenIdle() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return !blocks_.empty(); });
      const auto idleEnd = lastUse_ + idleTime();
      if (std::chrono::steady_clock::now() < idleEnd) {
        changed_.wait_until(lock, idleEnd);
        continue;
      }
      unmapOutside(lock, giveBackUntil(0));
#ifdef __GLIBC__
      lock.unlock();
      malloc_trim(0);
      lock.lock();
#endif
    }
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Block> blocks_;
  std::size_t bytes_ = 0;
  std::uint64_t clock_ = 0;
  std::chrono::steady_clock::time_point lastUse_;
  bool trimmerStarted_ = false;
  std::size_t boundOverride_ = 0;
  long idleOverrideMs_ = 0;
};

// Never destroyed: a large array of a static object may be given back after
// the end of main, and the trimming thread may still be waiting.
KeptBlocks &kept() {
  static KeptBlocks *blocks = new KeptBlocks;
  return *blocks;
}

#endif

}  // namespace

void *allocateLargeBlock(std::size_t bytes, std::size_t &taken) {
  taken = 0;
  if (bytes == 0)
    return nullptr;
  if (const std::size_t from = failingFrom.load(); from != 0 && bytes >= from)
    throw std::bad_alloc();
#ifdef __linux__
  if (bytes >= kMappedFrom) {
    if (bytes > SIZE_MAX - pageBytes())
      throw std::bad_alloc();
    const std::size_t length = roundUp(bytes, pageBytes());
    if (const Block reused = kept().take(length); reused.data) {
      zeroUsedPages(reused.data, reused.used);
      taken = reused.length;
      return reused.data;
    }
    kept().makeRoomFor(length);
    char *data = mapFresh(length);
    if (!data) {
      // The kept blocks never make a block fail that would fit without them.
      kept().releaseAll();
      data = mapFresh(length);
    }
    if (!data)
      throw std::bad_alloc();
    taken = length;
    return data;
  }
#endif
  void *data = std::calloc(bytes, 1);
  if (!data)
    throw std::bad_alloc();
  taken = bytes;
  return data;
}

void releaseLargeBlock(void *data, std::size_t taken, std::size_t used) {
  if (!data)
    return;
#ifdef __linux__
  if (taken >= kMappedFrom) {
    kept().keep(static_cast<char *>(data), taken, used);
    return;
  }
#else
  (void)used;
#endif
  std::free(data);
}

void failLargeBlocksFrom(std::size_t bytes) { failingFrom.store(bytes); }

bool heapHasRoomFor(std::size_t bytes) {
  if (bytes == 0)
    return true;
  // Called through a pointer the compiler cannot see through: a block taken
  // and given back unused may otherwise be left out. Untouched, it costs no
  // page of memory.
  static void *(*volatile const take)(std::size_t) = std::malloc;
  void *probe = take(bytes);
  if (!probe) {
    releaseKeptLargeBlocks();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    probe = take(bytes);
  }
  std::free(probe);
  return probe != nullptr;
}

void keepFreedHeapForNextCharts() {
#ifdef __GLIBC__
  // Fixed thresholds: glibc's own move with every block freed, so that a
  // block of a few megabytes is mapped afresh on one open and not the next.
  // Measured at 1,000,000 draws, a second "Pairs" chart in a fresh process
  // took 186-204 ms and a dozen page faults, 254-264 ms and 7,500 faults
  // with glibc's own thresholds.
  constexpr int kMapFrom = 64 << 20, kTrimFrom = 128 << 20;
  mallopt(M_MMAP_THRESHOLD, kMapFrom);
  mallopt(M_TRIM_THRESHOLD, kTrimFrom);
#endif
}

#ifdef __linux__
std::size_t keptLargeBlockBytes() { return kept().bytes(); }
std::size_t keptLargeBlockBound() { return kept().boundBytes(); }
void setKeptLargeBlockBound(std::size_t bytes) { kept().setBound(bytes); }
void setKeptLargeBlockIdleMs(long ms) { kept().setIdleMs(ms); }
void releaseKeptLargeBlocks() { kept().releaseAll(); }
#else
std::size_t keptLargeBlockBytes() { return 0; }
std::size_t keptLargeBlockBound() { return 0; }
void setKeptLargeBlockBound(std::size_t) {}
void setKeptLargeBlockIdleMs(long) {}
void releaseKeptLargeBlocks() {}
#endif

}  // namespace corvessa
