#include "charts/hotwarmcold.h"
#include "charts/drawrows.h"
#include "charts/palette.h"

#include <array>

namespace corvessa::charts {

namespace {

Rgb countColor(int count) {
  if (count > 2)
    return kRed;
  return count == 2 ? kCountExactly2 : kCountBelow2;
}

}  // namespace

void rankDigitsHotWarmCold(ResultGrid &grid, int drawCount) {
  const int lastTarget = drawCount + 1;
  if (lastTarget <= kRankedDraws || grid.cols() <= kRankDigitCol + 2)
    return;

  ResultGrid::TextId digitHeaders[10];
  for (int d = 0; d < 10; ++d)
    digitHeaders[d] = grid.textId(0, kFirstCountCol + d);

  // The seven rows above the target slide down one row at a time.
  std::array<int, 10> counts{};
  auto addRow = [&](int row, int step) {
    for (int col = kRankDigitCol; col < kRankDigitCol + 3; ++col)
      if (const int d = cellDigit(grid, row, col); d >= 0)
        counts[std::size_t(d)] += step;
  };
  for (int row = 1; row <= kRankedDraws; ++row)
    addRow(row, +1);

  for (int target = kRankedDraws + 1; target <= lastTarget; ++target) {
    if (target > kRankedDraws + 1) {
      addRow(target - 1, +1);
      addRow(target - 1 - kRankedDraws, -1);
    }
    for (int d = 0; d < 10; ++d) {
      grid.setNumber(target, kFirstCountCol + d, counts[std::size_t(d)]);
      grid.setBackColor(target, kFirstCountCol + d, countColor(counts[std::size_t(d)]));
    }
    // Stable insertion by descending count keeps equal counts in digit order.
    std::array<int, 10> order{};
    for (int d = 0; d < 10; ++d) {
      int at = d;
      while (at > 0 && counts[std::size_t(order[std::size_t(at - 1)])] < counts[std::size_t(d)]) {
        order[std::size_t(at)] = order[std::size_t(at - 1)];
        --at;
      }
      order[std::size_t(at)] = d;
    }
    for (int rank = 0; rank < 10; ++rank)
      grid.setTextId(target, kFirstHotCol + rank, digitHeaders[order[std::size_t(rank)]]);
  }
}

}  // namespace corvessa::charts
