#include "core/resultgrid.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace corvessa {

namespace {

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

// The check of a grid's shape, before its cells are allocated.
std::size_t checkedCellCount(int rows, int cols) {
  const std::size_t cells = std::size_t(std::max(rows, 0)) * std::size_t(std::max(cols, 0));
  if (const std::size_t limit = gridCellLimit(); cells > limit)
    throw GridTooLarge(cells, limit);
  return cells;
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
  offsets_.resize(2);  // text 0 is the empty text
  table_.resize(64);
  palette_ = {0};
  reshape(rows, cols, 0, rows);
}

void ResultGrid::reshape(int rows, int cols, int keptCols, int rowRoom) {
  rows = std::max(rows, 0);
  cols = std::max(cols, 0);
  keptCols = std::clamp(keptCols, 0, std::min(cols, cols_));
  rowRoom = std::max(rowRoom, rows);
  // The cells the grid will hold must fit; room kept for later rows (the
  // footer) is given up rather than refuse a shape that fits.
  checkedCellCount(rows, cols);
  if (std::size_t(rowRoom) * std::size_t(cols) > gridCellLimit())
    rowRoom = rows;
  if (cols != cols_ || keptCols < cols || rowRoom > rowRoom_) {
    // New storage, counted here once, taken zeroed; the cells that stay are
    // copied row by row.
    const std::size_t cells = std::size_t(rowRoom) * std::size_t(cols);
    LargeArray<TextId> texts;
    LargeArray<std::uint8_t> fore, back;
    texts.reserve(cells);
    fore.reserve(cells);
    back.reserve(cells);
    texts.resize(std::size_t(rows) * std::size_t(cols));
    fore.resize(texts.size());
    back.resize(texts.size());
    // Colours are few: a page of the new colours that none is copied into
    // is never touched, and costs no memory.
    const auto copyColours = [keptCols](std::uint8_t *to, const std::uint8_t *from) {
      if (std::any_of(from, from + keptCols, [](std::uint8_t index) { return index != 0; }))
        std::memcpy(to, from, std::size_t(keptCols));
    };
    const int keptRows = std::min(rows, rows_);
    if (keptCols > 0)
      for (int r = 0; r < keptRows; ++r) {
        const std::size_t from = std::size_t(r) * std::size_t(cols_), to = std::size_t(r) * std::size_t(cols);
        std::memcpy(texts.data() + to, texts_.data() + from, std::size_t(keptCols) * sizeof(TextId));
        copyColours(fore.data() + to, fore_.data() + from);
        copyColours(back.data() + to, back_.data() + from);
      }
    texts_.swap(texts);
    fore_.swap(fore);
    back_.swap(back);
    rowRoom_ = rowRoom;
  } else {
    // The same columns in the room there is: the cells of rows that go are
    // emptied, so rows that come back later start empty.
    const std::size_t n = std::size_t(rows) * std::size_t(cols);
    texts_.resize(n);
    fore_.resize(n);
    back_.resize(n);
  }
  widths_.resize(std::size_t(keptCols));
  widths_.resize(std::size_t(cols), kDefaultWidth);
  aligns_.resize(std::size_t(keptCols));
  aligns_.resize(std::size_t(cols), ColumnAlignment::General);
  if (!rowHeights_.empty())
    rowHeights_.resize(std::size_t(rows), kDefaultWidth);
  if (rows != rows_ || cols != cols_ || keptCols < cols)
    ++sizeChanges_;
  rows_ = rows;
  cols_ = cols;
  topRow_ = std::min(topRow_, std::max(rows_ - 1, 0));
}

void ResultGrid::setRows(int rows) { reshape(rows, cols_, cols_, rowRoom_); }

void ResultGrid::reserveRows(int rows) {
  checkedCellCount(rows, cols_);  // room asked for outright must fit
  reshape(rows_, cols_, cols_, std::max(rows, rowRoom_));
}

void ResultGrid::setCols(int cols) { reshape(rows_, cols, cols, rowRoom_); }

void ResultGrid::setShape(int rows, int cols, int keptCols) { reshape(rows, cols, keptCols, std::max(rows, rowRoom_)); }

void ResultGrid::outOfRange(int row, int col) const {
  throw std::out_of_range("cell (" + std::to_string(row) + ", " + std::to_string(col) + ") outside a grid of " +
                          std::to_string(rows_) + " x " + std::to_string(cols_));
}

void ResultGrid::paletteFull(Rgb color) const {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%06X", unsigned(color));
  throw std::out_of_range(std::string("colour #") + hex + " beyond the " + std::to_string(palette_.size() - 1) +
                          " colours a grid holds");
}

int ResultGrid::rowHeight(int row) const {
  return rowHeights_.empty() ? kDefaultWidth : rowHeights_[std::size_t(row)];
}

void ResultGrid::setRowHeight(int row, int twips) {
  if (rowHeights_.empty()) {
    rowHeights_.assign(std::size_t(rows_), kDefaultWidth);
    ++sizeChanges_;  // the rows have heights of their own from now on
  }
  sized(rowHeights_[std::size_t(row)], twips);
}

QString ResultGrid::textOf(TextId id) const {
  if (id & kMadeTextBit) {
    char text[kMadeTextMax];
    return QString::fromUtf8(text, qsizetype(maker_(madeCodes_[id & ~kMadeTextBit], text)));
  }
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

ResultGrid::TextId ResultGrid::internNewNumber(long long value) {
  constexpr long long kCached = 1 << 20;
  if (value >= 0 && value < kCached) {
    if (std::size_t(value) >= numberIds_.size())
      numberIds_.resize(std::max<std::size_t>(std::size_t(value) + 1, numberIds_.size() * 2));
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

void ResultGrid::reserveMadeTexts(std::size_t count) { madeCodes_.reserve(madeCodes_.size() + count); }

void ResultGrid::squeeze() {
  if (pool_.capacity() - pool_.size() > pool_.size() / 8 + 4096)
    pool_.shrinkToFit();
  if (offsets_.capacity() - offsets_.size() > offsets_.size() / 8 + 1024)
    offsets_.shrinkToFit();
  if (madeCodes_.capacity() - madeCodes_.size() > madeCodes_.size() / 8 + 1024)
    madeCodes_.shrinkToFit();
}

ResultGrid::TextId ResultGrid::addUnique(std::string_view utf8) {
  if (utf8.empty())
    return 0;
  // Offsets are 32 bits, and ids with the top bit set are made texts.
  if (pool_.size() + utf8.size() > UINT32_MAX || offsets_.size() > kMadeTextBit)
    throw std::length_error("more texts than a grid holds");
  pool_.append(utf8.data(), utf8.size());
  offsets_.push_back(std::uint32_t(pool_.size()));
  return TextId(offsets_.size() - 2);
}

ResultGrid::TextId ResultGrid::addMadeText(TextMaker maker, std::uint64_t code) {
  if (maker_ && maker != maker_)
    throw std::logic_error("a grid's made texts share one maker");
  if (madeCodes_.size() >= kMadeTextBit - 1)
    throw std::length_error("more texts than a grid holds");
  maker_ = maker;
  const std::size_t i = madeCodes_.size();
  madeCodes_.push_back(code);
  madeViews_.forget(i);
  return kMadeTextBit | TextId(i);
}

std::string_view ResultGrid::madeTextView(TextId id) const {
  return madeViews_.view(id & ~kMadeTextBit, madeCodes_, maker_);
}

// A block of made texts formatted side by side: text k of the block at
// text[ends[k - 1] .. ends[k]).
struct ResultGrid::MadeTextViews::Block {
  static constexpr std::size_t kTexts = 64;
  std::uint32_t ends[kTexts] = {};
  std::string text;
};

ResultGrid::MadeTextViews::MadeTextViews() = default;
ResultGrid::MadeTextViews::MadeTextViews(const MadeTextViews &) {}
ResultGrid::MadeTextViews &ResultGrid::MadeTextViews::operator=(const MadeTextViews &other) {
  if (this != &other)
    blocks_.clear();
  return *this;
}
ResultGrid::MadeTextViews::MadeTextViews(MadeTextViews &&) noexcept = default;
ResultGrid::MadeTextViews &ResultGrid::MadeTextViews::operator=(MadeTextViews &&) noexcept = default;
ResultGrid::MadeTextViews::~MadeTextViews() = default;

std::string_view ResultGrid::MadeTextViews::view(std::size_t i, const LargeArray<std::uint64_t> &codes,
                                                 TextMaker maker) {
  const std::size_t b = i / Block::kTexts, k = i % Block::kTexts;
  if (b >= blocks_.size())
    blocks_.resize(b + 1);
  if (!blocks_[b]) {
    auto block = std::make_unique<Block>();
    const std::size_t first = b * Block::kTexts, last = std::min(first + Block::kTexts, codes.size());
    char text[kMadeTextMax];
    for (std::size_t j = first; j < last; ++j) {
      block->text.append(text, maker(codes[j], text));
      block->ends[j - first] = std::uint32_t(block->text.size());
    }
    blocks_[b] = std::move(block);
  }
  const Block &block = *blocks_[b];
  const std::uint32_t begin = k == 0 ? 0 : block.ends[k - 1];
  return std::string_view(block.text).substr(begin, block.ends[k] - begin);
}

void ResultGrid::MadeTextViews::forget(std::size_t i) {
  const std::size_t b = i / Block::kTexts;
  if (b < blocks_.size())
    blocks_[b].reset();
}

std::size_t ResultGrid::MadeTextViews::bytes() const {
  std::size_t bytes = blocks_.capacity() * sizeof(blocks_[0]);
  for (const auto &block : blocks_)
    if (block)
      bytes += sizeof(Block) + block->text.capacity();
  return bytes;
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
  LargeArray<TextId> old(table_.size() * 2);
  old.swap(table_);
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

std::uint8_t ResultGrid::findPaletteIndex(Rgb color) {
  std::uint8_t index = 0;
  if (color != 0) {
    const auto known = std::find(palette_.begin() + 1, palette_.end(), color);
    if (known != palette_.end()) {
      index = std::uint8_t(known - palette_.begin());
    } else if (palette_.size() >= 256) {
      paletteFull(color);
    } else {
      palette_.push_back(color);
      index = std::uint8_t(palette_.size() - 1);
    }
  }
  paletteCache_[(color * 0x9E3779B1u) >> 28] = {color, index};
  return index;
}

std::size_t ResultGrid::memoryBytes() const {
  return sizeof(*this) + texts_.bytes() + fore_.bytes() + back_.bytes() + widths_.capacity() * sizeof(int) +
         aligns_.capacity() + rowHeights_.capacity() * sizeof(int) + pool_.bytes() + offsets_.bytes() +
         table_.bytes() + numberIds_.bytes() + madeCodes_.bytes() + madeViews_.bytes() +
         palette_.capacity() * sizeof(Rgb);
}

}  // namespace corvessa
