// "Four Regions-1234": the digits split into four fixed regions. For every
// draw its digits among the regions' digits, the pattern of its three region
// codes, their sum and how many of its digits share a region.
#include "tools/winning_from/tools.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/families/regions.h"
#include "charts/framework/tool.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr RegionDigit kRegionDigits[] = {
    {5, "1"},  {6, "3"},  {8, "0"},  {9, "2"},  {10, "4"},
    {12, "5"}, {13, "7"}, {14, "9"}, {16, "6"}, {17, "8"},
};
constexpr RegionColumns kRegions[] = {{5, 6, "1"}, {8, 10, "2"}, {12, 14, "3"}, {16, 17, "4"}};

constexpr int kFirstPatternCol = 19;
constexpr std::string_view kPatterns[] = {
    "111", "112", "113", "114", "122", "123", "124", "133", "134", "144",
    "222", "223", "224", "233", "234", "244",
    "333", "334", "344", "444",
};
constexpr int kLastPatternCol = kFirstPatternCol + 19;
constexpr int kFirstSumCol = 40, kLastSumCol = 49;  // the sums 3 to 12
constexpr int kFirstTypeCol = 51;                   // "Type-1", "Type-2", "Type-3"
constexpr int kCodeCol = 54;                        // 54..56: codes of H, T, U
constexpr int kSortedCodeCol = 57;                  // 57..59: the codes ascending

// The region codes only feed the patterns: nearly hidden, as are the spacers 4, 18, 39 and 50.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frm4qufenge", "Four Regions-1234", "\\help\\Four_Regions-1234.htm"),
                         .cols = 60,
                         .widths = {{0, 0, 1290},
                                    {1, 53, 275},
                                    {kFirstPatternCol, kLastPatternCol, 406},
                                    {kFirstSumCol, kLastSumCol, 305},
                                    {kFirstTypeCol, kFirstTypeCol + 2, 840},
                                    {kCodeCol, kSortedCodeCol + 2, 2},
                                    {4, 4, 20},
                                    {18, 18, 20},
                                    {39, 39, 20},
                                    {50, 50, 20}},
                         .helpPlace = kRegionHelpPlace});
}

void computeRegionCodes(ResultGrid &grid, int drawCount);
void sortRegionCodes(ResultGrid &grid, int drawCount);
void markRegionPattern(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillRegionDrawRows(grid, history, n, kRegionDigits);
  computeRegionCodes(grid, n);
  sortRegionCodes(grid, n);
  writeRegionHeaders(grid, kRegions, kFirstPatternCol, kPatterns);
  for (int c = kFirstSumCol; c <= kLastSumCol; ++c)
    grid.setNumber(0, c, c - 37);
  for (int t = 0; t < 3; ++t)
    grid.setText(0, kFirstTypeCol + t, QStringLiteral("Type-%1").arg(t + 1));
  showSpareRow(grid, n);
  markRegionDigits(grid, n, kRegions);
  markRegionPattern(grid, n);
}

// The regions are the small odd digits (1), the small even (2), the big odd
// (3) and the big even (4).
const char *regionCode(int d) {
  if (isOddDigit(d))
    return isBigDigit(d) ? "3" : "1";
  return isBigDigit(d) ? "4" : "2";
}

void computeRegionCodes(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId codes[10];
  for (int d = 0; d < 10; ++d)
    codes[d] = grid.intern(std::string_view(regionCode(d)));
  for (int r = 1; r <= drawCount; ++r)
    for (int k = 1; k <= 3; ++k) {
      if (const int d = cellDigit(grid, r, k); d >= 0)
        grid.setTextId(r, kCodeCol + k - 1, codes[d]);
    }
}

void sortRegionCodes(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    std::optional<Digits> codes = readDrawDigits(grid, r, kCodeCol);
    if (!codes)
      continue;
    sortDigitsAscending(*codes);
    for (int k = 0; k < 3; ++k)
      grid.setNumber(r, kSortedCodeCol + k, (*codes)[std::size_t(k)]);
  }
}

void markRegionPattern(ResultGrid &grid, int drawCount) {
  using namespace std::string_view_literals;
  const ResultGrid::TextId typeNames[3] = {grid.intern("Type-1"sv), grid.intern("Type-2"sv), grid.intern("Type-3"sv)};
  int sumHeaders[kLastSumCol + 1];
  for (int c = kFirstSumCol; c <= kLastSumCol; ++c)
    sumHeaders[c] = int(leadingNumber(grid.textView(0, c)));
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> codes = readDrawDigits(grid, r, kSortedCodeCol);
    if (!codes)
      continue;
    const int c1 = (*codes)[0], c2 = (*codes)[1], c3 = (*codes)[2];
    const int sum = c1 + c2 + c3;
    std::string pattern;
    for (int k = 0; k < 3; ++k)
      pattern += grid.textView(r, kSortedCodeCol + k);
    const ResultGrid::TextId patternId = grid.intern(pattern);
    markMatchingHeaders(grid, r, kFirstPatternCol, kLastPatternCol, patternId, kRegionPatternBack);
    for (int c = kFirstSumCol; c <= kLastSumCol; ++c)
      if (sumHeaders[c] == sum)
        markRegionCell(grid, r, c, grid.internNumber(sum), kRed);
    const int type = c3 == c1 ? 2 : (c2 == c1 || c3 == c2) ? 1 : 0;
    markRegionCell(grid, r, kFirstTypeCol + type, typeNames[type], kRegionPatternBack);
  }
}

}  // namespace

ToolEntry frm4qufenge() { return {design(), load}; }

}  // namespace corvessa::tools
