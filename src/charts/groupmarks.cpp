#include "charts/groupmarks.h"

#include "charts/drawrows.h"
#include "charts/palette.h"

#include <array>
#include <vector>

namespace corvessa::charts {

namespace {

// How often each character occurs in a header.
std::array<std::uint8_t, 256> groupTable(std::string_view header) {
  std::array<std::uint8_t, 256> table{};
  for (char ch : header)
    ++table[static_cast<unsigned char>(ch)];
  return table;
}

int matchCount(const std::array<std::uint8_t, 256> &table, std::string_view key) {
  int count = 0;
  for (char ch : key)
    count += table[static_cast<unsigned char>(ch)];
  return count;
}

}  // namespace

void fillBoxKeyDrawRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  writeDigitHeaders(grid);
}

void writeGroupHeaders(ResultGrid &grid, int firstCol, std::span<const std::string_view> groups) {
  for (std::size_t i = 0; i < groups.size(); ++i)
    grid.setText(0, firstCol + int(i), groups[i]);
}

int groupMatchCount(const ResultGrid &grid, int row, int col) {
  return matchCount(groupTable(grid.textView(0, col)), grid.textView(row, kKeyCol));
}

void markGroupHits(ResultGrid &grid, int drawCount, int lastCol, std::string_view mark, bool threeWayBox,
                   bool redHitBecomesCurrent) {
  const ResultGrid::TextId markId = grid.intern(mark);
  std::vector<std::array<std::uint8_t, 256>> tables;
  for (int c = kFirstGroupCol; c <= lastCol; ++c)
    tables.push_back(groupTable(grid.textView(0, c)));
  // Row by row: a row's cells lie side by side in the grid.
  for (int r = 1; r <= drawCount; ++r) {
    const std::string_view key = grid.textView(r, kKeyCol);
    for (int c = kFirstGroupCol; c <= lastCol; ++c) {
      const int count = matchCount(tables[std::size_t(c - kFirstGroupCol)], key);
      if (count == 3) {
        grid.setTextId(r, c, markId);
      } else if (threeWayBox && count == 2 && key.size() == 2) {
        grid.setTextId(r, c, markId);
        if (redHitBecomesCurrent)
          grid.setCurrentCell(r, c);
        grid.setBackColor(r, c, kRed);
      }
    }
  }
}

}  // namespace corvessa::charts
