// "Recommend Number Sum": every draw's sum against two fixed sets of
// recommended sums. The sum a draw equals is written on red in its column,
// and "-Y-" in the set's "Y/N" column; 13 and 15 lie in both sets.
#include "tools/sum_width/tools.h"

#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/sumrows.h"
#include "charts/standardwindow.h"

#include <span>
#include <string_view>

namespace corvessa::tools {
namespace {

using namespace charts;

// A set of fixed sums: its columns from `first` on, one sum each, and its "Y/N" column.
struct SumSet {
  int first;
  std::span<const std::string_view> sums;
  int yesCol;
};
constexpr std::string_view kSevenSums[] = {"8", "10", "11", "13", "15", "16", "18"};
constexpr std::string_view kFourSums[] = {"12", "13", "14", "15"};
constexpr SumSet kSets[] = {{5, kSevenSums, 12}, {14, kFourSums, 18}};

constexpr int kSumCol = 4;

// "Help" is placed but never shown, and has no page.
ToolDesign design() {
  ToolDesign d{titledWindow("frmhezhi4", "Recommend Number Sum-[Following 7 fixed sums]+[Following 4 fixed sums]")};
  d.cols = 19;
  d.colWidths = {{0, 0, 1290}, {1, 18, 300}, {12, 12, 688}, {13, 13, 688}, {18, 18, 688}};
  d.controls = {gridControl(), exitButton(), helpButton(kHelpPlace, false),
                spareRowResetButton(SpareRowReset::Cells0To6)};
  d.layout = standardLayout({QStringLiteral("Command2"), QStringLiteral("Command3")});
  return d;
}

void writeHeaders(ResultGrid &grid);
void markFixedSumHits(ResultGrid &grid, int drawCount, const SumSet &set);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillSumRows(grid, history);
  writeHeaders(grid);
  showSpareRow(grid, n);
  for (const SumSet &set : kSets)
    markFixedSumHits(grid, n, set);
}

// Column 13, between the sets, has no header.
void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kSumCol, "S");
  for (const SumSet &set : kSets) {
    for (std::size_t i = 0; i < set.sums.size(); ++i)
      grid.setText(0, set.first + int(i), set.sums[i]);
    grid.setText(0, set.yesCol, "Y/N");
  }
}

// The fixed sums are read from the headers, the draw's sum from column 4.
void markFixedSumHits(ResultGrid &grid, int drawCount, const SumSet &set) {
  const int last = set.first + int(set.sums.size()) - 1;
  const ResultGrid::TextId yes = grid.intern(std::string_view("-Y-"));
  for (int r = 1; r <= drawCount; ++r) {
    const long long sum = leadingNumber(grid.textView(r, kSumCol));
    for (int c = set.first; c <= last; ++c)
      if (leadingNumber(grid.textView(0, c)) == sum) {
        grid.setTextId(r, set.yesCol, yes);
        grid.setTextId(r, c, grid.textId(0, c));
        grid.setBackColor(r, c, kRed);
        grid.setCurrentCell(r, c);
      }
  }
}

}  // namespace

ToolEntry frmhezhi4() { return {design(), load}; }

}  // namespace corvessa::tools
