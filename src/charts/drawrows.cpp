#include "charts/drawrows.h"

#include <charconv>
#include <utility>

namespace corvessa::charts {

namespace {

// The label text into buf (at least 32 bytes); returns its length.
std::size_t writeLabelText(const DrawRecord &draw, char separator, char *buf) {
  char *p = buf;
  *p++ = draw.label < 0 ? '-' : ' ';
  const unsigned long long magnitude =
      draw.label < 0 ? 0ULL - static_cast<unsigned long long>(draw.label) : static_cast<unsigned long long>(draw.label);
  p = std::to_chars(p, buf + 28, magnitude).ptr;
  *p++ = separator;
  *p++ = char('0' + draw.h);
  *p++ = char('0' + draw.t);
  *p++ = char('0' + draw.u);
  return std::size_t(p - buf);
}

std::size_t labelTextLength(const DrawRecord &draw) {
  unsigned long long magnitude =
      draw.label < 0 ? 0ULL - static_cast<unsigned long long>(draw.label) : static_cast<unsigned long long>(draw.label);
  std::size_t figures = 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++figures;
  }
  return figures + 5;  // sign place, separator, three digits
}

}  // namespace

std::string drawLabelText(const DrawRecord &draw, char separator) {
  char buf[32];
  return std::string(buf, writeLabelText(draw, separator, buf));
}

namespace {

void blankSpareRow(ResultGrid &grid, int drawCount, int lastCol) {
  for (int c = 0; c <= lastCol && c < grid.cols(); ++c)
    grid.clearText(drawCount + 1, c);
}

ResultGrid::TextId digitText(ResultGrid &grid, int d) { return grid.internNumber(d); }

void fillRows(ResultGrid &grid, const DrawHistory &history, int digitCol) {
  ResultGrid::TextId digitIds[10];
  for (int d = 0; d < 10; ++d)
    digitIds[d] = digitText(grid, d);
  std::size_t labelBytes = 0;
  for (const DrawRecord &draw : history.draws)
    labelBytes += labelTextLength(draw);
  grid.reserveTexts(history.draws.size(), labelBytes);
  int row = 1;
  char label[32];
  for (const DrawRecord &draw : history.draws) {
    grid.setTextId(row, 0, grid.addUnique(std::string_view(label, writeLabelText(draw, ':', label))));
    grid.setTextId(row, digitCol, digitIds[draw.h]);
    grid.setTextId(row, digitCol + 1, digitIds[draw.t]);
    grid.setTextId(row, digitCol + 2, digitIds[draw.u]);
    ++row;
  }
}

}  // namespace

void resetGridRows(ResultGrid &grid, int drawCount, int k) {
  grid.setRows(drawCount + 2);
  blankSpareRow(grid, drawCount, k);
}

void resetGridRowsLong(ResultGrid &grid, int drawCount) {
  grid.setRows(drawCount + 5);
  blankSpareRow(grid, drawCount, 4);
}

void fillDrawRows(ResultGrid &grid, const DrawHistory &history) { fillRows(grid, history, 1); }

void fillDrawRowsOffset(ResultGrid &grid, const DrawHistory &history, int offset) {
  fillRows(grid, history, offset + 1);
}

void writeDigitHeaders(ResultGrid &grid) {
  grid.setText(0, 1, "H");
  grid.setText(0, 2, "T");
  grid.setText(0, 3, "U");
}

void sortDigitsAscending(Digits &d) {
  if (d[1] < d[0])
    std::swap(d[0], d[1]);
  if (d[2] < d[1])
    std::swap(d[1], d[2]);
  if (d[1] < d[0])
    std::swap(d[0], d[1]);
}

std::string makeBoxKey(Digits &d) {
  sortDigitsAscending(d);
  std::string key;
  key.push_back(char('0' + d[0]));
  if (d[1] != d[0])
    key.push_back(char('0' + d[1]));
  if (d[2] != d[1])
    key.push_back(char('0' + d[2]));
  return key;
}

void fillDrawRowsWithBoxKey(ResultGrid &grid, const DrawHistory &history, int keyCol, KeyRoutine key) {
  if (!key)
    key = makeBoxKey;
  fillRows(grid, history, 1);
  // A key depends on the three digits only, so each of the 1000 draws is keyed once.
  ResultGrid::TextId cache[1000] = {};
  bool known[1000] = {};
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    const int code = draw.h * 100 + draw.t * 10 + draw.u;
    if (!known[code]) {
      Digits digits{draw.h, draw.t, draw.u};
      cache[code] = grid.intern(key(digits));
      known[code] = true;
    }
    grid.setTextId(row++, keyCol, cache[code]);
  }
}

}  // namespace corvessa::charts
