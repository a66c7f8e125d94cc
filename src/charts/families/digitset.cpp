#include "charts/families/digitset.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/standardwindow.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvessa::charts {

int digitSetCount(int setSize) {
  int count = 1;
  for (int k = 1; k <= setSize; ++k)
    count = count * (10 - setSize + k) / k;
  return count;
}

int writeDigitSetHeaders(ResultGrid &grid, int setSize) {
  // The set's digits ascending, the last one moving fastest, as nested loops
  // a < b < c < d would give them.
  std::array<int, 10> digits{};
  for (int i = 0; i < setSize; ++i)
    digits[std::size_t(i)] = i;
  int col = kFirstGroupCol;
  for (;;) {
    std::string header;
    for (int i = 0; i < setSize; ++i)
      header.push_back(char('0' + digits[std::size_t(i)]));
    grid.setText(0, col, header);
    // The rightmost digit that can still grow grows, and the ones after it follow it.
    int i = setSize - 1;
    while (i >= 0 && digits[std::size_t(i)] == 10 - setSize + i)
      --i;
    if (i < 0)
      return col;
    ++digits[std::size_t(i)];
    for (int j = i + 1; j < setSize; ++j)
      digits[std::size_t(j)] = digits[std::size_t(j - 1)] + 1;
    ++col;
  }
}

namespace {

// The mark for each count of shared digits, the last one for that count and
// more; 0 leaves the cell as it is.
using CountMarks = std::array<ResultGrid::TextId, 5>;

void markByCount(ResultGrid &grid, int drawCount, int firstCol, int lastCol, const CountMarks &marks) {
  // A row's marks depend on its key alone, and a history holds at most 220
  // box keys: each key is counted against the sets once, at its first row,
  // and its marks are copied into every later row with the same key.
  std::unordered_map<ResultGrid::TextId, std::pair<std::size_t, std::size_t>> byKey;
  std::vector<std::pair<int, ResultGrid::TextId>> cells;  // column and mark, key after key
  for (int r = 1; r <= drawCount; ++r) {
    const auto [known, added] = byKey.try_emplace(grid.textId(r, kKeyCol));
    if (added) {
      const std::size_t begin = cells.size();
      for (int c = firstCol; c <= lastCol; ++c) {
        const int count = groupMatchCount(grid, r, c);
        const ResultGrid::TextId mark = marks[std::size_t(std::min(count, int(marks.size()) - 1))];
        if (mark != 0)
          cells.emplace_back(c, mark);
      }
      known->second = {begin, cells.size()};
    }
    const std::span<ResultGrid::TextId> row = grid.rowTextIds(r);
    for (std::size_t k = known->second.first; k < known->second.second; ++k)
      row[std::size_t(cells[k].first)] = cells[k].second;
  }
}

}  // namespace

void markZeroDigitSets(ResultGrid &grid, int drawCount, int firstCol, int lastCol) {
  markByCount(grid, drawCount, firstCol, lastCol, {grid.intern(kNoDigitMark)});
}

void markDigitSetHits(ResultGrid &grid, int drawCount, int firstCol, int lastCol, int threshold) {
  CountMarks marks{};
  const ResultGrid::TextId mark = grid.intern(kDigitsMark);
  for (int count = threshold + 1; count < int(marks.size()); ++count)
    marks[std::size_t(count)] = mark;
  markByCount(grid, drawCount, firstCol, lastCol, marks);
}

void markPairDigitHits(ResultGrid &grid, int drawCount, int firstCol, int lastCol) {
  const ResultGrid::TextId one = grid.intern(kOneDigitMark), more = grid.intern(kDigitsMark);
  markByCount(grid, drawCount, firstCol, lastCol, {0, one, more, more, more});
}

ToolEntry digitSetTool(const DigitSetForm &form) {
  const int lastCol = kFirstGroupCol + digitSetCount(form.setSize) - 1;
  return ToolEntry{
      standardWindow({.id = form.id,
                      .cols = lastCol + 1,
                      .widths = joinWidths({kDigitSetDrawWidths, {{{kFirstGroupCol, lastCol, form.setColWidth}}}}),
                      .fontPoints = form.fontPoints}),
      [form, lastCol](ToolWindowState &state, const DrawHistory &history) {
        ResultGrid &grid = startDrawRows(state);
        const int n = state.drawCount;
        fillBoxKeyDrawRows(grid, history);
        writeDigitSetHeaders(grid, form.setSize);
        showSpareRow(grid, n);
        // The marking reads the sets back from the header row.
        switch (form.marking) {
          case DigitSetMarking::NoDigit:
            markZeroDigitSets(grid, n, kFirstGroupCol, lastCol);
            break;
          case DigitSetMarking::TwoOrMoreDigits:
            markDigitSetHits(grid, n, kFirstGroupCol, lastCol, 1);
            break;
          case DigitSetMarking::AnyDigit:
            markDigitSetHits(grid, n, kFirstGroupCol, lastCol, 0);
            break;
          case DigitSetMarking::OneOrMoreDigits:
            markPairDigitHits(grid, n, kFirstGroupCol, lastCol);
            break;
        }
      }};
}

}  // namespace corvessa::charts
