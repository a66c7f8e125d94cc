// "Three Regions Small Middle Large": the digits split into Small, Middle and
// Large. For every draw its digits among the regions' digits, and how many of
// them fall into each region.
#include "tools/winning_from/tools.h"

#include "charts/drawrows.h"
#include "charts/families/regions.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr RegionDigit kRegionDigits[] = {
    {5, "0"},  {6, "1"},  {7, "2"},  {9, "3"},  {10, "4"},
    {11, "5"}, {12, "6"}, {14, "7"}, {15, "8"}, {16, "9"},
};
constexpr RegionColumns kRegions[] = {{5, 7, "S"}, {9, 12, "M"}, {14, 16, "L"}};

constexpr int kFirstPatternCol = 18;
constexpr std::string_view kPatterns[] = {"003", "012", "021", "030", "102", "111", "120", "201", "210", "300"};
constexpr int kLastPatternCol = 27;

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmxzd", "Three Regions Small Middle Large",
                                            "\\help\\Three_Regions_of_Small_Middle_Large.htm"),
                         .cols = 28,
                         .widths = {{0, 0, 1290}, {1, 16, 300}, {17, 27, 420}, {17, 17, 20}},
                         .helpPlace = kRegionHelpPlace});
}

void markRegionCounts(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillRegionDrawRows(grid, history, n, kRegionDigits);
  writeRegionHeaders(grid, kRegions, kFirstPatternCol, kPatterns);
  showSpareRow(grid, n);
  markRegionDigits(grid, n, kRegions);
  markRegionCounts(grid, n);
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
    markMatchingHeaders(grid, r, kFirstPatternCol, kLastPatternCol, grid.intern(pattern), kRegionPatternBack);
  }
}

}  // namespace

ToolEntry frmxzd() { return {design(), load}; }

}  // namespace corvessa::tools
