#include "core/resultgrid.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#ifdef __linux__
#include <sys/mman.h>
#endif
#include <unistd.h>

namespace corvessa {

namespace {

// Asks for huge pages under a large block of cells before it is first
// written: a grid of a hundred columns over 100,000 draws takes tens of
// megabytes, and touching them page by page costs more than the chart.
void adviseHugePages([[maybe_unused]] const void *data, [[maybe_unused]] std::size_t bytes) {
#ifdef __linux__
  constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHuge - 1);
  if (end > begin)
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

std::atomic<std::size_t> cellLimitOverride{0};

// A grid of as many cells as fill half of the physical memory (a cell takes
// six bytes) cannot be held beside everything else.
std::size_t machineCellLimit() {
  constexpr std::size_t kCellBytes = 6;
  const long pages = sysconf(_SC_PHYS_PAGES), pageBytes = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageBytes <= 0)
    return std::size_t(1) << 30;
  return std::size_t(pages) * std::size_t(pageBytes) / 2 / kCellBytes;
}

// The one check of a grid's shape, before its cells are allocated.
std::size_t checkedCellCount(int rows, int cols) {
  const std::size_t cells = std::size_t(std::max(rows, 0)) * std::size_t(std::max(cols, 0));
  if (const std::size_t limit = gridCellLimit(); cells > limit)
    throw GridTooLarge(cells, limit);
  return cells;
}

template <typename T>
void reserveCells(std::vector<T> &cells, std::size_t n) {
  cells.reserve(n);
  adviseHugePages(cells.data(), cells.capacity() * sizeof(T));
}

}  // namespace

GridTooLarge::GridTooLarge(std::size_t cells, std::size_t limit)
    : std::length_error("a grid of " + std::to_string(cells) + " cells, more than the " + std::to_string(limit) +
                        " that fit in memory"),
      cells_(cells),
      limit_(limit) {}

std::size_t gridCellLimit() {
  static const std::size_t machine = machineCellLimit();
  const std::size_t set = cellLimitOverride.load();
  return set != 0 ? set : machine;
}

void setGridCellLimit(std::size_t cells) { cellLimitOverride.store(cells); }

ResultGrid::ResultGrid() : ResultGrid(0, 0) {}

ResultGrid::ResultGrid(int rows, int cols) {
  offsets_ = {0, 0};  // text 0 is the empty text
  table_.assign(64, 0);
  palette_ = {0};
  setCols(cols);
  setRows(rows);
}

void ResultGrid::setRows(int rows) {
  rows = std::max(rows, 0);
  const std::size_t n = checkedCellCount(rows, cols_);
  // A grid grows by a few rows at a time (the footer after the draws): take
  // exactly what is needed rather than doubling the cells.
  if (n > texts_.capacity()) {
    reserveCells(texts_, n);
    reserveCells(fore_, n);
    reserveCells(back_, n);
  }
  texts_.resize(n, 0);
  fore_.resize(n, 0);
  back_.resize(n, 0);
  if (!rowHeights_.empty())
    rowHeights_.resize(std::size_t(rows), kDefaultWidth);
  rows_ = rows;
  topRow_ = std::min(topRow_, std::max(rows_ - 1, 0));
}

void ResultGrid::reserveRows(int rows) {
  const std::size_t n = checkedCellCount(rows, cols_);
  if (n > texts_.capacity()) {
    reserveCells(texts_, n);
    reserveCells(fore_, n);
    reserveCells(back_, n);
  }
}

void ResultGrid::setCols(int cols) {
  cols = std::max(cols, 0);
  if (cols != cols_ && rows_ > 0) {
    const std::size_t n = checkedCellCount(rows_, cols);
    std::vector<TextId> texts(n, 0);
    std::vector<std::uint8_t> fore(n, 0), back(n, 0);
    const int keep = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < keep; ++c) {
        const std::size_t from = index(r, c), to = std::size_t(r) * std::size_t(cols) + std::size_t(c);
        texts[to] = texts_[from];
        fore[to] = fore_[from];
        back[to] = back_[from];
      }
    texts_.swap(texts);
    fore_.swap(fore);
    back_.swap(back);
  }
  cols_ = cols;
  widths_.resize(std::size_t(cols), kDefaultWidth);
  aligns_.resize(std::size_t(cols), std::int8_t(kAlignGeneral));
}

void ResultGrid::outOfRange(int row, int col) const {
  throw std::out_of_range("cell (" + std::to_string(row) + ", " + std::to_string(col) + ") outside a grid of " +
                          std::to_string(rows_) + " x " + std::to_string(cols_));
}

void ResultGrid::clearAllTexts() { std::fill(texts_.begin(), texts_.end(), 0); }

int ResultGrid::rowHeight(int row) const {
  return rowHeights_.empty() ? kDefaultWidth : rowHeights_[std::size_t(row)];
}

void ResultGrid::setRowHeight(int row, int twips) {
  if (rowHeights_.empty())
    rowHeights_.assign(std::size_t(rows_), kDefaultWidth);
  rowHeights_[std::size_t(row)] = twips;
}

QString ResultGrid::textOf(TextId id) const {
  const std::string_view v = viewOf(id);
  return QString::fromUtf8(v.data(), qsizetype(v.size()));
}

ResultGrid::TextId ResultGrid::intern(const QString &text) {
  if (text.isEmpty())
    return 0;
  const QByteArray utf8 = text.toUtf8();
  return intern(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

ResultGrid::TextId ResultGrid::intern(std::string_view utf8) {
  if (utf8.empty())
    return 0;
  return findOrAdd(utf8, std::hash<std::string_view>{}(utf8));
}

ResultGrid::TextId ResultGrid::internNumber(long long value) {
  constexpr long long kCached = 1 << 20;
  if (value >= 0 && value < kCached) {
    if (std::size_t(value) >= numberIds_.size())
      numberIds_.resize(std::max<std::size_t>(std::size_t(value) + 1, numberIds_.size() * 2), 0);
    TextId &slot = numberIds_[std::size_t(value)];
    if (slot == 0) {
      char buf[24];
      const auto res = std::to_chars(buf, buf + sizeof buf, value);
      slot = intern(std::string_view(buf, std::size_t(res.ptr - buf)));
    }
    return slot;
  }
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return intern(std::string_view(buf, std::size_t(res.ptr - buf)));
}

void ResultGrid::reserveTexts(std::size_t count, std::size_t bytes) {
  // With room for the few texts that a chart adds after its long fill.
  pool_.reserve(pool_.size() + bytes + 4096);
  offsets_.reserve(offsets_.size() + count + 1024);
}

void ResultGrid::squeeze() {
  if (pool_.capacity() - pool_.size() > pool_.size() / 8 + 4096)
    pool_.shrink_to_fit();
  if (offsets_.capacity() - offsets_.size() > offsets_.size() / 8 + 1024)
    offsets_.shrink_to_fit();
}

ResultGrid::TextId ResultGrid::addUnique(std::string_view utf8) {
  if (utf8.empty())
    return 0;
  pool_.append(utf8);
  offsets_.push_back(std::uint32_t(pool_.size()));
  return TextId(offsets_.size() - 2);
}

ResultGrid::TextId ResultGrid::findOrAdd(std::string_view utf8, std::size_t hash) {
  std::size_t mask = table_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const TextId id = table_[slot];
    if (id == 0)
      break;
    if (viewOf(id) == utf8)
      return id;
  }
  const TextId id = addUnique(utf8);
  if ((tableUsed_ + 1) * 2 > table_.size()) {
    growTable();
    mask = table_.size() - 1;
  }
  std::size_t slot = hash & mask;
  while (table_[slot] != 0)
    slot = (slot + 1) & mask;
  table_[slot] = id;
  ++tableUsed_;
  return id;
}

void ResultGrid::growTable() {
  std::vector<TextId> old;
  old.swap(table_);
  table_.assign(old.size() * 2, 0);
  const std::size_t mask = table_.size() - 1;
  for (TextId id : old) {
    if (id == 0)
      continue;
    std::size_t slot = std::hash<std::string_view>{}(viewOf(id)) & mask;
    while (table_[slot] != 0)
      slot = (slot + 1) & mask;
    table_[slot] = id;
  }
}

std::uint8_t ResultGrid::paletteIndex(Rgb color) {
  if (color == 0)
    return 0;
  for (std::size_t i = 1; i < palette_.size(); ++i)
    if (palette_[i] == color)
      return std::uint8_t(i);
  if (palette_.size() >= 256)
    return std::uint8_t(palette_.size() - 1);  // more colours than any chart uses
  palette_.push_back(color);
  return std::uint8_t(palette_.size() - 1);
}

std::size_t ResultGrid::memoryBytes() const {
  return sizeof(*this) + texts_.capacity() * sizeof(TextId) + fore_.capacity() + back_.capacity() +
         widths_.capacity() * sizeof(int) + aligns_.capacity() + rowHeights_.capacity() * sizeof(int) +
         pool_.capacity() + offsets_.capacity() * sizeof(std::uint32_t) + table_.capacity() * sizeof(TextId) +
         numberIds_.capacity() * sizeof(TextId) + palette_.capacity() * sizeof(Rgb);
}

}  // namespace corvessa
