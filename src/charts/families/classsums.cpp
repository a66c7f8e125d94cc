#include "charts/families/classsums.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <bitset>
#include <functional>
#include <vector>

namespace corvessa::charts {

namespace {

constexpr int kFirstLeftCol = 7;    // the first class's sum 0
constexpr int kFirstRightCol = 36;  // the second class's sum 0
constexpr int kHiddenSumTwips = 2;

// The sums that the digits of a draw in a class can make: none to three of
// them, a digit as often as the draw holds it.
std::bitset<28> classSums(const std::function<bool(int)> &inClass) {
  std::bitset<28> sums;
  for (int a = 0; a <= 9; ++a)
    for (int b = 0; b <= 9; ++b)
      for (int c = 0; c <= 9; ++c) {
        int sum = 0;
        for (int d : {a, b, c})
          sum += inClass(d) ? d : 0;
        sums.set(std::size_t(sum));
      }
  return sums;
}

// The largest sum of the second class, so the right block's last column.
int lastColOf(const ClassSumForm &form) {
  int largest = -1;
  for (int d = 0; d <= 9; ++d)
    if (!form.firstClass(d))
      largest = d;
  if (largest < 0)
    descriptionFault(form.id, QStringLiteral("the second class has no digit"));
  return kFirstRightCol + 3 * largest;
}

// The columns of the sums that a class cannot make, from its sum 0 at firstCol to lastCol.
void hideUnmadeSums(std::vector<ColumnWidths> &widths, const std::bitset<28> &sums, int firstCol, int lastCol) {
  for (int c = firstCol; c <= lastCol; ++c)
    if (!sums[std::size_t(c - firstCol)])
      widths.push_back({c, c, kHiddenSumTwips});
}

void writeHeaders(ResultGrid &grid, int lastCol) {
  writeDigitHeaders(grid);
  for (int c = kFirstLeftCol; c <= kFirstLeftCol + 27; ++c)
    grid.setNumber(0, c, c - kFirstLeftCol);
  for (int c = kFirstRightCol; c <= lastCol; ++c)
    grid.setNumber(0, c, c - kFirstRightCol);
}

// Both sums are marked on every draw, a sum of 0 too; the current cell ends
// on the last draw's second mark.
void markClassSums(ResultGrid &grid, int drawCount, bool (*firstClass)(int)) {
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r);
    if (!digits)
      continue;
    int a = 0, b = 0;
    for (int x : *digits)
      (firstClass(x) ? a : b) += x;
    grid.setNumber(r, kFirstLeftCol + a, a);
    grid.setBackColor(r, kFirstLeftCol + a, kSage);
    grid.setNumber(r, kFirstRightCol + b, b);
    grid.setBackColor(r, kFirstRightCol + b, kRed);
    grid.setCurrentCell(r, kFirstRightCol + b);
  }
}

void load(ToolWindowState &state, const DrawHistory &history, const ClassSumForm &form, int lastCol) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  writeHeaders(grid, lastCol);
  showSpareRow(grid, n);
  markClassSums(grid, n, form.firstClass);
}

}  // namespace

ToolEntry classSumTool(const ClassSumForm &form) {
  const int lastCol = lastColOf(form);
  std::vector<ColumnWidths> widths = {{0, 0, 1290}, {1, lastCol, 300}};
  hideUnmadeSums(widths, classSums(form.firstClass), kFirstLeftCol, kFirstLeftCol + 27);
  hideUnmadeSums(widths, classSums([&form](int d) { return !form.firstClass(d); }), kFirstRightCol, lastCol);
  widths.insert(widths.end(), form.spacerWidths.begin(), form.spacerWidths.end());
  return ToolEntry{standardWindow({.id = form.id,
                                   .cols = lastCol + 1,
                                   .widths = std::move(widths),
                                   .reset = SpareRowReset::Cells0To5}),
                   [form, lastCol](ToolWindowState &state, const DrawHistory &history) {
                     load(state, history, form, lastCol);
                   }};
}

}  // namespace corvessa::charts
