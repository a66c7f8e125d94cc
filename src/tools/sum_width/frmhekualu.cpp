// "Sum 012 Type&Width 012 Type": every draw's sum S and width W (largest
// digit less smallest), and its type, S modulo 3 followed by W modulo 3,
// marked in one of nine type columns. A press on a cell highlights it.
#include "tools/sum_width/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kSumCol = 1, kWidthCol = 2, kTypeCol = 3;
constexpr int kFirstTypeCol = 5;
constexpr const char *kTypes[] = {"00", "11", "22", "01", "02", "10", "12", "20", "21"};  // columns 5..13
constexpr int kLastTypeCol = kFirstTypeCol + 8;
constexpr int kDigitOffset = 13;  // H, T, U in the nearly hidden columns 14..16
constexpr Rgb kTypeMark = rgb(176, 188, 79);

// The window keeps its design caption and shows no "Loading......"; there is
// no hidden Command1.
ToolDesign design() {
  return standardWindow({.id = {.windowName = "frmhekualu",
                                .caption = "Sum 012 Type&Width 012 Type",
                                .helpPage = "\\help\\Sum_012_Type-Width_012_Type.htm"},
                         .cols = 17,
                         .widths = {{0, 0, 1204},
                                    {kSumCol, kWidthCol, 300},
                                    {kTypeCol, kTypeCol, 860},
                                    {4, 4, 40},
                                    {kFirstTypeCol, kLastTypeCol, 300},
                                    {kDigitOffset + 1, kDigitOffset + 3, 2}},
                         .reset = SpareRowReset::None,
                         .helpBeforeExit = true,
                         .highlight = kAzure,
                         .showsLoadingCaption = false});
}

void writeHeaders(ResultGrid &grid);
void writeSumWidthType(ResultGrid &grid, int drawCount);
void markSumWidthType(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  writeHeaders(grid);
  startOffsetDrawRows(grid, n, history, kDigitOffset);
  writeSumWidthType(grid, n);
  markSumWidthType(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  grid.setText(0, kSumCol, "S");
  grid.setText(0, kWidthCol, "W");
  grid.setText(0, kTypeCol, "SW012Type");
  for (int i = 0; i <= kLastTypeCol - kFirstTypeCol; ++i)
    grid.setText(0, kFirstTypeCol + i, kTypes[i]);
}

// Columns 1..3 from the digits in columns 14..16: the sum, the width (taken
// from a sorted copy of the digits) and the type.
void writeSumWidthType(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId typeIds[3][3];
  for (int s = 0; s < 3; ++s)
    for (int w = 0; w < 3; ++w)
      typeIds[s][w] = grid.intern(std::to_string(s) + std::to_string(w));
  for (int r = 1; r <= drawCount; ++r) {
    std::optional<Digits> digits = readDrawDigits(grid, r, kDigitOffset + 1);
    if (!digits)
      continue;
    Digits &d = *digits;
    const int sum = d[0] + d[1] + d[2];
    sortDigitsAscending(d);
    const int width = d[2] - d[0];
    grid.setNumber(r, kSumCol, sum);
    grid.setNumber(r, kWidthCol, width);
    grid.setTextId(r, kTypeCol, typeIds[sum % 3][width % 3]);
  }
}

// The column whose header is the draw's type gets the type on its colour;
// the current cell ends on the last draw's mark.
void markSumWidthType(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int c = kFirstTypeCol; c <= kLastTypeCol; ++c)
      if (grid.textId(r, kTypeCol) == grid.textId(0, c)) {
        grid.setTextId(r, c, grid.textId(0, c));
        grid.setBackColor(r, c, kTypeMark);
        grid.setCurrentCell(r, c);
      }
}

}  // namespace

ToolEntry frmhekualu() { return {design(), load}; }

}  // namespace corvessa::tools
