#pragma once
// The one allocation path of a grid's large arrays: its cells and colours,
// its text pool and the pool's offsets and tables. A chart of 100,000 draws
// takes tens of megabytes (the straight enquiry hundreds), and handing out
// that memory page by page costs more than the chart itself: a block from
// 2 MB on gets a mapping of its own, aligned to 2 MB, and the kernel is
// asked for huge pages under it before anything touches it. Memory comes
// zeroed from the kernel, so nothing is filled twice.
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
void releaseLargeBlock(void *data, std::size_t taken);

// Asks the kernel for huge pages under memory that nothing has touched yet
// (a buffer about to be filled), so that filling it takes a page fault
// every 2 MB instead of every 4 KB.
void preferHugePages(void *data, std::size_t bytes);

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
  ~LargeArray() { releaseLargeBlock(data_, taken_); }

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
    releaseLargeBlock(data_, taken_);
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
