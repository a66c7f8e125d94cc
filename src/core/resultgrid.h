#pragma once
#include "core/largearray.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace corvessa {

// A colour as 0xRRGGBB. 0 means "the grid's own colour" (no colour of the
// cell's own), so pure black is no colour a cell can be given: it shows the
// grid's own, white behind and black text. No chart paints black; one that
// needs it takes rgb(0, 0, 1), which no screen tells from black.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) { return Rgb(r) << 16 | Rgb(g) << 8 | Rgb(b); }

// Where a column's texts sit in their cells, across and up and down; General
// puts numbers right and other texts left, in the middle.
enum class ColumnAlignment : std::int8_t {
  LeftTop, LeftCentre, LeftBottom,
  CentreTop, CentreCentre, CentreBottom,
  RightTop, RightCentre, RightBottom,
  General,
};

// A grid is refused before any of its cells is allocated when it would have
// more cells than gridCellLimit(); the refusal says how many it would have.
class GridTooLarge : public std::length_error {
 public:
  GridTooLarge(std::size_t cells, std::size_t limit);
  std::size_t cells() const { return cells_; }
  std::size_t limit() const { return limit_; }

 private:
  std::size_t cells_, limit_;
};
// The cells that fill half of this computer's memory. Tests set a small
// limit of their own; 0 gives back the computer's.
std::size_t gridCellLimit();
void setGridCellLimit(std::size_t cells);

// The grid of a tool window as plain data. A cell is six bytes: a text id
// and palette indexes for its fore and back colour. A text id names an
// interned text of the grid's pool (equal texts, equal ids), a text added
// as unique, or a text the grid makes from a code when the cell is read
// (a draw's label). Rows and columns are numbered from 0; row 0 and column 0
// are normally the fixed header row and column.
//
// A view of a text (textView, viewOf) stays valid until the grid changes. A
// grid is read from one thread at a time: reading a made text may format it.
class ResultGrid {
 public:
  using TextId = std::uint32_t;  // 0 is the empty text
  // The ids of made texts have this bit set.
  static constexpr TextId kMadeTextBit = TextId(1) << 31;
  // A made text's maker writes the text of `code` into `out` (room for
  // kMadeTextMax bytes, UTF-8) and returns its length.
  using TextMaker = std::size_t (*)(std::uint64_t code, char *out);
  static constexpr std::size_t kMadeTextMax = 64;
  static constexpr int kDefaultWidth = -1;
  // What a column or row left to the grid's default measures, in every window.
  static constexpr int kDefaultColumnTwips = 960;
  static constexpr int kDefaultRowTwips = 240;

  ResultGrid();
  ResultGrid(int rows, int cols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  // Changing the row or column count keeps the cells that stay.
  void setRows(int rows);
  // Room for this many rows, so that a grid which grows later (its footer
  // under the draws) is not copied; the row count stays as it is.
  void reserveRows(int rows);
  void setCols(int cols);
  // The grid's final shape in one step, where setCols(keptCols), setRows
  // and setCols would copy a large grid three times: the cells of columns
  // 0..keptCols - 1 stay, every other column starts empty with the default
  // width and alignment.
  void setShape(int rows, int cols, int keptCols);
  int fixedRows() const { return fixedRows_; }
  int fixedCols() const { return fixedCols_; }
  void setFixedRows(int n) { sized(fixedRows_, n); }
  void setFixedCols(int n) { sized(fixedCols_, n); }

  // Texts.
  QString text(int row, int col) const { return textOf(textId(row, col)); }
  std::string_view textView(int row, int col) const { return viewOf(textId(row, col)); }  // UTF-8
  TextId textId(int row, int col) const { return texts_[index(row, col)]; }
  // The text ids of a whole row, for loops that walk a row's cells side by side.
  std::span<const TextId> rowTextIds(int row) const { return {texts_.data() + index(row, 0), std::size_t(cols_)}; }
  std::span<TextId> rowTextIds(int row) { return {texts_.data() + index(row, 0), std::size_t(cols_)}; }
  bool isEmpty(int row, int col) const { return textId(row, col) == 0; }
  void setText(int row, int col, const QString &text) { texts_[index(row, col)] = intern(text); }
  void setText(int row, int col, std::string_view utf8) { texts_[index(row, col)] = intern(utf8); }
  void setText(int row, int col, const char *utf8) { setText(row, col, std::string_view(utf8)); }
  void setTextId(int row, int col, TextId id) { texts_[index(row, col)] = id; }
  void setNumber(int row, int col, long long value) { texts_[index(row, col)] = internNumber(value); }
  void clearText(int row, int col) { texts_[index(row, col)] = 0; }

  TextId intern(const QString &text);
  TextId intern(std::string_view utf8);
  TextId internNumber(long long value) {
    if (static_cast<unsigned long long>(value) < numberIds_.size() && numberIds_[std::size_t(value)] != 0)
      return numberIds_[std::size_t(value)];
    return internNewNumber(value);
  }
  // Adds a text that is known to be new without looking it up.
  TextId addUnique(std::string_view utf8);
  // Room for `count` more texts of `bytes` bytes in all, so a long fill
  // allocates once and exactly.
  void reserveTexts(std::size_t count, std::size_t bytes);
  // A text made from `code` whenever it is read: a text of its own for each
  // of many cells (a label for each draw) costs 8 bytes rather than its
  // characters and an offset. A grid's made texts share one maker.
  TextId addMadeText(TextMaker maker, std::uint64_t code);
  // Room for `count` more made texts.
  void reserveMadeTexts(std::size_t count);
  // Gives back what the text pool holds beyond its texts, once a chart is complete.
  void squeeze();
  QString textOf(TextId id) const;
  std::string_view viewOf(TextId id) const {
    if (id & kMadeTextBit) [[unlikely]]
      return madeTextView(id);
    return std::string_view(pool_.data() + offsets_[id], offsets_[id + 1] - offsets_[id]);
  }

  // Colours; 0 is the grid's own colour. A grid holds up to 255 colours of
  // its own; a 256th is a mistake in the tool: it throws std::out_of_range.
  Rgb backColor(int row, int col) const { return palette_[back_[index(row, col)]]; }
  Rgb foreColor(int row, int col) const { return palette_[fore_[index(row, col)]]; }
  void setBackColor(int row, int col, Rgb color) { back_[index(row, col)] = paletteIndex(color); }
  void setForeColor(int row, int col, Rgb color) { fore_[index(row, col)] = paletteIndex(color); }
  // A colour's palette index, for loops that compare or write many cells'
  // colours: the palette is searched once for each colour, not per cell.
  std::uint8_t paletteIndex(Rgb color) {
    PaletteSlot &slot = paletteCache_[(color * 0x9E3779B1u) >> 28];
    if (slot.color == color)
      return slot.index;
    return findPaletteIndex(color);
  }
  void setForeColorIndex(int row, int col, std::uint8_t paletteIndex) { fore_[index(row, col)] = paletteIndex; }
  void setBackColorIndex(int row, int col, std::uint8_t paletteIndex) { back_[index(row, col)] = paletteIndex; }

  // Column widths in twips (kDefaultWidth: the grid's default), alignment, row heights.
  int colWidth(int col) const { return widths_[std::size_t(col)]; }
  // The width the column shows: its own, or the grid's default.
  int shownColWidth(int col) const { return colWidth(col) < 0 ? kDefaultColumnTwips : colWidth(col); }
  void setColWidth(int col, int twips) { sized(widths_[std::size_t(col)], twips); }
  void setColWidths(int firstCol, int lastCol, int twips) {
    for (int c = firstCol; c <= lastCol; ++c)
      setColWidth(c, twips);
  }
  ColumnAlignment colAlignment(int col) const { return aligns_[std::size_t(col)]; }
  void setColAlignment(int col, ColumnAlignment alignment) { aligns_[std::size_t(col)] = alignment; }
  int rowHeight(int row) const;  // kDefaultWidth when the grid's default
  bool hasRowHeights() const { return !rowHeights_.empty(); }
  void setRowHeight(int row, int twips);

  // Scrolling, the current cell, visibility, font.
  int topRow() const { return topRow_; }
  void setTopRow(int row) { topRow_ = row; }
  int currentRow() const { return currentRow_; }
  int currentCol() const { return currentCol_; }
  void setCurrentCell(int row, int col) { currentRow_ = row; currentCol_ = col; }
  bool isVisible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  double fontPoints() const { return fontPoints_; }
  void setFontPoints(double points) { sized(fontPoints_, points); }

  // How many times what the grid's sizes on screen are made of has changed:
  // its shape, fixed rows and columns, column widths, row heights or font. A
  // view sets its sizes again only when the count has moved, so a handler
  // that changes none of them costs no size of a long history's rows.
  std::uint64_t sizeChanges() const { return sizeChanges_; }

  // Bytes held by the grid, pool and tables included.
  std::size_t memoryBytes() const;

 private:
  // A cell outside the grid is a mistake in the tool that writes or reads
  // it: it throws std::out_of_range rather than touch a neighbouring cell.
  std::size_t index(int row, int col) const {
    if (unsigned(row) >= unsigned(rows_) || unsigned(col) >= unsigned(cols_)) [[unlikely]]
      outOfRange(row, col);
    return std::size_t(row) * std::size_t(cols_) + std::size_t(col);
  }
  [[noreturn]] void outOfRange(int row, int col) const;
  [[noreturn]] void paletteFull(Rgb color) const;
  template <typename T>
  void sized(T &measure, T value) {
    if (measure != value) {
      measure = value;
      ++sizeChanges_;
    }
  }
  // Every change of shape: the cells of rows 0..rows - 1 in room for
  // rowRoom rows, the first keptCols columns kept.
  void reshape(int rows, int cols, int keptCols, int rowRoom);
  std::uint8_t findPaletteIndex(Rgb color);
  TextId internNewNumber(long long value);
  TextId findOrAdd(std::string_view utf8, std::size_t hash);
  void growTable();
  std::string_view madeTextView(TextId id) const;

  int rows_ = 0, cols_ = 0;
  int rowRoom_ = 0;  // rows the cells have room for
  int fixedRows_ = 1, fixedCols_ = 1;
  LargeArray<TextId> texts_;
  LargeArray<std::uint8_t> fore_, back_;
  std::vector<int> widths_;
  std::vector<ColumnAlignment> aligns_;
  std::vector<int> rowHeights_;  // empty until a height is set

  // Interned texts: UTF-8 bytes of text i at pool_[offsets_[i] .. offsets_[i + 1]).
  LargeArray<char> pool_;
  LargeArray<std::uint32_t> offsets_;
  LargeArray<TextId> table_;  // open addressing, 0 = free slot
  std::size_t tableUsed_ = 0;
  LargeArray<TextId> numberIds_;  // small non-negative numbers, 0 = not yet interned

  // Made texts: the code of text kMadeTextBit | i is madeCodes_[i].
  LargeArray<std::uint64_t> madeCodes_;
  TextMaker maker_ = nullptr;
  // The made texts read as views, formatted a block at a time on the first
  // read of one of them and kept while the grid lives. A copy of the grid
  // starts without them.
  class MadeTextViews {
   public:
    MadeTextViews();
    MadeTextViews(const MadeTextViews &);
    MadeTextViews &operator=(const MadeTextViews &other);
    MadeTextViews(MadeTextViews &&) noexcept;
    MadeTextViews &operator=(MadeTextViews &&) noexcept;
    ~MadeTextViews();
    std::string_view view(std::size_t i, const LargeArray<std::uint64_t> &codes, TextMaker maker);
    // A text was added to the block of made text i: the block is formatted afresh.
    void forget(std::size_t i);
    std::size_t bytes() const;

   private:
    struct Block;
    std::vector<std::unique_ptr<Block>> blocks_;
  };
  mutable MadeTextViews madeViews_;

  std::vector<Rgb> palette_;  // palette_[0] == 0, the grid's own colour
  struct PaletteSlot {
    Rgb color = 0;  // colour 0 is palette index 0 in every empty slot
    std::uint8_t index = 0;
  };
  PaletteSlot paletteCache_[16];

  int topRow_ = 0, currentRow_ = 0, currentCol_ = 0;
  bool visible_ = true;
  double fontPoints_ = 7.5;
  std::uint64_t sizeChanges_ = 0;
};

}  // namespace corvessa
