#include "charts/tickets.h"

#include "charts/groupmarks.h"

#include <unordered_map>
#include <vector>

namespace corvessa::charts {

std::string makeSortedDrawKey(Digits &digits) {
  sortDigitsAscending(digits);
  return {char('0' + digits[0]), char('0' + digits[1]), char('0' + digits[2])};
}

namespace {

// Marks each draw row's hit columns and its gather column. A hit depends on
// the row's key alone, so the columns a key hits are found once per key.
template <typename Hits>
void markByKey(ResultGrid &grid, int drawCount, int lastCol, int gatherCol, std::string_view mark, Hits hits) {
  if (drawCount < 1)
    return;
  const ResultGrid::TextId markId = grid.intern(mark);
  std::vector<std::string_view> headers;
  for (int c = kFirstTicketCol; c <= lastCol; ++c)
    headers.push_back(grid.textView(0, c));
  std::unordered_map<ResultGrid::TextId, std::vector<int>> columnsOfKey;
  for (int r = 1; r <= drawCount; ++r) {
    const ResultGrid::TextId key = grid.textId(r, kKeyCol);
    auto found = columnsOfKey.find(key);
    if (found == columnsOfKey.end()) {
      std::vector<int> columns;
      for (int c = kFirstTicketCol; c <= lastCol; ++c)
        if (hits(headers[std::size_t(c - kFirstTicketCol)], grid.viewOf(key)))
          columns.push_back(c);
      found = columnsOfKey.emplace(key, std::move(columns)).first;
    }
    for (int c : found->second) {
      grid.setTextId(r, c, markId);
      grid.setTextId(r, gatherCol, markId);
    }
  }
}

}  // namespace

void markTicketKeyHits(ResultGrid &grid, int drawCount, int lastCol, int gatherCol, std::string_view mark) {
  markByKey(grid, drawCount, lastCol, gatherCol, mark,
            [](std::string_view header, std::string_view key) { return header == key; });
}

void markTicketHits(ResultGrid &grid, int drawCount, int lastCol, int gatherCol, std::string_view mark) {
  markByKey(grid, drawCount, lastCol, gatherCol, mark, [](std::string_view header, std::string_view key) {
    int count = 0;
    for (std::size_t i = 0; i < 3 && i < header.size(); ++i)
      for (char k : key)
        count += header[i] == k;
    return count == 3;
  });
}

void markTicketSets(ResultGrid &grid, int drawCount, int setSize, std::string_view letters, int letterCol,
                    std::string_view mark) {
  // The marks and the miss counts are interned texts, so the mark's id finds every mark.
  const ResultGrid::TextId markId = grid.intern(mark);
  std::vector<ResultGrid::TextId> letterIds;
  for (std::size_t s = 0; s < letters.size(); ++s)
    letterIds.push_back(grid.intern(letters.substr(s, 1)));
  if (!letters.empty())
    (void)grid.textId(0, letterCol + int(letters.size()) - 1);  // the letters' columns lie in the grid
  // Row by row: a row's cells lie side by side, and a long grid is walked once.
  for (int r = 1; r <= drawCount; ++r) {
    const std::span<ResultGrid::TextId> row = grid.rowTextIds(r);
    for (std::size_t s = 0; s < letters.size(); ++s) {
      const int first = kFirstTicketCol + int(s) * setSize;
      for (int c = first; c < first + setSize; ++c)
        if (row[std::size_t(c)] == markId) {
          row[std::size_t(letterCol) + s] = letterIds[s];
          break;
        }
    }
  }
}

}  // namespace corvessa::charts
