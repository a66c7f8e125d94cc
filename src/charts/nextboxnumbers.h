#pragma once
// The box numbers for the coming draw, grouped by their hot-warm-cold
// pattern, as the Cold Warm Hot window lists them.
#include "core/resultgrid.h"

#include <QString>
#include <array>
#include <optional>

namespace corvessa::charts {

// One ranking row: the digits of each class in rank order.
struct HotWarmColdRanking {
  std::array<int, 3> hot{};
  std::array<int, 4> warm{};
  std::array<int, 3> cold{};
};

// Columns 12..21 of a row, or nothing when they do not hold ten different
// digits (a history of fewer than seven draws leaves the row empty).
std::optional<HotWarmColdRanking> rankingOfRow(const ResultGrid &grid, int row);

// Ten sections "003:" ... "111:", each its heading and CR LF, its box numbers
// (digits ascending, each followed by a blank) and CR LF CR LF: all 220 box
// numbers once. Without a ranking, a short text that says why there is none.
QString nextBoxNumbersText(const std::optional<HotWarmColdRanking> &ranking);

inline constexpr const char *kNotEnoughDrawsText =
    "Not enough draws: the next box numbers need a ranking over the last 7 draws.\r\n";

// The "Next Box numbers " button: each click shows the list or hides it
// again, and the caption names what the next click does.
class NextBoxNumbersToggle {
 public:
  explicit NextBoxNumbersToggle(int clicks = 0) : clicks_(clicks) {}
  void click() { ++clicks_; }
  int clicks() const { return clicks_; }
  bool listShown() const { return clicks_ % 2 == 1; }
  QString caption() const;

 private:
  int clicks_ = 0;
};

}  // namespace corvessa::charts
