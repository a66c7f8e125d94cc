#include "charts/sortedpairs.h"

#include "charts/drawrows.h"

#include <string>
#include <vector>

namespace corvessa::charts {

std::array<int, 3> sortedPairCodes(const DrawRecord &draw) {
  Digits d{draw.h, draw.t, draw.u};
  sortDigitsAscending(d);
  return {d[0] * 10 + d[1], d[0] * 10 + d[2], d[1] * 10 + d[2]};
}

ResultGrid::TextId internPair(ResultGrid &grid, int code) {
  const char text[2] = {char('0' + code / 10), char('0' + code % 10)};
  return grid.intern(std::string_view(text, 2));
}

void fillSortedPairs(ResultGrid &grid, const DrawHistory &history, int firstCol) {
  ResultGrid::TextId pairs[100] = {};  // interned when first met
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    const std::array<int, 3> codes = sortedPairCodes(draw);
    for (int k = 0; k < 3; ++k) {
      ResultGrid::TextId &id = pairs[codes[std::size_t(k)]];
      if (id == 0)
        id = internPair(grid, codes[std::size_t(k)]);
      grid.setTextId(row, firstCol + k, id);
    }
    ++row;
  }
}

namespace {

int pairCodeOf(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
    return -1;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

void markPairsUnderHeaders(ResultGrid &grid, int drawCount, int pairCol, int first, int last, Rgb mark) {
  // The header columns that each pair text equals, found once per pair.
  std::vector<int> columnsOf[100];
  bool known[100] = {};
  auto headerColumns = [&](std::string_view text, std::vector<int> &out) {
    for (int c = first; c <= last; ++c)
      if (grid.textView(0, c) == text)
        out.push_back(c);
  };
  std::vector<int> other;
  for (int r = 1; r <= drawCount; ++r)
    for (int k = 0; k < 3; ++k) {
      const std::string_view text = grid.textView(r, pairCol + k);
      const int code = pairCodeOf(text);
      const std::vector<int> *columns = &other;
      if (code >= 0) {
        if (!known[code]) {
          headerColumns(text, columnsOf[code]);
          known[code] = true;
        }
        columns = &columnsOf[code];
      } else {
        other.clear();
        if (!text.empty())
          headerColumns(text, other);
      }
      for (int c : *columns) {
        grid.setTextId(r, c, grid.textId(0, c));
        grid.setBackColor(r, c, mark);
        grid.setCurrentCell(r, c);
      }
    }
}

}  // namespace corvessa::charts
