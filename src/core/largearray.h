#pragma once
// The one allocation path of a grid's large arrays: its cells and colours,
// its text pool and the pool's offsets and tables. A chart of 100,000 draws
// takes tens of megabytes (the straight enquiry hundreds), and handing out
// that memory page by page costs more than the chart itself. A block from
// 256 KB on gets a mapping of its own, in the kernel's ordinary pages; given
// back, it is kept (up to a bound) for the next chart of the process, whose
// pages are then in memory already. Memory comes zeroed: fresh from the
// kernel, or a kept block with the pages its last use wrote zeroed again, so
// nothing is filled twice.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace corvessa {

// At least `bytes` of zeroed memory (none for 0 bytes); `taken` is set to
// what was taken, which releaseLargeBlock needs back. Throws std::bad_alloc.
void *allocateLargeBlock(std::size_t bytes, std::size_t &taken);
// `used`: the bytes from the start that may have been written; the rest is
// zero.
void releaseLargeBlock(void *data, std::size_t taken, std::size_t used);

// Mapped blocks given back are kept for the blocks taken next, up to a bound
// (see largearray.cpp); they go back to the kernel when the bound would be
// passed, when a fresh block needs their room, and when none has been taken
// or given back for a while.
std::size_t keptLargeBlockBytes();
std::size_t keptLargeBlockBound();
// Tests set a bound and an idle time of their own; 0 gives back the program's.
void setKeptLargeBlockBound(std::size_t bytes);
void setKeptLargeBlockIdleMs(long ms);
// Every kept block back to the kernel now.
void releaseKeptLargeBlocks();

// The heap, too, keeps what a chart frees (the draw file's bytes, the
// history's draws, the grid view's table of its rows, 36 MB for a chart of
// three rows a draw at a million draws; up to 64 MB a block) for the next
// chart, rather than give it back to the kernel and take it again page by
// page; what it holds free goes back with the kept blocks once they are idle.
// Called once at the start of a program that opens charts.
void keepFreedHeapForNextCharts();

// Whether a block of `bytes` can be taken from the heap now; kept blocks go
// back first when they stand in the way. What the toolkit allocates for a
// view (its headers' table of rows) cannot say that memory ran out, so a
// window makes sure of it before its view takes a grid.
bool heapHasRoomFor(std::size_t bytes);

// Tests make memory run out where they choose: while set, every block of at
// least `bytes` throws std::bad_alloc, as a full memory does. 0 lets every
// block through again.
void failLargeBlocksFrom(std::size_t bytes);

// A growable array of plain values on that path. Every element past the
// size is zero, so growing within the capacity writes nothing.
template <typename T>
class LargeArray {
  static_assert(std::is_trivially_copyable_v<T>, "a large array holds plain values");

 public:
  LargeArray() = default;
  // n zero elements.
  explicit LargeArray(std::size_t n) { resize(n); }
  LargeArray(const LargeArray &other) { *this = other; }
  LargeArray &operator=(const LargeArray &other) {
    if (this != &other) {
      LargeArray copy;
      copy.reserve(other.size_);
      if (other.size_ > 0)
        std::memcpy(static_cast<void *>(copy.data_), other.data_, other.size_ * sizeof(T));
      copy.size_ = other.size_;
      swap(copy);
    }
    return *this;
  }
  LargeArray(LargeArray &&other) noexcept { swap(other); }
  LargeArray &operator=(LargeArray &&other) noexcept {
    LargeArray gone(std::move(*this));
    swap(other);
    return *this;
  }
  ~LargeArray() { releaseLargeBlock(data_, taken_, size_ * sizeof(T)); }

  void swap(LargeArray &other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
    std::swap(taken_, other.taken_);
  }

  T *data() { return data_; }
  const T *data() const { return data_; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  bool empty() const { return size_ == 0; }
  // The memory held, in bytes.
  std::size_t bytes() const { return taken_; }
  T &operator[](std::size_t i) { return data_[i]; }
  const T &operator[](std::size_t i) const { return data_[i]; }
  T *begin() { return data_; }
  T *end() { return data_ + size_; }
  const T *begin() const { return data_; }
  const T *end() const { return data_ + size_; }

  // Room for n elements, taken at once: the elements are copied over.
  void reserve(std::size_t n) {
    if (n <= capacity_)
      return;
    std::size_t taken = 0;
    T *data = static_cast<T *>(allocateLargeBlock(n * sizeof(T), taken));
    if (size_ > 0)
      std::memcpy(static_cast<void *>(data), data_, size_ * sizeof(T));
    releaseLargeBlock(data_, taken_, size_ * sizeof(T));
    data_ = data;
    taken_ = taken;
    capacity_ = taken / sizeof(T);
  }
  // n elements; those added are zero.
  void resize(std::size_t n) {
    if (n > capacity_)
      reserve(n);
    else if (n < size_)
      std::memset(static_cast<void *>(data_ + n), 0, (size_ - n) * sizeof(T));
    size_ = n;
  }
  void push_back(T value) {
    if (size_ == capacity_)
      reserve(std::max(size_ + 1, capacity_ * 2));
    data_[size_++] = value;
  }
  void append(const T *values, std::size_t n) {
    if (size_ + n > capacity_)
      reserve(std::max(size_ + n, capacity_ * 2));
    if (n > 0)
      std::memcpy(static_cast<void *>(data_ + size_), values, n * sizeof(T));
    size_ += n;
  }
  // Gives back the room past the size.
  void shrinkToFit() {
    if (capacity_ == size_)
      return;
    LargeArray copy(*this);
    swap(copy);
  }

 private:
  T *data_ = nullptr;
  std::size_t size_ = 0, capacity_ = 0, taken_ = 0;
};

}  // namespace corvessa
