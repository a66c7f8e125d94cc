// "Box Number Shape": each digit of a draw classed four ways (its 012 route,
// even or odd, big or small, prime or composite), the draw's route pattern
// and its counts of even, big and prime digits, and one mark in each of the
// four shape blocks: the route pattern as a box, the even, big and prime count.
#include "tools/box/tools.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <algorithm>
#include <array>
#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr ColumnWidths kWidths[] = {
    {0, 0, 1204},  {1, 1, 860},   {2, 4, 255},   {5, 14, 420},  {15, 15, 80},  {16, 16, 860},
    {17, 19, 255}, {20, 23, 588}, {24, 24, 80},  {25, 25, 860}, {26, 28, 255}, {29, 32, 588},
    {33, 33, 80},  {34, 34, 860}, {35, 37, 255}, {38, 41, 588}, {42, 42, 80},  {43, 45, 2},
};

// The window keeps its design caption and shows no "Loading......"; there is
// no hidden Command1, and "Help" has no page.
ToolDesign design() {
  return standardWindow({.id = {.windowName = "frmzuxuan012lu", .caption = "Box Number Shape"},
                         .clientWidth = 11685,
                         .clientHeight = 6930,
                         .gridWidth = 11685 - 210,
                         .gridHeight = 6930 - 1200,
                         .cols = 46,
                         .widths = {std::begin(kWidths), std::end(kWidths)},
                         .reset = SpareRowReset::None,
                         .exitPlace = {9900, 5955, 1575, 375},
                         .helpPlace = {8345, 5955, 1455, 375},
                         .highlight = kAzure,
                         .showsLoadingCaption = false});
}

constexpr Rgb kOrange = rgb(249, 182, 85);
constexpr Rgb kBlue = rgb(127, 176, 206);

constexpr int kDigitOffset = 42;  // H, T, U in the nearly hidden columns 43..45
constexpr const char *kPositions[] = {"H", "T", "U"};

// The route block: the pattern in column 1, each position's route in 2..4,
// and the ten ascending route triples in 5..14.
constexpr int kPatternCol = 1;
constexpr int kFirstTripleCol = 5;
constexpr const char *kTriples[] = {"000", "111", "222", "012", "001", "002", "011", "112", "022", "122"};
constexpr int kLastTripleCol = kFirstTripleCol + 9;
// Route 0 is green, 1 orange, 2 keeps the grid's colour.
constexpr Rgb kRouteBack[3] = {kMint, kOrange, 0};

// A class block: the count in its first column, each position's letter in
// the next three (green when the digit is of the class, orange otherwise),
// then the four count columns, headed by the count and the class letter.
struct ClassBlock {
  int countCol;
  const char *header;
  DigitClass digits;
};
constexpr ClassBlock kClassBlocks[] = {{16, "Even", kEvenOdd}, {25, "Big", kBigSmall}, {34, "Prime", kPrimeComposite}};
// The count each of a block's four count columns stands for, in column order.
constexpr int kCountOfColumn[4] = {0, 3, 2, 1};

void writeHeaders(ResultGrid &grid);
void classifyPositions(ResultGrid &grid, int drawCount);
void markShapeColumns(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  writeHeaders(grid);
  startOffsetDrawRows(grid, n, history, kDigitOffset);
  classifyPositions(grid, n);
  markShapeColumns(grid, n);
  grid.setRowHeight(0, 300);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  grid.setText(0, kPatternCol, "012Type");
  for (int k = 0; k < 3; ++k)
    grid.setText(0, kPatternCol + 1 + k, kPositions[k]);
  for (int i = 0; i < 10; ++i)
    grid.setText(0, kFirstTripleCol + i, kTriples[i]);
  for (const ClassBlock &block : kClassBlocks) {
    grid.setText(0, block.countCol, block.header);
    for (int k = 0; k < 3; ++k)
      grid.setText(0, block.countCol + 1 + k, kPositions[k]);
    for (int i = 0; i < 4; ++i)
      grid.setText(0, block.countCol + 4 + i, std::to_string(kCountOfColumn[i]) + block.digits.inClass);
  }
}

// Every class is taken from the digits in columns 43..45.
void classifyPositions(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId routeIds[3], patternIds[27];
  for (int m = 0; m < 3; ++m)
    routeIds[m] = grid.internNumber(m);
  for (int p = 0; p < 27; ++p)
    patternIds[p] = grid.intern(std::string{char('0' + p / 9), char('0' + p / 3 % 3), char('0' + p % 3)});
  ResultGrid::TextId letterIds[3][2];
  for (int b = 0; b < 3; ++b) {
    letterIds[b][0] = grid.intern(kClassBlocks[b].digits.letter(false));
    letterIds[b][1] = grid.intern(kClassBlocks[b].digits.letter(true));
  }
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r, kDigitOffset + 1);
    if (!digits)
      continue;
    int pattern = 0;
    int counts[3] = {0, 0, 0};
    for (int p = 1; p <= 3; ++p) {
      const int d = (*digits)[std::size_t(p - 1)];
      const int route = digitRoute(d);
      pattern = pattern * 3 + route;
      grid.setTextId(r, kPatternCol + p, routeIds[route]);
      if (kRouteBack[route] != 0)
        grid.setBackColor(r, kPatternCol + p, kRouteBack[route]);
      for (int b = 0; b < 3; ++b) {
        const ClassBlock &block = kClassBlocks[b];
        const bool ofClass = block.digits.holds(d);
        counts[b] += ofClass;
        grid.setTextId(r, block.countCol + p, letterIds[b][ofClass]);
        grid.setBackColor(r, block.countCol + p, ofClass ? kMint : kOrange);
      }
    }
    grid.setTextId(r, kPatternCol, patternIds[pattern]);
    for (int b = 0; b < 3; ++b)
      grid.setNumber(r, kClassBlocks[b].countCol, counts[b]);
  }
}

// The route digits taken as a box: sorted, joined and read as a number, which
// equals the number of exactly one triple header ("012" is 12, "000" is 0).
// Each count marks the one column of its block that stands for it.
void markShapeColumns(ResultGrid &grid, int drawCount) {
  long long tripleValues[kLastTripleCol + 1];
  for (int c = kFirstTripleCol; c <= kLastTripleCol; ++c)
    tripleValues[c] = leadingNumber(grid.textView(0, c));
  for (int r = 1; r <= drawCount; ++r) {
    std::optional<Digits> routes = readDrawDigits(grid, r, kPatternCol + 1);
    if (!routes)
      continue;
    sortDigitsAscending(*routes);
    const long long key = (*routes)[0] * 100 + (*routes)[1] * 10 + (*routes)[2];
    for (int c = kFirstTripleCol; c <= kLastTripleCol; ++c)
      if (tripleValues[c] == key) {
        grid.setTextId(r, c, grid.textId(0, c));
        grid.setBackColor(r, c, kBlue);
      }
    for (const ClassBlock &block : kClassBlocks) {
      const int count = cellDigit(grid, r, block.countCol);
      for (int i = 0; i < 4; ++i)
        if (kCountOfColumn[i] == count) {
          const int c = block.countCol + 4 + i;
          grid.setTextId(r, c, grid.textId(0, c));
          grid.setBackColor(r, c, kBlue);
        }
    }
  }
}

}  // namespace

ToolEntry frmzuxuan012lu() { return {design(), load}; }

}  // namespace corvessa::tools
