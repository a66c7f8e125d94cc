// Recommend "Pairs": for every row from the eleventh on, six pairs of the
// hot digits (ranks 1 to 4 over the seven draws before it) and six of the
// cold digits (ranks 7 to 10), and which of them the draw then held. The row
// under the newest draw holds the pairs for the coming draw.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/hotwarmcold.h"
#include "charts/palette.h"
#include "charts/sortedpairs.h"
#include "charts/standardwindow.h"

#include <algorithm>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kDigitOffset = kRankDigitCol - 1;  // H, T, U in columns 34..36
constexpr int kFirstPairCol = 37;                 // the draw's sorted pairs, 37..39
constexpr int kFirstRecommendedCol = 22, kLastRecommendedCol = 33;
constexpr int kHitCol = 40;
constexpr int kFirstPairRow = 11;
constexpr int kHiddenRows = 24;  // the first rows, all but hidden

// Ranks 4 to 7 tinted in every row under the headers.
constexpr int kFirstTintCol = kFirstRankCol + 3, kLastTintCol = kFirstRankCol + 6;

// The recommended pairs in column order: two rank columns and the pair's column.
struct RecommendedPair {
  int x, y, target;
};
constexpr RecommendedPair kRecommended[] = {
    {12, 13, 22}, {12, 14, 23}, {12, 15, 24}, {13, 14, 25}, {13, 15, 26}, {14, 15, 27},  // hot: ranks 1 to 4
    {18, 19, 28}, {18, 20, 29}, {18, 21, 30}, {19, 20, 31}, {19, 21, 32}, {20, 21, 33},  // cold: ranks 7 to 10
};

// "Exit" is Command1; there is no hidden reset button and no "Help". The
// caption stays the same while the chart loads.
ToolDesign design() {
  return standardWindow({.id = {.windowName = "frmrenwenlengTlm", .caption = "Recommend \"Pairs\""},
                         .cols = 41,
                         .widths = {{0, 0, 1204},
                                    {1, kFirstPairCol + 2, 2},
                                    {11, 11, 80},
                                    {kFirstRecommendedCol, kLastRecommendedCol, 400},
                                    {kHitCol, kHitCol, 560}},
                         .reset = SpareRowReset::None,
                         .help = HelpButton::None,
                         .exitName = QStringLiteral("Command1"),
                         .showsLoadingCaption = false});
}

void buildRecommendedPairs(ResultGrid &grid, int drawCount);
void markRecommendedPairHits(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  for (int d = 0; d < 10; ++d)
    grid.setNumber(0, kFirstCountCol + d, d);
  startOffsetDrawRows(grid, n, history, kDigitOffset);
  fillSortedPairs(grid, history, kFirstPairCol);
  rankDigitsHotWarmCold(grid, n);
  for (int r = 1; r <= grid.rows() - 1; ++r)
    for (int c = kFirstTintCol; c <= kLastTintCol; ++c)
      grid.setBackColor(r, c, kPeach);
  buildRecommendedPairs(grid, n);
  markRecommendedPairHits(grid, n);
  // Only the rows that exist: a history of fewer than 22 draws has fewer.
  for (int r = 1; r <= std::min(kHiddenRows, grid.rows() - 1); ++r)
    grid.setRowHeight(r, 2);
  grid.setTopRow(grid.rows() - 1);
}

// Rows 11 to N + 1, the coming draw's row included; each pair smaller digit first.
void buildRecommendedPairs(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId pairs[100] = {};  // interned when first met
  for (int r = kFirstPairRow; r <= drawCount + 1; ++r)
    for (const RecommendedPair &p : kRecommended) {
      const int x = cellDigit(grid, r, p.x), y = cellDigit(grid, r, p.y);
      if (x < 0 || y < 0)
        continue;
      const int code = std::min(x, y) * 10 + std::max(x, y);
      if (pairs[code] == 0)
        pairs[code] = internPair(grid, code);
      grid.setTextId(r, p.target, pairs[code]);
    }
}

// Draw rows 11 to N: a recommended pair that the draw holds turns red, and
// "-Y-" on blue stands in the last column.
void markRecommendedPairHits(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId yes = grid.intern(std::string_view("-Y-"));
  for (int r = kFirstPairRow; r <= drawCount; ++r)
    for (int c = kFirstPairCol; c <= kFirstPairCol + 2; ++c) {
      const ResultGrid::TextId drawn = grid.textId(r, c);
      for (int j = kFirstRecommendedCol; j <= kLastRecommendedCol; ++j)
        if (grid.textId(r, j) == drawn) {
          grid.setBackColor(r, j, kRed);
          grid.setBackColor(r, kHitCol, kAzure);
          grid.setTextId(r, kHitCol, yes);
        }
    }
}

}  // namespace

ToolEntry frmrenwenlengTlm() { return {design(), load}; }

}  // namespace corvessa::tools
