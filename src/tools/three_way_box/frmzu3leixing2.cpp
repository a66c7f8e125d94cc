// "3 Way Box Type": every draw with exactly two equal digits marked in the
// column of its pair, and sorted by size, parity and prime into the types
// of its two equal digits and its third ("2S1B": two small, one big). The
// pair columns count their misses and end in a "Max Miss" row; a
// double-click copies a column's finished miss runs.
#include "tools/three_way_box/tools.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/families/threewaypairs.h"
#include "charts/palette.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr const char *kLegends[] = {"[S:Small],[B:Big],[E:Even],[O:Odd],[P:Prime],[C:Composite]."};

// The type columns, each group's in the order of its rules; 18, 23 and 28 are spacers.
constexpr int kSizeCol = 19, kParityCol = 24, kPrimeCol = 29;
constexpr const char *kTypeHeaders[3][4] = {
    {"2S1B", "2B1S", "3S", "3B"}, {"2E1O", "2O1E", "3E", "3O"}, {"2P1C", "2C1P", "3P", "3C"}};
// The pairs' working columns nearly hidden, narrow spacers between the type groups.
constexpr ColumnWidths kWidths[] = {
    {0, 0, 1118},
    {1, 3, 320},
    {4, 17, 360},
    {kLowPairCol, kEndsCol, 2},
    {kThreeWayYesCol, kThreeWayYesCol, 360},
    {18, 32, 660},
    {18, 18, 40},
    {23, 23, 40},
    {28, 28, 40},
};

void writeTypeHeaders(ResultGrid &grid);
void markZu3Types(ResultGrid &grid, int row, int pair);

void writeTypeHeaders(ResultGrid &grid) {
  for (int group = 0; group < 3; ++group)
    for (int i = 0; i < 4; ++i)
      grid.setText(0, kSizeCol + 5 * group + i, kTypeHeaders[group][i]);
}

// The first rule that holds decides each group. `pair` is 11 times the pair
// digit; lo and hi are the draw's smallest and largest digits.
void markZu3Types(ResultGrid &grid, int row, int pair) {
  const int pairDigit = pair / 11;
  const int lo = grid.textView(row, kLowPairCol).front() - '0';
  const int hi = grid.textView(row, kEndsCol).back() - '0';
  const std::optional<Digits> digits = readDrawDigits(grid, row);
  if (!digits)
    return;

  const bool smallPair = !isBigDigit(pairDigit), bigPair = isBigDigit(pairDigit);
  if (smallPair && isBigDigit(hi))
    markTypeCell(grid, row, kSizeCol, kRed);  // 2S1B
  else if (bigPair && !isBigDigit(lo))
    markTypeCell(grid, row, kSizeCol + 1, kRed);  // 2B1S
  else if (smallPair)
    markTypeCell(grid, row, kSizeCol + 2, kRed);  // 3S
  else
    markTypeCell(grid, row, kSizeCol + 3, kRed);  // 3B

  int odd = 0;
  for (int d : *digits)
    odd += isOddDigit(d);
  const bool evenPair = !isOddDigit(pairDigit);
  if (evenPair && odd > 0)
    markTypeCell(grid, row, kParityCol, kPairTypeLilac);  // 2E1O
  else if (!evenPair && odd < 3)
    markTypeCell(grid, row, kParityCol + 1, kPairTypeLilac);  // 2O1E
  else if (evenPair)
    markTypeCell(grid, row, kParityCol + 2, kPairTypeLilac);  // 3E
  else
    markTypeCell(grid, row, kParityCol + 3, kPairTypeLilac);  // 3O

  int primes = 0;
  for (int d : *digits)
    primes += isPrimeDigit(d);
  const bool primePair = isPrimeDigit(pairDigit);
  if (!primePair && primes > 0)
    markTypeCell(grid, row, kPrimeCol + 1, kRed);  // 2C1P
  else if (primePair && primes < 3)
    markTypeCell(grid, row, kPrimeCol, kRed);  // 2P1C
  if (primePair && primes == 3)
    markTypeCell(grid, row, kPrimeCol + 2, kRed);  // 3P
  else if (!primePair && primes == 0)
    markTypeCell(grid, row, kPrimeCol + 3, kRed);  // 3C
}

}  // namespace

ToolEntry frmzu3leixing2() {
  return threeWayPairChartTool({.id = titledWindow("frmzu3leixing2", "3 Way Box Type"),
                                .cols = 33,
                                .legends = kLegends,
                                .labelForm = LabelForm::NoBlank,
                                .widths = kWidths,
                                .writeTypeHeaders = writeTypeHeaders,
                                .markTypes = markZu3Types});
}

}  // namespace corvessa::tools
