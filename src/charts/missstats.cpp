#include "charts/missstats.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace corvessa::charts {

long long leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  constexpr long long kMax = std::numeric_limits<long long>::max();
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10)
      return kMax;  // a longer run of figures than any count: the largest number
    value = value * 10 + digit;
  }
  return value;
}

// The loops run row by row, since a row's cells lie side by side in the grid.
void fillMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol) {
  if (lastCol < firstCol)
    return;
  std::vector<int> run(std::size_t(lastCol - firstCol + 1), 1);
  for (int r = 1; r <= drawCount; ++r)
    for (int c = firstCol; c <= lastCol; ++c) {
      int &count = run[std::size_t(c - firstCol)];
      if (grid.isEmpty(r, c))
        grid.setNumber(r, c, count++);
      else
        count = 1;
    }
}

void appendMissStatistics(ResultGrid &grid, int n, int lastCol, std::string_view mark, AverageForm form) {
  constexpr int kFirst = 5;
  grid.setVisible(false);
  grid.setRows(n + 6);
  grid.setText(n + 5, 0, "Average");
  grid.setText(n + 2, 0, "Amount");
  grid.setText(n + 3, 0, "Max Miss");
  grid.setText(n + 4, 0, "Current Miss");
  grid.setTopRow(n + 5);

  const ResultGrid::TextId markId = grid.intern(mark);
  const auto isHit = [&](int r, int c) {
    const ResultGrid::TextId id = grid.textId(r, c);
    return id == markId || (id != 0 && grid.viewOf(id) == mark);
  };

  const std::size_t columns = std::size_t(std::max(lastCol - kFirst + 1, 0));
  std::vector<int> amount(columns, 0);
  std::vector<long long> maxMiss(columns, 0);
  for (int r = 1; r <= n; ++r)
    for (int c = kFirst; c <= lastCol; ++c) {
      const std::size_t i = std::size_t(c - kFirst);
      if (isHit(r, c))
        ++amount[i];
      else
        maxMiss[i] = std::max(maxMiss[i], leadingNumber(grid.textView(r, c)));
    }
  for (int c = kFirst; c <= lastCol; ++c) {
    const std::size_t i = std::size_t(c - kFirst);
    grid.setNumber(n + 2, c, amount[i]);
    grid.setNumber(n + 3, c, maxMiss[i]);
    if (n == 0 || isHit(n, c))
      grid.setNumber(n + 4, c, 0);
    else
      grid.setTextId(n + 4, c, grid.textId(n, c));
    if (amount[i] > 0)
      grid.setNumber(n + 5, c, n / amount[i]);
    else if (form == AverageForm::Full)
      grid.setNumber(n + 5, c, n);
  }

  for (int c = 1; c <= lastCol; ++c)
    for (int r = n + 2; r <= n + 5; ++r) {
      grid.setBackColor(r, c, kFooterBack);
      grid.setForeColor(r, c, kFooterFore);
    }
  grid.setVisible(true);
}

}  // namespace corvessa::charts
