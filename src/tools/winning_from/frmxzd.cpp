// "Three Regions Small Middle Large": the digits split into Small, Middle and
// Large. For every draw its digits among the regions' digits, and how many of
// them fall into each region.
#include "charts/drawrows.h"
#include "charts/regions.h"
#include "charts/tool.h"

#include <string>

namespace corvessa {
namespace {

using namespace charts;

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmxzd";
  d.menuItem = "caisanqufenge";
  d.caption = "Three Regions Small Middle Large";
  d.title = "Three Regions Small Middle Large";
  d.cols = 28;
  d.helpPage = "\\help\\Three_Regions_of_Small_Middle_Large.htm";
  d.layout = ToolLayout::GridExitAndHelp;
  d.helpButton = ButtonDesign("Help", 8765, 6000, 1335, 375, true);
  d.resetRows = [](ResultGrid &grid, int drawCount) { resetGridRows(grid, drawCount, 6); };
  return d;
}

constexpr RegionDigit kRegionDigits[] = {
    {5, "0"},  {6, "1"},  {7, "2"},  {9, "3"},  {10, "4"},
    {11, "5"}, {12, "6"}, {14, "7"}, {15, "8"}, {16, "9"},
};
constexpr RegionColumns kRegions[] = {{5, 7, "S"}, {9, 12, "M"}, {14, 16, "L"}};

constexpr int kFirstPatternCol = 18;
constexpr const char *kPatterns[] = {"003", "012", "021", "030", "102", "111", "120", "201", "210", "300"};
constexpr int kLastPatternCol = 27;
constexpr Rgb kPatternBack = rgb(127, 182, 200);

void writeHeaders(ResultGrid &grid);
void markRegionCounts(ResultGrid &grid, int drawCount);

void load(ResultGrid &grid, const DrawHistory &history) {
  const int n = int(history.draws.size());
  grid.setColWidths(0, 0, 1290);
  grid.setColWidths(1, 16, 300);
  grid.setColWidths(17, 27, 420);
  grid.setColWidth(17, 20);
  resetGridRows(grid, n, 6);
  fillDrawRows(grid, history);
  prefillRegionDigits(grid, n, kRegionDigits);
  writeHeaders(grid);
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(grid.rows() - 1);
  markRegionDigits(grid, n, kRegions);
  markRegionCounts(grid, n);
}

void writeHeaders(ResultGrid &grid) {
  grid.setText(0, 1, "H");
  grid.setText(0, 2, "T");
  grid.setText(0, 3, "U");
  writeRegionHeaders(grid, kRegions);
  for (int i = 0; i <= kLastPatternCol - kFirstPatternCol; ++i)
    grid.setText(0, kFirstPatternCol + i, kPatterns[i]);
}

// A repeated digit counts once for each time it was drawn.
void markRegionCounts(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    std::string pattern;
    for (const RegionColumns &region : kRegions) {
      int inRegion = 0;
      for (int c = region.first; c <= region.last; ++c)
        for (int k = 1; k <= 3; ++k)
          if (grid.textId(r, k) == grid.textId(r, c))
            ++inRegion;
      pattern += std::to_string(inRegion);
    }
    const ResultGrid::TextId patternId = grid.intern(pattern);
    for (int c = kFirstPatternCol; c <= kLastPatternCol; ++c)
      if (grid.textId(0, c) == patternId) {
        grid.setCurrentCell(r, c);
        grid.setBackColor(r, c, kPatternBack);
        grid.setTextId(r, c, patternId);
      }
  }
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
