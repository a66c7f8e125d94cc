#include "charts/missstats.h"

#include <algorithm>
#include <limits>
#include <utility>

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
void fillMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol, Rgb textColor) {
  if (lastCol < firstCol || drawCount < 1)
    return;
  (void)grid.textId(0, lastCol);  // the columns lie in the grid
  std::vector<int> run(std::size_t(lastCol - firstCol + 1), 1);
  for (int r = 1; r <= drawCount; ++r) {
    const std::span<ResultGrid::TextId> row = grid.rowTextIds(r);
    for (int c = firstCol; c <= lastCol; ++c) {
      int &count = run[std::size_t(c - firstCol)];
      ResultGrid::TextId &id = row[std::size_t(c)];
      if (id != 0) {
        count = 1;
        continue;
      }
      id = grid.internNumber(count++);
      if (textColor != 0)
        grid.setForeColor(r, c, textColor);
    }
  }
}

void fillMissCountsShaded(ResultGrid &grid, int drawCount, int firstCol, int lastCol) {
  // The last count written is in the lowest empty cell of the last column that has one.
  int endRow = 0, endCol = 0;
  for (int c = lastCol; c >= firstCol && endRow == 0; --c)
    for (int r = drawCount; r >= 1; --r)
      if (grid.isEmpty(r, c)) {
        endRow = r;
        endCol = c;
        break;
      }
  fillMissCounts(grid, drawCount, firstCol, lastCol, kShadedMissCount);
  if (endRow > 0)
    grid.setCurrentCell(endRow, endCol);
}

std::string_view footerLabel(FooterRow row) {
  switch (row) {
    case FooterRow::Amount:
      return "Amount";
    case FooterRow::MaxMiss:
      return "Max Miss";
    case FooterRow::CurrentMiss:
      return "Current Miss";
    case FooterRow::Average:
      return "Average";
    case FooterRow::Blank:
      break;
  }
  return {};
}

void appendFooter(ResultGrid &grid, int n, const FooterForm &form) {
  const int first = form.firstCol, last = form.lastCol;
  const int footerRows = int(form.rows.size());
  grid.setVisible(false);
  grid.setRows(n + 2 + footerRows);
  for (int i = 0; i < footerRows; ++i)
    grid.setText(n + 2 + i, 0, footerLabel(form.rows[std::size_t(i)]));
  grid.setTopRow(grid.rows() - 1);

  const ResultGrid::TextId markId = form.mark.empty() ? 0 : grid.intern(form.mark);
  const auto isHitText = [&](ResultGrid::TextId id) {
    return id != 0 && (id == markId || grid.viewOf(id) == form.mark);
  };
  const auto isHit = [&](int r, int c) {
    return form.hitBack != 0 ? grid.backColor(r, c) == form.hitBack : isHitText(grid.textId(r, c));
  };

  // What a text says (a hit, a number) is read once per text: the cells of a
  // long history repeat a few hundred texts.
  std::vector<signed char> hitOfText;  // by text id; -1: not read yet
  std::vector<long long> numberOfText;  // by text id; -1: not read yet
  const auto isHitId = [&](ResultGrid::TextId id) {
    if (id >= hitOfText.size())
      hitOfText.resize(std::size_t(id) + 1, -1);
    signed char &known = hitOfText[id];
    if (known < 0)
      known = isHitText(id);
    return known != 0;
  };
  const auto numberOfId = [&](ResultGrid::TextId id) {
    if (id >= numberOfText.size())
      numberOfText.resize(std::size_t(id) + 1, -1);
    long long &known = numberOfText[id];
    if (known < 0)
      known = leadingNumber(grid.viewOf(id));
    return known;
  };

  // Row by row over the draws, a running total for each column.
  const std::size_t columns = std::size_t(std::max(last - first + 1, 0));
  std::vector<int> amount(columns, 0);
  std::vector<long long> maxMiss(columns, 0);
  std::vector<char> hitAbove(columns, 1);  // row 0 counts as a hit: no run before the first draw
  const bool largestCount = form.maxMiss == MaxMissRule::LargestCount;
  for (int r = 1; r <= n && columns > 0; ++r) {
    const std::span<const ResultGrid::TextId> row = std::as_const(grid).rowTextIds(r);
    const std::span<const ResultGrid::TextId> above = std::as_const(grid).rowTextIds(r - 1);
    for (int c = first; c <= last; ++c) {
      const std::size_t i = std::size_t(c - first);
      const ResultGrid::TextId id = row[std::size_t(c)];
      const bool hit = form.hitBack != 0 ? grid.backColor(r, c) == form.hitBack : isHitId(id);
      if (hit) {
        ++amount[i];
        if (!largestCount && !hitAbove[i])
          maxMiss[i] = std::max(maxMiss[i], numberOfId(above[std::size_t(c)]));
      } else if (largestCount) {
        maxMiss[i] = std::max(maxMiss[i], numberOfId(id));
      }
      hitAbove[i] = hit;
    }
  }

  for (int k = 0; k < footerRows; ++k) {
    const int row = n + 2 + k;
    for (int c = first; c <= last; ++c) {
      const std::size_t i = std::size_t(c - first);
      switch (form.rows[std::size_t(k)]) {
        case FooterRow::Amount:
          grid.setNumber(row, c, amount[i]);
          break;
        case FooterRow::MaxMiss:
          grid.setNumber(row, c, maxMiss[i]);
          break;
        case FooterRow::CurrentMiss:
          if (n == 0 || isHit(n, c))
            grid.setNumber(row, c, 0);
          else
            grid.setTextId(row, c, grid.textId(n, c));
          break;
        case FooterRow::Average:
          if (amount[i] > 0)
            grid.setNumber(row, c, n / amount[i]);
          else if (form.average == AverageForm::DrawCount)
            grid.setNumber(row, c, n);
          break;
        case FooterRow::Blank:
          continue;
      }
      if (!form.tinted && form.valueFore != 0)
        grid.setForeColor(row, c, form.valueFore);
    }
  }

  if (form.tinted)
    for (int c = 1; c <= last; ++c)
      for (int r = n + 2; r < grid.rows(); ++r) {
        grid.setBackColor(r, c, kFooterBack);
        grid.setForeColor(r, c, kFooterFore);
      }
  grid.setVisible(true);
}

}  // namespace corvessa::charts
