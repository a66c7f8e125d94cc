// "Sum Units Four Regions&Width Four Regions": every draw in one of sixteen
// combinations of the region of its sum's units digit and the region of its
// width (0-2, 3-4, 5-6, 7-9), with miss counts between the marks and three
// footer rows; "Max Miss" is the longest run that a hit ended.
#include "tools/sum_width/tools.h"

#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/sumrows.h"
#include "charts/framework/toolframe.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kSumCol = 4, kWidthCol = 5;
constexpr int kFirstComboCol = 7, kLastComboCol = 22;  // "11" .. "44"

// Command1: six rows under the draws for the footer, the spare row emptied.
void resetRows(ToolWindowState &state) {
  state.grid.reserveRows(state.drawCount + 6);  // one allocation for the draws and the footer
  resetGridRows(state.grid, state.drawCount, 6);
  state.grid.setRows(state.drawCount + 6);
}

ToolDesign design() {
  ToolDesign d{titledWindow("frmhekuazonghe", "Sum Units Four Regions&Width Four Regions",
                            "\\help\\Sum_Units_Four_Region-Width_Four_Region.htm")};
  d.cols = 23;
  d.colWidths = {{0, 0, 1290}, {1, kWidthCol, 300}, {6, 6, 60}, {kFirstComboCol, kLastComboCol, 480}};
  d.controls = {gridControl(), resetButton(resetRows), helpButton(), exitButton()};
  d.layout = standardLayout({QStringLiteral("Command2"), QStringLiteral("Command3")});
  return d;
}

constexpr std::string_view kMark = ".";

// Region 1 to 4 of a value 0 to 9.
constexpr int region(int v) { return v < 3 ? 1 : v < 5 ? 2 : v < 7 ? 3 : 4; }

void writeHeaders(ResultGrid &grid);
void classifyFourRegions(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  resetRows(state);
  fillSumRows(grid, history);
  fillSumWidthColumns(grid, history, {.sumCol = kNoColumn, .widthCol = kWidthCol});
  writeHeaders(grid);
  showSpareRow(grid, n);
  classifyFourRegions(grid, n);
  fillMissCountsAndFooter(
      grid, n,
      FooterForm{.firstCol = kFirstComboCol,
                 .lastCol = kLastComboCol,
                 .mark = kMark,
                 .rows = {FooterRow::Amount, FooterRow::MaxMiss, FooterRow::CurrentMiss, FooterRow::Blank},
                 .maxMiss = MaxMissRule::LongestClosedRun});
}

// Column 7 + 4(a - 1) + (b - 1) is headed by a and b: "11", "12", ... "44".
void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kSumCol, "S");
  grid.setText(0, kWidthCol, "W");
  int col = kFirstComboCol;
  for (int a = 1; a <= 4; ++a)
    for (int b = 1; b <= 4; ++b)
      grid.setText(0, col++, std::to_string(a) + std::to_string(b));
}

// The sum's last figure and the width, read back from columns 4 and 5, give
// the regions a and b; the mark goes into column 4a + b + 2.
void classifyFourRegions(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId mark = grid.intern(kMark);
  for (int r = 1; r <= drawCount; ++r) {
    const std::string_view sum = grid.textView(r, kSumCol);
    const int units = sum.empty() ? 0 : sum.back() - '0';
    const int a = region(units), b = region(int(leadingNumber(grid.textView(r, kWidthCol))));
    const int col = 4 * a + b + 2;
    grid.setBackColor(r, col, kRed);
    grid.setTextId(r, col, mark);
    grid.setCurrentCell(r, col);
  }
}

}  // namespace

ToolEntry frmhekuazonghe() { return {design(), load}; }

}  // namespace corvessa::tools
